// A figure's vertices as drawn: rotated about its centre, zoomed, mirrored.
#include "geometry/Rotation.h"

#include <algorithm>

#include "geometry/Angles.h"
#include "geometry/MathSub.h"

int ToView(int v, float zoom) { return CMathSub::Trunc(static_cast<float>(v) * zoom); }

QPoint ToView(QPoint p, float zoom) { return {ToView(p.x(), zoom), ToView(p.y(), zoom)}; }

std::vector<QPoint> StoredPoints(const ObjectRecord& rec) {
  const int n = std::min<int>(rec.PointNum, kMaxPoints);
  std::vector<QPoint> pts;
  pts.reserve(n);
  for (int i = 0; i < n; ++i) pts.emplace_back(rec.Points[i].x, rec.Points[i].y);
  return pts;
}

std::vector<QPoint> DrawnPoints(const ObjectRecord& rec) {
  const std::vector<QPoint> stored = StoredPoints(rec);
  return CMathSub::RotatePoints({rec.CenterX, rec.CenterY}, kTwoPi - rec.Angle, stored);
}

std::vector<QPoint> RotatePoints(const ObjectRecord& rec, float zoom) {
  std::vector<QPoint> pts = DrawnPoints(rec);
  for (QPoint& p : pts) p = ToView(p, zoom);
  return pts;
}

std::vector<QPoint> UnrotatePoints(const ObjectRecord& rec, std::span<const QPoint> view, float zoom) {
  const QPoint c(rec.CenterX, rec.CenterY);
  std::vector<QPoint> out;
  out.reserve(view.size());
  for (const QPoint& v : view) {
    const QPoint slide(CMathSub::Trunc(static_cast<float>(v.x()) / zoom),
                       CMathSub::Trunc(static_cast<float>(v.y()) / zoom));
    out.push_back(CMathSub::RotatePoint(c, slide, rec.Angle));
  }
  return out;
}

void Mirror(ObjectRecord& rec, MirrorAxis axis) {
  const bool leftRight = axis == MirrorAxis::LeftRight;
  if (leftRight) {
    rec.FlipH = rec.FlipH ? 0 : 1;
  } else {
    rec.FlipV = rec.FlipV ? 0 : 1;
  }
  if (rec.ObjClass != objclass::Figure) return;
  const QPoint c(rec.CenterX, rec.CenterY);
  const std::int64_t cx2 = 2 * static_cast<std::int64_t>(rec.CenterX);
  const std::int64_t cy2 = 2 * static_cast<std::int64_t>(rec.CenterY);
  const int n = std::min<int>(rec.PointNum, kMaxPoints);
  for (int i = 0; i < n; ++i) {
    QPoint p = CMathSub::RotatePoint(c, {rec.Points[i].x, rec.Points[i].y}, kTwoPi - rec.Angle);
    if (leftRight) {
      p.setX(CMathSub::Trunc(static_cast<double>(cx2 - p.x())));
    } else {
      p.setY(CMathSub::Trunc(static_cast<double>(cy2 - p.y())));
    }
    p = CMathSub::RotatePoint(c, p, rec.Angle);
    rec.Points[i] = {p.x(), p.y()};
  }
}
