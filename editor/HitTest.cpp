// The hit tests of the editing view.
#include "editor/HitTest.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "core/Document.h"
#include "geometry/ObjectFrame.h"
#include "geometry/Rotation.h"
#include "geometry/ShapeHandles.h"

namespace {

bool OnSlide(const HitScene& s, int i) { return s.doc.Object(i).Slide == s.slide; }
bool Selected(const HitScene& s, int i) { return OnSlide(s, i) && s.doc.View(i).Selected; }
QPoint CentreInView(const ObjectRecord& r, float zoom) { return ToView(QPoint(r.CenterX, r.CenterY), zoom); }

double SegmentDistance(QPointF p, QPointF a, QPointF b) {
  const QPointF ab = b - a;
  const double len2 = QPointF::dotProduct(ab, ab);
  const double t = len2 == 0 ? 0 : std::clamp(QPointF::dotProduct(p - a, ab) / len2, 0.0, 1.0);
  const QPointF d = p - (a + t * ab);
  return std::hypot(d.x(), d.y());
}

// Sign test with the edges counted inside.
bool InTriangle(QPoint p, QPoint a, QPoint b, QPoint c) {
  const auto side = [](QPoint p, QPoint a, QPoint b) {
    return static_cast<double>(b.x() - a.x()) * (p.y() - a.y()) -
           static_cast<double>(b.y() - a.y()) * (p.x() - a.x());
  };
  const double d1 = side(p, a, b), d2 = side(p, b, c), d3 = side(p, c, a);
  const bool neg = d1 < 0 || d2 < 0 || d3 < 0;
  const bool pos = d1 > 0 || d2 > 0 || d3 > 0;
  return !(neg && pos);
}

bool InFrame(std::span<const QPoint> pts, QPoint p) {
  if (pts.size() < 4) return false;
  return InTriangle(p, pts[0], pts[1], pts[2]) || InTriangle(p, pts[0], pts[2], pts[3]);
}

// The edges of an outline as pairs of vertex numbers: between anchors only
// when curved, and closed unless the figure is a line.
std::vector<std::pair<int, int>> Edges(const ObjectRecord& r, int n) {
  const int step = r.Curve ? 3 : 1;
  std::vector<std::pair<int, int>> edges;
  int last = 0;
  for (int a = 0; a + step < n; a += step) {
    edges.emplace_back(a, a + step);
    last = a + step;
  }
  if (r.ObjKind != objkind::Line && last > 0 && !(step == 1 && n == 2)) edges.emplace_back(0, last);
  return edges;
}

ObjectHit HitFigure(const HitScene& s, int i, QPoint view, QPoint p, std::span<const QPoint> pts) {
  const ObjectRecord& r = s.doc.Object(i);
  ObjectHit hit{i, r.ObjClass};
  if (r.refMen == kNoColor && r.refLine == kNoColor) {
    const Bounds b = FrameOf(r, s.zoom).bounds;
    if (view.x() >= b.left && view.x() <= b.right && view.y() >= b.top && view.y() <= b.bottom) return hit;
  }
  const int n = static_cast<int>(pts.size());
  if (!HasShapeHandles(r.ObjKind)) {
    for (int k = 0; k < n; ++k) {
      if (CMathSub::Distance(pts[k], p) < kVertexReach) {
        hit.vertex = k;
        return hit;
      }
    }
  }
  const double reach = EdgeReach(r.Futosa, s.zoom);
  for (const auto& [a, b] : Edges(r, n)) {
    if (SegmentDistance(p, pts[a], pts[b]) <= reach) {
      hit.vertex = kEdge;
      hit.edgeA = std::min(a, b);
      hit.edgeB = std::max(a, b);
      return hit;
    }
  }
  if (CMathSub::PointInPolygon(pts, p)) return hit;
  if (r.ObjKind == objkind::Button && CMathSub::PointInPolygon(pts.first(std::min(n, 4)), p)) return hit;
  return {};
}

}  // namespace

QPoint ViewToSlide(QPoint view, float zoom) {
  return {CMathSub::Trunc(view.x() / static_cast<double>(zoom)),
          CMathSub::Trunc(view.y() / static_cast<double>(zoom))};
}

