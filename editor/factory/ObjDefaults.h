// The attributes a new object starts with: the "OBJ" settings, each with its
// built-in default, and "SYS"/"ImageW" for large pictures; and "初期値にする",
// which makes an object's attributes those defaults.
#pragma once

#include <QString>

#include "base/Color.h"

struct EndDefaults {
  int style = 1;
  int len = 3;
  int size = 2;
  COLORREF ref = 15780518;
  COLORREF refLine = 8388608;
  int futosa = 1;
  int lineStyle = 0;
};

struct ObjDefaults {
  int roundR = 70;
  QString fontName = QStringLiteral("Meiryo UI");
  int dtFontSize = 48;  // design text
  int fontSize = 11;    // every other object
  int fontBold = 0;
  int fontItalic = 0;
  int fontDel = 0;
  int fontUnder = 0;
  int wordWrap = 1;
  int charMargin = 0;
  int lineMargin = 5;
  COLORREF refText = 0;
  COLORREF refTextBk = kNoColor;
  int marginL = 1;
  int marginR = 1;
  int marginT = 1;
  int marginB = 1;
  int alineV = 1;
  int alineH = 1;
  COLORREF refMen = 16773100;
  COLORREF refSecondMen = 16000000;
  COLORREF refLine = 8388608;
  QString charaFontName = QStringLiteral("Meiryo UI");
  int charaFontSize = 11;
  int charaFontBold = 0;
  int charaFontItalic = 0;
  COLORREF chararefText = 0;
  int charaCharMargin = 10;
  int charaLineMargin = 5;
  int gradeRound = 0;
  int futosa = 1;
  int lineStyle = 0;
  int kageX = 0;
  int kageY = 0;
  COLORREF refKage = 16773100;
  EndDefaults ends[2];  // [0] start (keys ending in 1), [1] end (keys ending in 2)
  int imageW = 250;     // width a large picture is scaled to

  // The stored values; a missing key keeps the built-in default above.
  static ObjDefaults FromStore();
};

inline constexpr char kObjSection[] = "OBJ";

// "EndStyle" + 1 -> "EndStyle1": the key of line end `n` (1 start, 2 end).
QString EndKey(const char* stem, int n);

struct ObjectRecord;

// Writes the "OBJ" keys that "初期値にする" takes over from `record`. The
// question before and the confirmation after are the caller's.
void SetAsDefault(const ObjectRecord& record);
