#include "show/ClosingScreen.h"

#include <QFontMetrics>
#include <QPainter>

#include "base/Cp932.h"
#include "show/ShowFont.h"

std::vector<QString> ClosingLines(const QByteArray& endText) {
  const QString text = DecodeCp932Buffer(endText.constData(), static_cast<size_t>(endText.size()));
  std::vector<QString> lines;
  if (text.isEmpty()) return lines;
  for (const QString& line : text.split(QLatin1Char('@'))) lines.push_back(line);
  return lines;
}

std::vector<ClosingBand> ClosingLayout(const std::vector<QString>& lines, QSize screen,
                                       int lineHeight) {
  std::vector<ClosingBand> bands;
  if (lines.size() == 1) {
    bands.push_back({QRect(QPoint(0, 0), screen), lines.front()});
    return bands;
  }
  const int n = static_cast<int>(lines.size());
  const int top = screen.height() / 2 - n * lineHeight / 2;
  for (int i = 0; i < n; ++i)
    bands.push_back({QRect(0, top + i * lineHeight, screen.width(), lineHeight), lines[i]});
  return bands;
}

QFont ClosingFont() { return ShowFont(38); }

void DrawClosingMessage(QPainter& painter, QSize screen, const QByteArray& endText) {
  const std::vector<QString> lines = ClosingLines(endText);
  if (lines.empty()) return;
  const QFont font = ClosingFont();
  // The cell height of any text in the font, as a text extent measures it.
  const int lineHeight = QFontMetrics(font).height();
  painter.save();
  painter.setFont(font);
  painter.setPen(QColor(247, 247, 222));
  painter.setBackgroundMode(Qt::TransparentMode);
  for (const ClosingBand& band : ClosingLayout(lines, screen, lineHeight))
    painter.drawText(band.rect, Qt::AlignCenter | Qt::TextSingleLine, band.text);
  painter.restore();
}
