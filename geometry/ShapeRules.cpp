// The rule of each parametric kind, and the drag's frame round it: the
// outline rotated and zoomed, the rule applied, the slide checked, the
// result turned back into stored vertices.
#include "geometry/ShapeRules.h"

#include "geometry/Rotation.h"
#include "geometry/ShapeHandles.h"
#include "geometry/ShapeRuleKit.h"

namespace {

// The values stored outlines were built with.
constexpr double kThetaA = 1.5707963;
constexpr double kThetaB = 4.7123889;

bool InsideArea(const std::vector<QPoint>& pts, QSize area) {
  for (const QPoint& p : pts) {
    if (p.x() < 0 || p.y() < 0 || p.x() > area.width() || p.y() > area.height()) return false;
  }
  return true;
}

}  // namespace

RefAngles RefAnglesOf(bool flipH, bool flipV) {
  return flipH == flipV ? RefAngles{kThetaA, kThetaB} : RefAngles{kThetaB, kThetaA};
}

bool ApplyShapeRule(int kind, int handle, std::vector<QPoint>& pts, QPoint pointer,
                    const ShapeRuleContext& ctx) {
  using namespace shapekit;
  if (handle < 0 || handle >= ShapeHandleCount(kind)) return false;
  switch (kind) {
    case objkind::RoundRect: return RoundRectRule(pts, handle, pointer);
    case objkind::Ellipse: return EllipseRule(pts, handle, pointer, ctx.ref);
    case objkind::Star: return StarRule(pts, pointer);
    case objkind::Job: return JobRule(pts, pointer);
    case objkind::Memo: return MemoRule(pts, handle, pointer, ctx.ref);
    case objkind::Arrow: return ArrowRule(pts, handle, pointer, ctx.ref);
    case objkind::CurveLArrow: return CurveLArrowRule(pts, handle, pointer, ctx.ref);
    case objkind::CurveArrow: return CurveArrowRule(pts, handle, pointer, ctx.ref);
    case objkind::Cylinder: return CylinderRule(pts, pointer);
    case objkind::Cube: return CubeRule(pts, pointer);
    case objkind::Button: return ButtonRule(pts, pointer);
    case objkind::Pyramid: return PyramidRule(pts, pointer);
    case objkind::SlipRect:
    case objkind::SlipRound:
    case objkind::SlipCloud:
    case objkind::SlipSCloud: return BalloonTailRule(kind, pts, pointer, ctx);
    default: return false;
  }
}

std::optional<std::vector<QPoint>> ShapeHandleOutline(const ObjectRecord& rec, int handle, QPoint pointer,
                                                      QSize slide, float zoom) {
  if (rec.ObjClass != objclass::Figure) return std::nullopt;
  std::vector<QPoint> pts = RotatePoints(rec, zoom);
  ShapeRuleContext ctx;
  ctx.ref = RefAnglesOf(rec.FlipH != 0, rec.FlipV != 0);
  ctx.area = QSize(ToView(slide.width(), zoom), ToView(slide.height(), zoom));
  ctx.anchorCurve = rec.AnchorCurve != 0;
  if (!ApplyShapeRule(rec.ObjKind, handle, pts, pointer, ctx) || !InsideArea(pts, ctx.area)) return std::nullopt;
  return pts;
}

std::optional<ObjectRecord> DragShapeHandle(const ObjectRecord& rec, int handle, QPoint pointer, QSize slide,
                                            float zoom) {
  const std::optional<std::vector<QPoint>> outline = ShapeHandleOutline(rec, handle, pointer, slide, zoom);
  if (!outline) return std::nullopt;
  const std::vector<QPoint> stored = UnrotatePoints(rec, *outline, zoom);
  ObjectRecord out = rec;
  for (std::size_t i = 0; i < stored.size(); ++i) out.Points[i] = {stored[i].x(), stored[i].y()};
  return out;
}
