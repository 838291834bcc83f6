#include "show/ClockText.h"

#include <algorithm>
#include <cstdint>

namespace {

// Spaces before and after a text of 1..7 characters.
const int kPadding[7][2] = {{4, 3}, {3, 3}, {3, 2}, {2, 2}, {2, 1}, {1, 1}, {1, 0}};

QString Padded(const QString& text) {
  const qsizetype n = text.size();
  if (n < 1 || n > 7) return text;
  const int* pad = kPadding[n - 1];
  return QString(pad[0], QLatin1Char(' ')) + text + QString(pad[1], QLatin1Char(' '));
}

}  // namespace

ClockFormat ClockFormatFromSetting(int value) {
  return value >= 1 && value <= 4 ? static_cast<ClockFormat>(value) : ClockFormat::HoursMinutesSeconds;
}

QString ClockText(int seconds, ClockFormat format) {
  QString text;
  switch (format) {
    case ClockFormat::HoursMinutesSeconds:
      text = QString::asprintf("%02d:%02d:%02d", seconds / 3600, seconds / 60 % 60, seconds % 60);
      break;
    case ClockFormat::MinutesSeconds:
      text = QString::asprintf("  %02d:%02d ", seconds / 60 % 60, seconds % 60);
      break;
    case ClockFormat::Minutes: text = QString::number(seconds / 60); break;
    case ClockFormat::Seconds: text = QString::number(seconds); break;
  }
  return text.contains(QLatin1Char(':')) ? text : Padded(text);
}

int ClockBarWidth(int width, int elapsed, const std::vector<int>& times, int current) {
  if (current < 0 || current >= static_cast<int>(times.size())) return 0;
  const int t = times[static_cast<size_t>(current)];
  if (t <= 0) return 0;
  std::int64_t before = 0;
  for (int i = 0; i < current; ++i) before += times[static_cast<size_t>(i)];
  const std::int64_t spent = std::clamp<std::int64_t>(elapsed - before, 0, t);
  return static_cast<int>(width * spent / t);
}
