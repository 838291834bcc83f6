// The outline each figure kind and variant gets when it is created.
#include "geometry/DefaultOutline.h"

#include <climits>
#include <iterator>
#include <span>

#include "geometry/Angles.h"
#include "geometry/MathSub.h"

namespace {

struct Offset {
  int dx;
  int dy;
};

// Placeholders filled after the table is copied: kThird marks the two controls
// that make a straight segment between their anchors, kRepeat copies the point
// two places before (a cloud bump starts where the previous one ended).
constexpr int kThirdMark = INT_MIN;
constexpr int kRepeatMark = INT_MIN + 1;
constexpr Offset T{kThirdMark, 0};
constexpr Offset R{kRepeatMark, 0};

constexpr Offset kLineStraight[] = {{-100, -100}, {-50, -50}, {50, 50}, {100, 100}};
constexpr Offset kLineCurve[] = {{-100, 25}, {-75, -5}, {-50, -25}, {0, -25},
                                 {50, -25},  {75, -5},  {100, 25}};
constexpr Offset kLineElbow[] = {{-100, 50}, {-100, 0}, {-50, 0}, {0, 0},
                                 {50, 0},    {100, 0},  {100, -50}};
constexpr Offset kTriangle[] = {{0, -50}, {100, 50}, {-100, 50}};
constexpr Offset kSquare[] = {{-100, -100}, {100, -100}, {100, 100}, {-100, 100}};
constexpr Offset kTextBox[] = {{-100, -50}, {100, -50}, {100, 50}, {-100, 50}};
constexpr Offset kRoundRect[] = {{-150, -100}, {-130, -100}, {130, -100}, {150, -100},
                                 {150, -80},   {150, 80},    {150, 100},  {130, 100},
                                 {-130, 100},  {-150, 100},  {-150, 80},  {-150, -80}};
constexpr Offset kCircle[] = {{0, -100},  {65, -100},  {100, -65},  {100, 0},  {100, 65},
                              {65, 100},  {0, 100},    {-65, 100},  {-100, 65}, {-100, 0},
                              {-100, -65}, {-65, -100}, {0, -100}};
constexpr Offset kEllipse[] = {{0, -100},  {65, -100},  {150, -65},  {150, 0},  {150, 65},
                               {65, 100},  {0, 100},    {-65, 100},  {-150, 65}, {-150, 0},
                               {-150, -65}, {-65, -100}, {0, -100}};
constexpr Offset kJob[] = {{-100, -50}, {-80, -50}, {80, -50}, {100, -50}, {100, 50}, {80, 50},
                           {80, -50},   {80, 50},   {-80, 50}, {-80, -50}, {-80, 50}, {-100, 50}};
constexpr Offset kMemo[] = {{50, 50}, {-100, 50}, {-100, -50}, {100, -50},
                            {100, 0}, {30, 30},   {45, 35},    {50, 40}};
constexpr Offset kArrow[] = {{-100, -50}, {0, -50}, {0, -100}, {100, 0},
                             {0, 100},    {0, 50},  {-100, 50}};
constexpr Offset kCurveLArrow[] = {{-150, -50}, {50, -50},  {50, -100}, {150, 0},   {50, 100},
                                   {50, 50},    {-50, 50},  {-50, 150}, {-150, 150}};
// One anchor and the two controls that follow it per line.
constexpr Offset kCurveArrow[] = {
    {0, -50},     T,          T,
    {0, -100},    T,          T,
    {100, 0},     T,          T,
    {0, 100},     T,          T,
    {0, 50},      T,          T,
    {-100, 50},   {-166, 60}, {-232, 80},
    {-300, 150},  {-232, 10}, {-166, -40},
    {-100, -50},  {-66, -50}, {-33, -50}};
constexpr Offset kCylinder[] = {{-100, -100}, {-80, -130}, {80, -130}, {100, -100},
                                {80, -70},    {-80, -70},  {-100, -100}, {-100, -30},
                                {-100, 30},   {-100, 100}, {-80, 130},  {80, 130},
                                {100, 100},   {100, 30},   {100, -30},  {100, -100}};
constexpr Offset kCube[] = {{-50, 75},  {150, 0},   {50, -50},  {-150, 25}, {-50, 75},  {-150, 25},
                            {-150, 100}, {-50, 150}, {-50, 75},  {-50, 150}, {150, 75}, {150, 0}};
constexpr Offset kButton[] = {{-150, 100}, {150, 100},  {150, -100}, {-150, -100}, {-150, 100},
                              {-180, 130}, {-180, -130}, {-150, -100}, {-180, -130}, {180, -130},
                              {150, -100}, {180, -130}, {180, 130},  {150, 100},   {180, 130},
                              {-180, 130}, {-150, 100}};
constexpr Offset kPyramid[] = {{0, 150}, {0, -150}, {150, 50}, {0, 150}, {-150, 100}, {0, -150}};
constexpr Offset kSlipRect[] = {
    {-150, 150}, T, T,
    {-75, 100},  T, T,
    {-150, 100}, T, T,
    {-150, -100}, T, T,
    {150, -100}, T, T,
    {150, 100},  T, T,
    {0, 100},    T, T};
constexpr Offset kSlipRound[] = {
    {-150, 150}, {-125, 134}, {-100, 116}, {-75, 100},  {-125, 100}, {-150, 84},
    {-150, 50},  {-150, 25},  {-150, -25}, {-150, -50}, {-150, -84}, {-125, -100},
    {-75, -100}, {-25, -100}, {25, -100},  {75, -100},  {125, -100}, {150, -84},
    {150, -50},  {150, -25},  {150, 25},   {150, 50},   {150, 84},   {125, 100},
    {75, 100},   {50, 100},   {25, 100},   {0, 100},    {-50, 116},  {-100, 134}};
constexpr Offset kSlipCloud[] = {
    {-150, 200},  T, T,
    {-75, 100},   R, {-225, 150},
    {-150, 100},  R, {-225, 50},
    {-150, 50},   R, {-225, 0},
    {-150, 0},    R, {-225, -50},
    {-150, -50},  R, {-225, -150},
    {-150, -100}, R, {-75, -150},
    {-75, -100},  R, {0, -150},
    {0, -100},    R, {75, -150},
    {75, -100},   R, {225, -150},
    {150, -100},  R, {225, -50},
    {150, -50},   R, {225, 0},
    {150, 0},     R, {225, 50},
    {150, 50},    R, {225, 150},
    {150, 100},   R, {75, 150},
    {75, 100},    R, {-75, 150},
    {0, 100},     R, {-112, 175}};
constexpr Offset kSlipSCloud[] = {
    {-150, 166}, T,           T,
    {-25, 66},   {-112, 100}, {-112, 0},
    {-75, 0},    {-150, 0},   {-150, -100},
    {0, -100},   {150, -100}, {150, 0},
    {75, 0},     {112, 0},    {112, 100},
    {25, 66},    T,           T};

// Vertex counts the rest of the program relies on (handles, stroke rules).
static_assert(std::size(kRoundRect) == 12 && std::size(kCircle) == 13 && std::size(kEllipse) == 13);
static_assert(std::size(kJob) == 12 && std::size(kMemo) == 8 && std::size(kArrow) == 7);
static_assert(std::size(kCurveLArrow) == 9 && std::size(kCurveArrow) == 24);
static_assert(std::size(kCylinder) == 16 && std::size(kCube) == 12 && std::size(kButton) == 17);
static_assert(std::size(kPyramid) == 6 && std::size(kSlipRect) == 21 && std::size(kSlipRound) == 30);
static_assert(std::size(kSlipCloud) == 51 && std::size(kSlipSCloud) == 18);

struct Template {
  std::span<const Offset> points;
  bool curved;
};

std::optional<Template> FixedTemplate(int kind, int variant) {
  switch (kind) {
    case objkind::Line:
      if (variant == 0 || variant == 1) return Template{kLineStraight, false};
      if (variant == 2 || variant == 3) return Template{kLineCurve, true};
      if (variant == 4 || variant == 5) return Template{kLineElbow, false};
      return std::nullopt;
    case objkind::Polygon:
      if (variant == 6) return Template{kTriangle, false};
      if (variant == 7) return Template{kSquare, false};
      if (variant == 8) return Template{kTextBox, false};
      return std::nullopt;
    case objkind::RoundRect: return Template{kRoundRect, false};
    case objkind::Ellipse: return Template{variant == 11 ? kEllipse : kCircle, false};
    case objkind::Job: return Template{kJob, false};
    case objkind::Memo: return Template{kMemo, false};
    case objkind::Arrow: return Template{kArrow, false};
    case objkind::CurveLArrow: return Template{kCurveLArrow, false};
    case objkind::CurveArrow: return Template{kCurveArrow, true};
    case objkind::Cylinder: return Template{kCylinder, false};
    case objkind::Cube: return Template{kCube, false};
    case objkind::Button: return Template{kButton, false};
    case objkind::Pyramid: return Template{kPyramid, false};
    case objkind::SlipRect: return Template{kSlipRect, true};
    case objkind::SlipRound: return Template{kSlipRound, true};
    case objkind::SlipCloud: return Template{kSlipCloud, true};
    case objkind::SlipSCloud: return Template{kSlipSCloud, true};
    default: return std::nullopt;
  }
}

// Offsets with their placeholders resolved; the segment after the last anchor
// of a closed curved list runs back to vertex 0.
std::vector<QPoint> Resolve(std::span<const Offset> table) {
  const int n = static_cast<int>(table.size());
  std::vector<QPoint> pts;
  pts.reserve(n);
  for (const Offset& o : table) pts.emplace_back(o.dx, o.dy);
  for (int i = 1; i + 1 < n; i += 3) {
    if (table[i].dx != kThirdMark) continue;
    const auto [c1, c2] = CMathSub::ThirdPoints(pts[i - 1], pts[(i + 2) % n]);
    pts[i] = c1;
    pts[i + 1] = c2;
  }
  for (int i = 2; i < n; ++i) {
    if (table[i].dx == kRepeatMark) pts[i] = pts[i - 2];
  }
  return pts;
}

// n points on a circle of radius 100 starting at the top, clockwise on screen;
// a star puts n more on radius 50 half a step further.
std::vector<QPoint> RegularPoints(int n, bool star) {
  std::vector<QPoint> pts;
  const QPoint origin(0, 0);
  for (int k = 0; k < n; ++k) {
    const double a = k * kTwoPi / n;
    pts.push_back(CMathSub::RotatePoint(origin, {0, -100}, a));
    if (star) pts.push_back(CMathSub::RotatePoint(origin, {0, -50}, a + kPi / n));
  }
  return pts;
}

std::optional<DefaultShape> ShapeAtOrigin(int kind, int variant, int n) {
  if (const std::optional<Template> t = FixedTemplate(kind, variant)) {
    return DefaultShape{Resolve(t->points), t->curved};
  }
  if (kind == objkind::Polygon || kind == objkind::Star) {
    const bool star = kind == objkind::Star;
    // Dialog limits differ between callers; the record's capacity is the hard one.
    if (n < 3 || n > (star ? kMaxPoints / 2 : kMaxPoints)) return std::nullopt;
    return DefaultShape{RegularPoints(n, star), false};
  }
  return std::nullopt;
}

}  // namespace

std::optional<DefaultShape> DefaultOutline(int kind, int variant, int n, QPoint centre) {
  std::optional<DefaultShape> shape = ShapeAtOrigin(kind, variant, n);
  if (!shape) return std::nullopt;
  for (QPoint& p : shape->points) p += centre;
  return shape;
}

bool DefaultOutline(ObjectRecord& rec, int variant, int n) {
  const std::optional<DefaultShape> shape =
      DefaultOutline(rec.ObjKind, variant, n, QPoint(rec.CenterX, rec.CenterY));
  if (!shape || shape->points.size() > static_cast<std::size_t>(kMaxPoints)) return false;
  const int count = static_cast<int>(shape->points.size());
  for (int i = 0; i < count; ++i) rec.Points[i] = {shape->points[i].x(), shape->points[i].y()};
  rec.PointNum = static_cast<std::uint16_t>(count);
  rec.Curve = shape->curved ? 1 : 0;
  return true;
}
