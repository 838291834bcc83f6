// The text-in-text settings of the dialog "文字イン文字設定": what it shows of
// the primary object, how its answer is checked, and how it is written to every
// selected object.
#pragma once

#include <QString>

#include "base/Color.h"
#include "base/Failure.h"

class EditPath;
struct ObjectRecord;

struct CharaTextSettings {
  QString text;
  QString face;
  int size = 11;  // points, 5..64
  bool bold = false;
  bool italic = false;
  COLORREF colour = 0;
  int charMargin = 10;  // 0..20
  int lineMargin = 5;   // 0..20
  int angle = 0;        // 0..359 degrees

  static CharaTextSettings FromRecord(const ObjectRecord& r);
};

inline constexpr int kCharaSizeMin = 5, kCharaSizeMax = 64;
inline constexpr int kCharaMarginMax = 20;
inline constexpr int kCharaAngleMax = 359;

// What applying the settings does.
struct CharaTextChange {
  bool remove = false;  // an empty text on an object that has one: ask 30047, then remove
};

// `primaryHasText`: the primary object has text-in-text now. The limit is 16 CP932
// bytes of whole characters. Fails with 30046 when the text is longer or holds a
// character CP932 cannot (named in the detail), 30033 when there is nothing to
// set or remove.
Result<CharaTextChange> CheckCharaText(const CharaTextSettings& s, bool primaryHasText);

// Writes the settings to every selected object, or (remove) only empties their
// text-in-text and keeps the rest: one undoable change. False when nothing is selected.
bool ApplyCharaText(EditPath& edits, const CharaTextSettings& s, const CharaTextChange& change);
