// The text-in-text settings of the dialog "文字イン文字設定": what it shows of
// the primary object, how its answer is checked, and how it is written to every
// selected object.
#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

#include "app/store/Settings.h"
#include "core/base/Failure.h"

class Document;
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

// What applying the settings means.
struct CharaTextCheck {
  std::optional<Failure> failure;  // 30046 too long, 30033 nothing to set or remove
  bool askRemove = false;          // an empty text on an object that has one: ask 30047
  QByteArray bytes;                // the text as stored, when it is set
};

// `primaryHasText`: the primary object has text-in-text now. The limit is 16 CP932
// bytes of whole characters; a character CP932 cannot hold is refused.
CharaTextCheck CheckCharaText(const CharaTextSettings& s, bool primaryHasText);

// Writes the settings to every selected object in table order, or (remove) only
// empties their text-in-text and keeps the rest. Returns how many changed.
int ApplyCharaText(Document& doc, const CharaTextSettings& s, const QByteArray& bytes, bool remove);
