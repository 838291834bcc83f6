// The show's one typeface: "ＭＳ Ｐゴシック" bold, drawn without antialiasing
// as all of the program's text is.
#pragma once

#include <QFont>

// `points` at the show's 96 dots per inch.
QFont ShowFont(int points);
