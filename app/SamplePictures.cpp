#include "app/SamplePictures.h"

#include <QBuffer>
#include <QImageWriter>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace {

QPolygonF Ridge(QSize size, std::initializer_list<QPointF> peaks) {
  QPolygonF p;
  p << QPointF(0, size.height());
  for (const QPointF& f : peaks) p << QPointF(f.x() * size.width(), f.y() * size.height());
  p << QPointF(size.width(), size.height());
  return p;
}

}  // namespace

QImage DrawLandscape(QSize size) {
  QImage image(size, QImage::Format_RGB32);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  const qreal w = size.width(), h = size.height();

  QLinearGradient sky(0, 0, 0, h * 0.65);
  sky.setColorAt(0, QColor(35, 88, 160));
  sky.setColorAt(1, QColor(250, 205, 150));
  p.fillRect(image.rect(), sky);

  QRadialGradient glow(w * 0.72, h * 0.42, h * 0.25);
  glow.setColorAt(0, QColor(255, 250, 210));
  glow.setColorAt(0.35, QColor(255, 215, 120));
  glow.setColorAt(1, QColor(255, 215, 120, 0));
  p.setPen(Qt::NoPen);
  p.setBrush(glow);
  p.drawEllipse(QPointF(w * 0.72, h * 0.42), h * 0.25, h * 0.25);

  p.setBrush(QColor(90, 105, 150));
  p.drawPolygon(Ridge(size, {{0, 0.55}, {0.18, 0.32}, {0.35, 0.5}, {0.55, 0.28}, {0.8, 0.5}, {1, 0.4}}));
  p.setBrush(QColor(55, 95, 80));
  p.drawPolygon(Ridge(size, {{0, 0.62}, {0.25, 0.48}, {0.45, 0.6}, {0.7, 0.52}, {1, 0.62}}));

  QLinearGradient lake(0, h * 0.66, 0, h);
  lake.setColorAt(0, QColor(120, 150, 190));
  lake.setColorAt(1, QColor(30, 60, 110));
  p.setBrush(lake);
  p.drawRect(QRectF(0, h * 0.66, w, h * 0.34));
  p.setPen(QPen(QColor(255, 235, 180), 3));
  for (int k = 0; k < 5; ++k) {
    const qreal y = h * (0.7 + 0.05 * k);
    const qreal half = w * (0.08 - 0.012 * k);
    p.drawLine(QPointF(w * 0.72 - half, y), QPointF(w * 0.72 + half, y));
  }
  return image;
}

QImage DrawBadge(int side) {
  QImage image(side, side, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter p(&image);
  const QRectF box(side * 0.05, side * 0.05, side * 0.9, side * 0.9);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(237, 125, 49));
  p.drawEllipse(box);
  p.setBrush(QColor(255, 192, 0));
  p.drawEllipse(box.adjusted(side * 0.1, side * 0.1, -side * 0.1, -side * 0.1));
  QFont font("IPAPGothic");
  font.setPixelSize(side * 2 / 5);
  font.setBold(true);
  font.setStyleStrategy(QFont::NoAntialias);
  p.setFont(font);
  p.setPen(QColor(31, 56, 100));
  p.drawText(box, Qt::AlignCenter, QString::fromUtf8("T"));
  return image;
}

QByteArray EncodeJpeg(const QImage& image, int quality) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  QImageWriter writer(&buffer, "jpeg");
  writer.setQuality(quality);
  return writer.write(image) ? bytes : QByteArray();
}
