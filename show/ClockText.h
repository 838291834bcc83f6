// What the rehearsal clock shows: the elapsed time in the chosen format, and
// how far the bar of the current slide has run.
#pragma once

#include <QString>
#include <vector>

enum class ClockFormat { HoursMinutesSeconds = 1, MinutesSeconds = 2, Minutes = 3, Seconds = 4 };

// The format stored as "Last"/"DateFormat"; anything else reads as the first.
ClockFormat ClockFormatFromSetting(int value);

// Texts without a colon are padded with spaces to 8 cells so the figures
// stay in the middle of the window.
QString ClockText(int seconds, ClockFormat format);

// The width of the bar over a clock `width` wide: the share of the current
// slide's time already spent, 0 when the slide has no time.
int ClockBarWidth(int width, int elapsed, const std::vector<int>& times, int current);
