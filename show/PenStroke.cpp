#include "show/PenStroke.h"

#include <QPainter>

QRect PenStroke::Move(QImage& screen, QPoint p, QColor colour) {
  if (!drawing_) {
    drawing_ = true;
    last_ = p;
    return QRect();
  }
  {
    QPainter painter(&screen);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(colour, kPenWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawLine(last_, p);
  }
  const QRect drawn = QRect(last_, p).normalized().adjusted(-kPenWidth, -kPenWidth, kPenWidth, kPenWidth);
  last_ = p;
  return drawn;
}
