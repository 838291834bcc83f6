// Figure text lines and character-level wrapping, measured with a real font.
#include "render/TextWrap.h"

#include <gtest/gtest.h>

#include <QFontMetrics>

#include "TextFixtures.h"
#include "base/Cp932.h"

namespace {

QByteArray Sjis(const char* utf8) { return *EncodeCp932(QString::fromUtf8(utf8)); }

class TextWrapTest : public ::testing::Test {
 protected:
  QFontMetrics fm = textfixtures::Metrics(textfixtures::PixelFont(16));
  int Width(const QByteArray& bytes) const { return fm.horizontalAdvance(DecodeCp932(bytes)); }
};

TEST(FigureTextLines, TabsBecomeFourSpacesAndEveryNewlineStartsALine) {
  struct Case {
    const char* text;
    std::vector<QByteArray> lines;
  };
  const Case cases[] = {
      {"", {""}},
      {"a\tb", {"a    b"}},
      {"x\n\ny", {"x", "", "y"}},
      {"end\n", {"end", ""}},
  };
  for (const Case& c : cases) EXPECT_EQ(FigureTextLines(c.text), c.lines) << c.text;
}

TEST_F(TextWrapTest, FitCountTakesTheLongestPrefixOfWholeCharactersThatFits) {
  const QByteArray line = Sjis("Ab日本xヲ語");
  // Every character boundary, with the width of the prefix up to it.
  std::vector<int> ends{0};
  while (ends.back() < line.size()) ends.push_back(ends.back() + (IsCp932LeadByte(line[ends.back()]) ? 2 : 1));
  for (std::size_t k = 1; k < ends.size(); ++k) {
    const int width = Width(line.first(ends[k]));
    EXPECT_EQ(FitCount(fm, width, line), ends[k]) << k;
    EXPECT_EQ(FitCount(fm, width - 1, line), ends[k - 1]) << k;
  }
  EXPECT_EQ(FitCount(fm, 100000, QByteArray()), 0);
}

TEST_F(TextWrapTest, WrappingCutsInsideWordsAndLosesNothing) {
  for (const char* text : {"internationalization", "日本語の文章を折り返して表示する"}) {
    const QByteArray line = Sjis(text);
    const int width = Width(line) / 3;
    const std::vector<QByteArray> pieces = WrapLine(fm, width, line);
    ASSERT_GE(pieces.size(), 3u) << text;
    EXPECT_EQ(WrappedLineCount(fm, width, line), static_cast<int>(pieces.size()));
    QByteArray joined;
    for (std::size_t i = 0; i < pieces.size(); ++i) {
      EXPECT_LE(Width(pieces[i]), width) << text << " piece " << i;
      joined += pieces[i];
      // The next character would not have fitted.
      if (i + 1 < pieces.size()) {
        const QByteArray& next = pieces[i + 1];
        EXPECT_GT(Width(pieces[i] + next.first(IsCp932LeadByte(next[0]) ? 2 : 1)), width);
      }
    }
    EXPECT_EQ(joined, line) << text;
  }
}

TEST_F(TextWrapTest, ABoxNarrowerThanACharacterEndsTheLine) {
  const QByteArray wide = Sjis("日");
  const int narrow = Width(wide) - 1;
  EXPECT_EQ(WrapLine(fm, narrow, Sjis("日本")), std::vector<QByteArray>{""});
  EXPECT_EQ(WrappedLineCount(fm, 0, "abc"), 1);
  // What fits is shown; the character that fits no line ends it.
  const QByteArray ii("ii");
  ASSERT_LT(Width(ii), narrow);
  EXPECT_EQ(WrapLine(fm, narrow, ii + wide + ii), std::vector<QByteArray>{ii});
  // The following line still wraps.
  const std::vector<QByteArray> visual = VisualLines(fm, narrow, {wide, ii}, true);
  EXPECT_EQ(visual, (std::vector<QByteArray>{"", ii}));
}

TEST_F(TextWrapTest, ALineGivesAtMostAHundredVisualLines) {
  const QByteArray line(990, 'i');
  EXPECT_EQ(WrappedLineCount(fm, Width("i"), line), kMaxWrappedLines);
  EXPECT_EQ(WrappedLineCount(fm, Width("i"), ""), 1);
}

TEST_F(TextWrapTest, WithoutWrapEachLineIsCutAfterItsLastWholeCharacter) {
  const QByteArray jp = Sjis("日本語");
  const int width = Width(jp.first(4)) + 1;  // two characters and a little
  EXPECT_EQ(VisualLines(fm, width, {jp, "i", ""}, false),
            (std::vector<QByteArray>{jp.first(4), "i", ""}));
  EXPECT_EQ(VisualLines(fm, width, {jp}, true), (std::vector<QByteArray>{jp.first(4), jp.sliced(4)}));
}

}  // namespace
