// The ribbon's own button icons: one drawing per command in one style, made
// at 16 and 32 pixels and at twice that for high-density screens.
#pragma once

#include <QIcon>
#include <QString>

#include "base/Color.h"

// The icon of command `id`; a command without a drawing of its own gets its
// label's first character on a tile.
QIcon RibbonIcon(int id, const QString& label);
// A colour button's icon: its symbol over a bar of `colour` (hatched for none).
QIcon ColourButtonIcon(int id, COLORREF colour);
// The line-style button's icon for style 0..5, the end-style button's for 0..3.
QIcon LineStyleIcon(int style);
QIcon EndStyleIcon(int style);
