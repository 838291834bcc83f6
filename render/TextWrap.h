// Figure text cut into visual lines: tabs as four spaces, one line per "\n",
// and the character-level wrap that Japanese text needs (no word boundaries).
// Lengths are CP932 bytes, always whole characters.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <vector>

class QFontMetrics;

// A line never yields more visual lines than this.
inline constexpr int kMaxWrappedLines = 100;

// The stored text as lines: every tab replaced by four spaces, cut at each "\n".
std::vector<QByteArray> FigureTextLines(QByteArrayView text);

// Bytes of the longest prefix of `line`, in whole characters, whose width in `fm`
// does not exceed `width`. The font must not kern (widths only grow character by
// character), as figure text fonts do not.
int FitCount(const QFontMetrics& fm, int width, QByteArrayView line);

// `line` cut into visual lines of FitCount bytes each. An empty line gives one empty
// visual line. When not even one character of the rest fits, the line ends there: a
// box narrower than the first character shows the line as empty.
std::vector<QByteArray> WrapLine(const QFontMetrics& fm, int width, QByteArrayView line);

// The number of visual lines WrapLine makes of `line`.
int WrappedLineCount(const QFontMetrics& fm, int width, QByteArrayView line);

// All visual lines of `lines`: wrapped, or each cut after its last whole character
// that fits.
std::vector<QByteArray> VisualLines(const QFontMetrics& fm, int width,
                                    const std::vector<QByteArray>& lines, bool wordWrap);
