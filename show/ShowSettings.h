// What a show needs to know about the presentation: filled by the caller
// from the document header (Tessaly) or from the package (the player).
#pragma once

#include <QByteArray>
#include <QColor>
#include <QSize>
#include <vector>

// The values are those the ribbon commands pass.
enum class ShowMode {
  Production = 1,
  ProductionFromCurrent = 2,
  RehearsalMeasure = 3,
  RehearsalAuto = 4,
  ResultsOnly = 9,
};

// Stored transition values; any other value behaves as TransitionDirect.
inline constexpr int TransitionDirect = 0;
inline constexpr int TransitionFade = 1;
inline constexpr int TransitionCrossFade = 2;
inline constexpr int TransitionWipeTop = 10;
inline constexpr int TransitionWipeBottom = 11;
inline constexpr int TransitionWipeLeft = 12;
inline constexpr int TransitionWipeRight = 13;
inline constexpr int TransitionInterlace = 20;

struct BellSetting {
  int kind = 0;  // 0 off, 1 sound, 2 picture, 3 sound and picture
  int time = 0;  // seconds from the start
};

// The slide count comes from the slide source; per-slide lists may be
// shorter than it (a missing value reads as 0).
struct ShowSettings {
  int curSlide = 0;  // start slide of ProductionFromCurrent
  QSize slideSize;   // pixels at zoom 1
  std::vector<int> switchTime;  // seconds per slide
  std::vector<int> transition;  // pattern per slide
  int menuMode = 0;
  QByteArray endText;  // CP932 bytes; '@' separates lines
  BellSetting bell1;
  BellSetting bell2;
  int repeatOnce = 1;  // 1 = stop at the closing screen
  int showClock = 0;
  int noEnlarge = 0;
  QColor penColour{255, 130, 0};  // "Last"/"refPointer" in Tessaly; fixed in the player
  bool player = false;      // the player: image of the screen size, no modes
  bool autoSwitch = false;  // the player's automatic switching
};
