#include "editor/NodeRules.h"

#include <algorithm>
#include <cmath>

#include "core/Document.h"
#include "editor/MoveDrag.h"
#include "geometry/MathSub.h"
#include "geometry/ObjectFrame.h"
#include "geometry/Rotation.h"

int AngleSpinPosition(double angle) {
  const double pi = 4 * std::atan(1.0);
  if (angle > 6.283185307) angle -= 2 * pi;
  const int d = int(angle * 180 / pi);
  if (d == 0) return 0;
  if (d == 361) return 359;
  return 360 - d;
}

QString ByteCountText(qint64 bytes) {
  QString digits = QString::number(bytes);
  if (digits.size() >= 4 && digits.size() <= 9)
    for (qsizetype at = digits.size() - 3; at > 0; at -= 3) digits.insert(at, u',');
  return digits + QStringLiteral("byte");
}

std::optional<QSize> AspectTarget(QSize picture, QSize bounds, bool byWidth, QSize slide) {
  const int w = picture.width(), h = picture.height(), W = bounds.width(), H = bounds.height();
  if (w <= 0 || h <= 0 || W <= 0 || H <= 0) return std::nullopt;
  // Ratios in single precision, as the frame's own rules compare them.
  if (byWidth) {
    const float r = float(h) / float(w);
    if (float(H) / float(W) == r) return std::nullopt;
    const QSize target(W, int(r * float(W)));
    if (target.height() <= slide.height()) return target;
    return QSize(int(float(w) / float(h) * float(H)), H);
  }
  const float r = float(w) / float(h);
  if (float(W) / float(H) == r) return std::nullopt;
  const QSize target(int(r * float(H)), H);
  if (target.width() <= slide.width()) return target;
  return QSize(W, int(float(h) / float(w) * float(W)));
}

QSize FrameSize(const ObjectRecord& r) {
  const QPoint v0(r.Points[0].x, r.Points[0].y), v1(r.Points[1].x, r.Points[1].y), v3(r.Points[3].x, r.Points[3].y);
  return QSize(int(CMathSub::Distance(v0, v1)), int(CMathSub::Distance(v0, v3)));
}

bool SameAspect(QSize pixels, QSize frame) {
  if (frame.width() <= 0 || frame.height() <= 0) return false;
  return int(pixels.height() * 10.0 / frame.height()) == int(pixels.width() * 10.0 / frame.width());
}

void ResizeFrame(ObjectRecord& r, int W, int H) {
  // The sides at right angles on vertex 0's side (one mirror turns them the
  // other way), rounded rather than truncated so that a side is as long as
  // asked and a step never loses a unit.
  const bool swapped = (r.FlipH != 0) != (r.FlipV != 0);
  const QPoint v0(r.Points[0].x, r.Points[0].y);
  const QPoint v1 = CMathSub::PointAlong(W, v0, QPoint(r.Points[1].x, r.Points[1].y));
  const double length = CMathSub::Distance(v0, v1);
  const double ux = length > 0 ? (v1.x() - v0.x()) / length : 1.0;
  const double uy = length > 0 ? (v1.y() - v0.y()) / length : 0.0;
  const double sx = swapped ? uy : -uy, sy = swapped ? -ux : ux;  // the side direction
  const QPoint side(int(std::lround(sx * H)), int(std::lround(sy * H)));
  const QPoint v3 = v0 + side, v2 = v1 + side;
  r.Points[1] = {v1.x(), v1.y()};
  r.Points[2] = {v2.x(), v2.y()};
  r.Points[3] = {v3.x(), v3.y()};
}

std::optional<ObjectRecord> ActualSizeFrame(const ObjectRecord& r, QSize pixels, QSize slide) {
  ObjectRecord n = r;
  const int x0 = r.Points[0].x, y0 = r.Points[0].y;
  n.Points[1] = {x0 + pixels.width(), y0};
  n.Points[2] = {x0 + pixels.width(), y0 + pixels.height()};
  n.Points[3] = {x0, y0 + pixels.height()};
  const std::vector<QPoint> drawn = RotatePoints(n, 1.0f);
  const Bounds b = CMathSub::BoundingRect(std::span(drawn.data(), std::min<std::size_t>(drawn.size(), 4)));
  const int m = BoundingMargin(n);
  if (b.right - b.left + 2 * m > slide.width() || b.bottom - b.top + 2 * m > slide.height()) return std::nullopt;
  return n;
}

QRect DrawnBounds(const ObjectRecord& r, float zoom) {
  const std::vector<QPoint> drawn = RotatePoints(r, zoom);
  const Bounds b = CMathSub::BoundingRect(std::span(drawn.data(), std::min<std::size_t>(drawn.size(), 4)));
  const auto units = [zoom](int v) { return int(v / zoom); };
  return QRect(units(b.left), units(b.top), units(b.right - b.left), units(b.bottom - b.top));
}

void PushInside(Document& doc, int index) {
  const QPoint delta = KeepOnSlide(QPoint(0, 0), doc, index);
  if (delta.isNull()) return;
  ObjectRecord& r = doc.Object(index);
  r.CenterX += delta.x();
  r.CenterY += delta.y();
  for (int k = 0; k < r.PointNum && k < int(std::size(r.Points)); ++k) {
    r.Points[k].x += delta.x();
    r.Points[k].y += delta.y();
  }
}
