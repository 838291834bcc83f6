// The show settings as the settings dialog holds them, their limits, and
// the way between them and the document header.
#pragma once

#include <QString>
#include <array>

struct DocHeader;

inline constexpr int kMenuSecondsMin = 2;
inline constexpr int kMenuSecondsMax = 10;
inline constexpr int kEndTextMaxBytes = 96;  // EndText holds 97 bytes with its NUL
inline constexpr int kBellSecondsMax = 65535;

struct ShowSetForm {
  enum class EndChoice { Japanese, English, Custom };
  enum BellKind { Sound = 1, Picture = 2, Both = 3 };
  struct Bell {
    bool on = false;
    int kind = Both;
    int seconds = 0;
  };

  bool menuOn = false;
  bool menuAlways = true;  // else for the first menuSeconds
  int menuSeconds = kMenuSecondsMin;
  bool endOn = false;
  EndChoice endChoice = EndChoice::Japanese;
  QString endEdit;  // the custom message, lines broken by '\n'
  bool noEnlarge = false;
  std::array<Bell, 2> bells;
  bool repeat = false;  // "連続に繰り返す": RepeatOnce 0
  bool showClock = false;
  bool autoSwitch = false;
};

ShowSetForm FormFromHeader(const DocHeader& header);
// Writes the form into `header`; false when every field already held its value.
bool FormToHeader(const ShowSetForm& form, DocHeader& header);

// The seconds edit: 1 and below become 2, 11 and above 10.
int ClampMenuSeconds(int seconds);
// A bell picker's time in seconds, at most 65535.
int BellSeconds(int hours, int minutes, int seconds);

// The closing message of the edit in CP932 bytes, each line break one
// at-sign; -1 when a character has no CP932 form.
int EndTextBytes(const QString& edit);

// What is left of an edit of the closing message. Only what was just typed
// or pasted is held back: the longest part of it that fits in 96 bytes
// (cut between characters, characters CP932 cannot store left out), so text
// that was already there is never cut.
struct LimitedEndText {
  QString text;
  int cursor = 0;         // just after what was kept of the insertion
  bool refused = false;   // some of it did not fit or cannot be stored
};
LimitedEndText LimitEndText(const QString& before, const QString& after);
