// What the character dialog "1文字入力" shows and answers, kept between uses in
// the settings section "Last", and the rule that picks a font in a font list.
#pragma once

#include <QString>
#include <QStringList>

#include "base/Failure.h"
#include "render/CharOutline.h"

struct CharDialogValues {
  QString text;  // the whole typed text; only its first character is used
  CharChoice choice;
};

// "CharMoji", "CharFont", "CharBold", "CharItalic", "CharCurve".
CharDialogValues LoadCharDialogValues();
void SaveCharDialogValues(const CharDialogValues& values);

// Fails with 30033 when there is no character to take the outline of.
Result<void> CheckCharDialogValues(const CharDialogValues& values);

// The first entry of `fonts` that begins with `face` (in any case, as face names
// compare); -1 when none does.
int FontListIndex(const QStringList& fonts, const QString& face);
