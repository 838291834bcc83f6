// The text box of each figure kind and its turned corners.
#include "render/TextBox.h"

#include <algorithm>
#include <optional>

#include "geometry/Angles.h"
#include "geometry/Rotation.h"

namespace {

// The four outline points that frame the text of a kind; none means all points.
std::optional<std::array<int, 4>> FramePoints(std::uint16_t kind) {
  using namespace objkind;
  switch (kind) {
    case Job: return std::array{1, 2, 5, 8};  // between the side bars
    case Arrow:
    case CurveLArrow: return std::array{0, 1, 5, 6};  // the shaft
    case CurveArrow: return std::array{0, 21, 15, 12};
    case Cylinder: return std::array{5, 8, 11, 12};  // the body under the top face
    case Memo:
    case Cube:
    case Button: return std::array{0, 1, 2, 3};
    case SlipRect: return std::array{9, 12, 6, 15};
    case SlipRound: return std::array{10, 11, 22, 23};
    case SlipCloud: return std::array{18, 30, 6, 42};
    case SlipSCloud: return std::array{9, 12, 15, 6};
    default: return std::nullopt;
  }
}

}  // namespace

Bounds TextBox(const ObjectRecord& r, std::span<const QPoint> points, float zoom) {
  const std::span<const QPoint> drawn =
      points.first(std::min<std::size_t>(points.size(), std::min<int>(r.PointNum, kMaxPoints)));
  Bounds box = CMathSub::BoundingRect(drawn);
  const std::optional<std::array<int, 4>> frame = FramePoints(r.ObjKind);
  // A damaged record may have fewer points than its kind needs: then all of them frame it.
  if (frame && *std::max_element(frame->begin(), frame->end()) < static_cast<int>(drawn.size())) {
    std::array<QPoint, 4> picked;
    for (std::size_t i = 0; i < picked.size(); ++i) picked[i] = drawn[(*frame)[i]];
    box = CMathSub::BoundingRect(picked);
  }
  const int least = ToView(30, zoom);
  if (box.right - box.left < least) box.right = box.left + least;
  if (box.bottom - box.top < least) box.bottom = box.top + least;
  return box;
}

TextMargins MarginsOf(const ObjectRecord& r, float zoom) {
  return {ToView(r.MarginL, zoom), ToView(r.MarginT, zoom), ToView(r.MarginR, zoom),
          ToView(r.MarginB, zoom)};
}

std::array<QPoint, 4> TurnedBox(const Bounds& box, const TextMargins& m, double angle) {
  const int left = box.left + m.left;
  const int top = box.top + m.top;
  const int w = box.right - m.right - left;
  const int h = box.bottom - m.bottom - top;
  const QPoint centre(left + w / 2, top + h / 2);
  const std::array<QPoint, 4> upright{QPoint(left, top), QPoint(left + w - 1, top),
                                      QPoint(left + w - 1, top + h - 1), QPoint(left, top + h - 1)};
  // Stored angles run counter-clockwise on screen; RotatePoint turns clockwise.
  const double turn = angle == 0.0 ? 0.0 : kTwoPi - angle;
  std::array<QPoint, 4> corners;
  for (std::size_t i = 0; i < corners.size(); ++i)
    corners[i] = CMathSub::RotatePoint(centre, upright[i], turn);
  return corners;
}
