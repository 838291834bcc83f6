#include "show/ShowBitmaps.h"

namespace {

QImage Load(const char* name, QSize size) {
  QImage image(QString::fromLatin1(":/show/") + QLatin1String(name));
  if (image.size() != size) return QImage();
  return image.convertToFormat(QImage::Format_RGB32);
}

}  // namespace

std::optional<ShowBitmaps> LoadShowBitmaps() {
  ShowBitmaps b;
  b.menu = Load("menu.png", kMenuBitmapSize);
  b.pointers = {Load("pointer1.png", QSize(61, 61)), Load("pointer2.png", QSize(122, 122)),
                Load("pointer3.png", QSize(184, 184))};
  b.clockDigits = Load("clockdigits.png", kClockDigitsSize);
  if (b.menu.isNull() || b.clockDigits.isNull()) return std::nullopt;
  for (const QImage& p : b.pointers)
    if (p.isNull()) return std::nullopt;
  return b;
}

QRect ClockCell(QChar c) {
  int cell = -1;
  if (c >= QLatin1Char('0') && c <= QLatin1Char('9')) cell = c.unicode() - '0';
  if (c == QLatin1Char(':')) cell = 10;
  if (cell < 0) return QRect();
  return QRect(QPoint(kClockCellSize.width() * cell, 0), kClockCellSize);
}
