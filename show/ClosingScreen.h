// The closing screen after the last slide: the closing message in centred bands.
#pragma once

#include <QByteArray>
#include <QFont>
#include <QRect>
#include <QSize>
#include <QString>
#include <vector>

class QPainter;

// The message's lines: CP932 decoded first, then split at '@', so a
// double-byte character whose second byte is 0x40 stays whole. Empty text: no lines.
std::vector<QString> ClosingLines(const QByteArray& endText);

struct ClosingBand {
  QRect rect;  // the text is centred in it
  QString text;
};

// One line: centred on the whole screen. n lines: full-width bands of
// `lineHeight`, the first at H/2 - n*lineHeight/2.
std::vector<ClosingBand> ClosingLayout(const std::vector<QString>& lines, QSize screen,
                                       int lineHeight);

// "ＭＳ Ｐゴシック" 38 point bold at 96 dots per inch.
QFont ClosingFont();

// Draws the message over what is already on the screen.
void DrawClosingMessage(QPainter& painter, QSize screen, const QByteArray& endText);
