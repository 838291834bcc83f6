// The stroke path of each figure kind as a list of pieces the raster layer draws.
#include "geometry/StrokePath.h"

#include "geometry/Contours.h"
#include "geometry/Rotation.h"

namespace {

using Points = std::span<const QPoint>;

PathPiece Polyline(std::vector<QPoint> pts) { return {PieceKind::Polyline, std::move(pts), {}, {}, {}}; }

// A run whose count is not 3k + 1 (a damaged list) keeps its longest valid
// start rather than being refused whole by the raster call.
PathPiece Bezier(std::vector<QPoint> pts) {
  if (pts.size() % 3 != 1) pts.resize(pts.size() < 4 ? 0 : pts.size() - (pts.size() + 2) % 3);
  return {PieceKind::Bezier, std::move(pts), {}, {}, {}};
}

std::vector<QPoint> Slice(Points pts, int first, int count) {
  return {pts.begin() + first, pts.begin() + first + count};
}

void Append(std::vector<PathPiece>& path, PathPiece piece) {
  if (piece.points.size() >= 2) path.push_back(std::move(piece));
}

std::vector<PathPiece> GeneralRule(Points pts, bool closed, bool curved) {
  std::vector<PathPiece> path;
  const std::vector<Contour> contours = SplitContours(pts, curved);
  if (contours.empty()) {
    std::vector<QPoint> all(pts.begin(), pts.end());
    if (closed && !all.empty()) all.push_back(all.front());
    Append(path, curved ? Bezier(std::move(all)) : Polyline(std::move(all)));
    return path;
  }
  // A contour's own closing vertex already takes it back to its start.
  for (const Contour& c : contours) {
    std::vector<QPoint> part = Slice(pts, c.first, c.count);
    Append(path, curved ? Bezier(std::move(part)) : Polyline(std::move(part)));
  }
  return path;
}

std::vector<PathPiece> RoundRectRule(Points p) {
  std::vector<PathPiece> path;
  for (int k = 0; k < 4; ++k) {
    const QPoint corner = p[3 * k];
    const QPoint a = p[3 * k + 1];
    const QPoint b = p[3 * k + 2];
    const QPoint before = p[(3 * k + 11) % 12];  // the edge that arrives at this corner
    path.push_back(Polyline({a, b}));
    path.push_back(Bezier({a, CMathSub::MidPoint(corner, a), CMathSub::MidPoint(corner, before), before}));
  }
  return path;
}

std::vector<PathPiece> CircleRule(QPoint centre, int d) {
  const int half = d / 2;
  const QPoint mark(centre.x(), centre.y() + 50);
  const Bounds box{centre.x() - half, centre.y() - half, centre.x() + half, centre.y() + half};
  return {PathPiece{PieceKind::Arc, {}, box, mark, mark}};
}

std::vector<PathPiece> MemoRule(Points p) {
  return {Polyline({p[0], p[1], p[2], p[3], p[4], p[5]}), Bezier({p[5], p[6], p[7], p[0]}),
          Polyline({p[0], p[4]})};
}

}  // namespace

std::vector<PathPiece> StrokeOutline(const StrokeInput& in) {
  const Points p = in.points;
  const std::size_t n = p.size();
  switch (in.kind) {
    case objkind::RoundRect:
      if (n == 12) return RoundRectRule(p);
      break;
    case objkind::Ellipse:
      if (in.circleDiameter >= 0) return CircleRule(in.localCentre, in.circleDiameter);
      if (n == 13) return {Bezier({p.begin(), p.end()})};
      break;
    case objkind::Memo:
      if (n == 8) return MemoRule(p);
      break;
    case objkind::Cylinder:
      if (n == 16) return {Bezier({p.begin(), p.end()})};
      break;
    case objkind::Cube:
    case objkind::Button:
    case objkind::Pyramid: {
      std::vector<PathPiece> path;
      Append(path, Polyline({p.begin(), p.end()}));
      return path;
    }
    default:
      break;
  }
  // A damaged count for a fixed-layout kind falls back to the general rule
  // instead of reading past its points.
  return GeneralRule(p, in.closed, in.curved);
}

int EllipseCircleDiameter(const ObjectRecord& rec, float zoom) {
  if (rec.ObjKind != objkind::Ellipse) return -1;
  const std::vector<QPoint> p = StoredPoints(rec);
  if (p.size() != 13) return -1;
  const int across = ToView(CMathSub::Trunc(CMathSub::Distance(p[3], p[9])), zoom);
  const int down = ToView(CMathSub::Trunc(CMathSub::Distance(p[0], p[6])), zoom);
  return across == down ? across : -1;
}

std::vector<PathPiece> StrokePath(const ObjectRecord& rec, float zoom, QPoint origin) {
  return StrokePath(rec, zoom, origin, rec.ObjKind != objkind::Line);
}

std::vector<PathPiece> StrokePath(const ObjectRecord& rec, float zoom, QPoint origin, bool closed) {
  std::vector<QPoint> pts = RotatePoints(rec, zoom);
  const Bounds b = CMathSub::BoundingRect(pts);
  for (QPoint& p : pts) p -= origin;
  StrokeInput in;
  in.kind = rec.ObjKind;
  in.points = pts;
  in.closed = closed;
  in.curved = rec.Curve != 0;
  in.localCentre = QPoint((b.left + b.right) / 2 - origin.x(), (b.top + b.bottom) / 2 - origin.y());
  in.circleDiameter = EllipseCircleDiameter(rec, zoom);
  return StrokeOutline(in);
}
