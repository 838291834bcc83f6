// The values the system settings dialog edits, with their limits, read from
// and written to the store and the application object.
#pragma once

#include <array>

inline constexpr int kMinObjectSize = 30;
inline constexpr int kMaxObjectSize = 500;
inline constexpr int kMaxAnimeCount = 10;
inline constexpr int kAnimeSpeeds = 5;
// The automatic-switch times a new slide may get, in seconds, in radio order.
inline constexpr std::array<int, 5> kAutoCngChoices{30, 60, 180, 240, 300};

struct KansetValues {
  bool firstOpen = false;
  int imageW = 250;
  int objW = 100;
  int objH = 50;
  int autoCng = 60;    // one of kAutoCngChoices
  int playAnime = 3;   // 0 = no animation, else the count 1..10
  int speedAnime = 0;  // 0 (fast) .. 4 (slow)
  bool makeBackup = true;
  bool dspGuide = true;
};

// The three values the application object holds while the program runs.
struct AnimeGuide {
  int playAnime = 3;
  int speedAnime = 0;
  int dspGuide = 1;
};

int ClampObjectSize(int px);
// The radio shown for a stored time; a time that is not a choice shows the last.
int AutoCngChoice(int seconds);
// The count the spin shows: 3 while the animation is off.
int AnimeSpinValue(int playAnime);
// The speed radio shown; a stored value outside 0..4 shows the first.
int SpeedChoice(int speedAnime);

// What the dialog shows on opening, every value already in its range.
KansetValues LoadKanset(const AnimeGuide& app);
// The values as the dialog's controls give them back, clamped as on saving.
KansetValues CollectKanset(bool firstOpen, int imageW, int objW, int objH, int autoCngChoice,
                           bool animeChecked, int animeCount, int speedChoice, bool makeBackup,
                           bool dspGuide);
// Writes the "SYS" keys and returns the values the application object keeps
// until exit.
AnimeGuide SaveKanset(const KansetValues& v);
