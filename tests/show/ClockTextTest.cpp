#include <gtest/gtest.h>

#include "show/ClockText.h"

TEST(ClockTextTest, EachFormatWithItsPadding) {
  using F = ClockFormat;
  const struct {
    int seconds;
    F format;
    const char* text;
  } cases[] = {
      {0, F::HoursMinutesSeconds, "00:00:00"},
      {3725, F::HoursMinutesSeconds, "01:02:05"},
      {3725, F::MinutesSeconds, "  02:05 "},   // minutes within the hour
      {59, F::Minutes, "    0   "},            // 1 character: 4 before, 3 after
      {600, F::Minutes, "   10   "},           // 2: 3 + 3
      {6000, F::Minutes, "   100  "},          // 3: 3 + 2
      {9, F::Seconds, "    9   "},
      {1234, F::Seconds, "  1234  "},          // 4: 2 + 2
      {12345, F::Seconds, "  12345 "},         // 5: 2 + 1
      {123456, F::Seconds, " 123456 "},        // 6: 1 + 1
      {1234567, F::Seconds, " 1234567"},       // 7: 1 + 0
      {12345678, F::Seconds, "12345678"},
  };
  for (const auto& c : cases) {
    const QString text = ClockText(c.seconds, c.format);
    EXPECT_EQ(text, QString::fromLatin1(c.text)) << c.seconds << " " << static_cast<int>(c.format);
    EXPECT_EQ(text.size(), 8);
  }
}

TEST(ClockTextTest, UnknownFormatsReadAsTheFirst) {
  EXPECT_EQ(ClockFormatFromSetting(0), ClockFormat::HoursMinutesSeconds);
  EXPECT_EQ(ClockFormatFromSetting(4), ClockFormat::Seconds);
  EXPECT_EQ(ClockFormatFromSetting(5), ClockFormat::HoursMinutesSeconds);
}

TEST(ClockTextTest, BarShowsTheShareOfTheCurrentSlidesTime) {
  const std::vector<int> times{10, 20, 0};
  const struct {
    int elapsed;
    int current;
    int width;
  } cases[] = {
      {0, 0, 0},   {5, 0, 130},  {10, 0, 260},  // slide 1: 10 s
      {15, 1, 65}, {30, 1, 260},                // slide 2 starts at 10 s
      {5, 1, 0},                                // before its start: nothing
      {40, 1, 260},                             // overrun stays full
      {31, 2, 0},                               // a slide without a time
      {0, 3, 0},                                // the closing screen
  };
  for (const auto& c : cases)
    EXPECT_EQ(ClockBarWidth(260, c.elapsed, times, c.current), c.width) << c.elapsed << " " << c.current;
}