bool InHandleSquare(QPoint handle, QPoint p) {
  return p.x() >= handle.x() - kHandleReach && p.x() < handle.x() + kHandleReach &&
         p.y() >= handle.y() - kHandleReach && p.y() < handle.y() + kHandleReach;
}

int HitRotationCentre(const HitScene& s, QPoint p) {
  if (s.primary < 0) return -1;
  for (int i = 0; i < s.doc.ObjCount(); ++i) {
    const ObjectRecord& r = s.doc.Object(i);
    if (!Selected(s, i) || r.ObjClass == objclass::DText) continue;
    if (CMathSub::Distance(CentreInView(r, s.zoom), p) < kCentreReach) return i;
  }
  return -1;
}

HandleHit HitShapeHandle(const HitScene& s, QPoint p) {
  for (int i = 0; i < s.doc.ObjCount(); ++i) {
    const ObjectRecord& r = s.doc.Object(i);
    if (!Selected(s, i) || r.ObjClass != objclass::Figure || !HasShapeHandles(r.ObjKind)) continue;
    const std::vector<QPoint> handles = ShapeHandles(r, s.zoom);
    for (int h = 0; h < static_cast<int>(handles.size()); ++h)
      if (InHandleSquare(handles[h], p)) return {i, h, CursorId::Vertex};
  }
  return {};
}

HandleHit HitResizeHandle(const HitScene& s, QPoint p) {
  for (int i = 0; i < s.doc.ObjCount(); ++i) {
    if (!Selected(s, i) || s.doc.Object(i).ObjClass == objclass::DText) continue;
    const std::array<QPoint, 8> handles = FrameOf(s.doc.Object(i), s.zoom).handles;
    for (int h = 0; h < 8; ++h)
      if (InHandleSquare(handles[h], p)) return {i, h, ResizeCursor(h)};
  }
  return {};
}

int HitRotationRadius(const HitScene& s, QPoint p) {
  if (s.primary < 0) return -1;
  for (int i = 0; i < s.doc.ObjCount(); ++i) {
    if (!Selected(s, i)) continue;
    const ObjectRecord& r = s.doc.Object(i);
    if (InHandleSquare(CentreInView(r, s.zoom) + QPoint(r.RoundR, 0), p)) return i;
  }
  return -1;
}

CircleHit HitRotationCircle(const HitScene& s, QPoint p) {
  if (s.primary < 0) return {};
  for (int i = 0; i < s.doc.ObjCount(); ++i) {
    if (!Selected(s, i)) continue;
    const ObjectRecord& r = s.doc.Object(i);
    const QPoint c = CentreInView(r, s.zoom);
    if (std::abs(CMathSub::Distance(c, p) - r.RoundR) < kCentreReach) return {i, c};
  }
  return {};
}

ObjectHit HitObject(const HitScene& s, QPoint view) {
  const QPoint p = ViewToSlide(view, s.zoom);
  for (int i = s.doc.ObjCount() - 1; i >= 0; --i) {
    if (!OnSlide(s, i)) continue;
    const ObjectRecord& r = s.doc.Object(i);
    const std::vector<QPoint> pts = DrawnPoints(r);
    if (r.ObjClass == objclass::Image || r.ObjClass == objclass::DText) {
      if (InFrame(pts, p)) return {i, r.ObjClass};
    } else if (r.ObjClass == objclass::Figure) {
      if (const ObjectHit hit = HitFigure(s, i, view, p, pts); hit.Hit()) return hit;
    }
  }
  return {};
}

double EdgeReach(int futosa, float zoom) {
  return std::max(futosa * static_cast<double>(zoom), kMinEdgeReach / static_cast<double>(zoom));
}

std::array<QPoint, 8> TextBoxHandles(const Bounds& b) {
  return CMathSub::RectPoints(Bounds{b.left - 2, b.top - 2, b.right + 2, b.bottom + 5 + 2});
}

int HitTextBoxHandle(const Bounds& bounds, QPoint p) {
  const std::array<QPoint, 8> handles = TextBoxHandles(bounds);
  for (int h = 0; h < 8; ++h)
    if (InHandleSquare(handles[h], p)) return h;
  return -1;
}
