// The faces of a figure: a barrier in the fill colour keeps the exterior flood out, each
// face is flooded from its seed, and the exterior is made transparent again.
#include <algorithm>
#include <array>
#include <optional>

#include "core/Records.h"
#include "geometry/Contours.h"
#include "geometry/MathSub.h"
#include "geometry/Rotation.h"
#include "geometry/StrokePath.h"
#include "render/CharaText.h"
#include "render/FigureStyle.h"
#include "render/Gradient.h"
#include "render/LinePens.h"
#include "render/RenderContext.h"
#include "render/gdi/Dc.h"

namespace {

using Points = std::span<const QPoint>;

// A seed: Mid(pa, pb), or Mid(Mid(pa, pb), pc) when c is not -1; a = -1 is the buffer's centre.
struct Seed {
  int a, b, c = -1;
};
constexpr Seed kCentre{-1, -1};

struct FaceSeeds {
  std::uint16_t kind;
  std::array<Seed, 3> interior;  // unused entries have a = b = 0
  std::array<Seed, 2> second;
};

// Solid figures have their lit faces in the fill colour and their shaded ones in the
// second colour; the faces are fixed by the outline, whatever the light direction.
constexpr FaceSeeds kFaceSeeds[] = {
    {objkind::RoundRect, {kCentre}, {}},
    {objkind::Ellipse, {kCentre}, {}},
    {objkind::Star, {Seed{1, 3}}, {}},
    {objkind::Job, {Seed{1, 5}}, {Seed{0, 8}, Seed{2, 4}}},
    {objkind::Memo, {Seed{2, 5}}, {Seed{6, 7, 4}}},
    {objkind::Arrow, {Seed{1, 5}}, {}},
    {objkind::CurveLArrow, {Seed{1, 5}}, {}},
    {objkind::CurveArrow, {Seed{0, 12}}, {}},
    {objkind::Cylinder, {Seed{5, 11}}, {Seed{0, 3}}},
    {objkind::Cube, {Seed{0, 2}}, {Seed{1, 7}, Seed{3, 7}}},
    {objkind::Button, {Seed{0, 2}, Seed{0, 6}, Seed{6, 2}}, {Seed{0, 12}, Seed{1, 9}}},
    {objkind::Pyramid, {Seed{0, 4, 1}}, {Seed{0, 2, 1}}},
    {objkind::SlipRect, {Seed{9, 15}}, {}},
    {objkind::SlipRound, {Seed{6, 18}}, {}},
    {objkind::SlipCloud, {Seed{12, 36}}, {}},
    {objkind::SlipSCloud, {Seed{6, 12}}, {}},
};

bool IsUsed(const Seed& s) { return s.a != 0 || s.b != 0; }

std::optional<QPoint> SeedPoint(const Seed& s, Points p, QSize buffer) {
  if (s.a < 0) return QPoint(buffer.width() / 2, buffer.height() / 2);
  const int n = static_cast<int>(p.size());
  if (s.a >= n || s.b >= n || s.c >= n) return std::nullopt;
  const QPoint m = CMathSub::MidPoint(p[s.a], p[s.b]);
  return s.c < 0 ? m : CMathSub::MidPoint(m, p[s.c]);
}

const FaceSeeds* SeedsOf(std::uint16_t kind) {
  for (const FaceSeeds& f : kFaceSeeds)
    if (f.kind == kind) return &f;
  return nullptr;
}

// False when an index lies beyond the outline: a damaged figure takes the general scan.
bool FloodSeeds(gdi::Dc& dc, const FaceSeeds& seeds, Points p, COLORREF fill, const gdi::Brush& interior,
                COLORREF second) {
  const QSize size = dc.Surface().size();
  for (const auto& group : {std::span<const Seed>(seeds.interior), std::span<const Seed>(seeds.second)})
    for (const Seed& s : group)
      if (IsUsed(s) && !SeedPoint(s, p, size)) return false;
  auto flood = [&](std::span<const Seed> group, const gdi::Brush& brush) {
    dc.SelectBrush(brush);
    for (const Seed& s : group) {
      if (!IsUsed(s)) continue;
      const QPoint at = *SeedPoint(s, p, size);
      dc.FloodFill(at.x(), at.y(), fill);
    }
  };
  flood(seeds.interior, interior);
  flood(seeds.second, {second});
  return true;
}

// Polygons and other free outlines: a seed just inside each edge. The vertices' turn
// (reversed by mirroring the figure once) says which side is inside; an outline drawn the
// other way round has its inside on the other side, which is tried when the first lies
// outside.
void FloodEdgeSeeds(gdi::Dc& dc, const ObjectRecord& r, float zoom, Points p, COLORREF fill) {
  const int n = static_cast<int>(p.size());
  const bool curved = r.Curve != 0;
  if (curved && n == 3) {
    dc.FloodFill((p[0].x() + p[1].x() + p[2].x()) / 3, (p[0].y() + p[1].y() + p[2].y()) / 3, fill);
    return;
  }
  const int d = std::clamp(ToView(dc.Surface().width() / 50, zoom), 3, 8);
  const int step = curved ? 3 : 1;
  const bool inward = (r.FlipH != 0) == (r.FlipV != 0);
  // Each contour on its own: a character's holes are outside.
  auto inside = [&](QPoint s) { return PointInContours(p, curved, s); };
  auto fillable = [&](QPoint s) { return dc.GetPixel(s.x(), s.y()) == kTransKey && inside(s); };
  QPoint prev(0, 0);
  for (int i = 0; i + step < n; i += step) {
    if (prev != QPoint(0, 0) && CMathSub::Trunc(CMathSub::Distance(p[i], prev)) < 3) continue;
    const QPoint a = inward ? p[i] : p[i + step];
    const QPoint b = inward ? p[i + step] : p[i];
    QPoint seed = CMathSub::OffsetFromEdge(d, a, b);
    if (!inside(seed)) seed = CMathSub::OffsetFromEdge(d, b, a);
    if (fillable(seed)) dc.FloodFill(seed.x(), seed.y(), fill);
    prev = p[i];
  }
}

// The brush of the interior faces; the fill colour when the gradient cannot be made.
gdi::Brush InteriorBrush(const ObjectRecord& r, const RenderContext& ctx, QSize buffer, Points outline,
                         COLORREF fill) {
  if (r.GradePattern != -1) {
    // The faces lie inside the outline's bounds, the barrier's pixel beyond them included.
    const Bounds b = CMathSub::BoundingRect(outline);
    const QRect faces = QRect(QPoint(b.left, b.top), QPoint(b.right, b.bottom)).adjusted(-2, -2, 2, 2);
    std::optional<QImage> scratch = GradientForObject(r, buffer, faces);
    if (!scratch) return {fill};
    if (HasCharaText(r)) TileCharaText(*scratch, r, ctx.zoom, ctx.printer);
    return gdi::Brush::Pattern(*scratch);
  }
  if (!HasCharaText(r)) return {fill};
  QImage scratch(buffer, QImage::Format_RGB32);
  if (scratch.isNull()) return {fill};
  scratch.fill(gdi::ToQRgb(fill));
  TileCharaText(scratch, r, ctx.zoom, ctx.printer);
  return gdi::Brush::Pattern(scratch);
}

// Where a figure drawn with no colour must still leave a mark, the mark is one no real
// colour can match.
COLORREF Ink(COLORREF c) { return c == kNoColor ? gdi::kNoColorInk : c; }

}  // namespace

COLORREF EffectiveFill(const ObjectRecord& r) {
  return r.refMen == kNoColor && HasCharaText(r) ? kWhite : r.refMen;
}

void PaintFaces(gdi::Dc& buffer, const ObjectRecord& r, const RenderContext& ctx, Points outline,
                std::span<const PathPiece> path) {
  const COLORREF fill = EffectiveFill(r);
  if (r.ObjKind == objkind::Line || fill == kNoColor) return;
  const std::array<QPoint, kGradeColours> corners = ReferencePoints(buffer.Surface().rect());
  const COLORREF exterior = Ink(r.refLine);

  DrawPieces(buffer, path, {gdi::PenStyle::Solid, 2, fill});
  buffer.SelectBrush({exterior});
  for (int i = 0; i < kGradeColours; ++i)
    if (i != 8 && buffer.GetPixel(corners[i].x(), corners[i].y()) == kTransKey)
      buffer.FloodFill(corners[i].x(), corners[i].y(), fill);

  const gdi::Brush interior = InteriorBrush(r, ctx, buffer.Surface().size(), outline, fill);
  const FaceSeeds* seeds = SeedsOf(r.ObjKind);
  if (!seeds || !FloodSeeds(buffer, *seeds, outline, fill, interior, r.refSecondMen)) {
    buffer.SelectBrush(interior);
    FloodEdgeSeeds(buffer, r, ctx.zoom, outline, fill);
  }

  // The seam parts faces of the line's colour from the exterior, so restoring the exterior
  // cannot run into them. Without a line the exterior is no-colour ink, which no face can
  // match; a seam would only leave a see-through ring round the figure.
  if (r.refLine != kNoColor) {
    StrokePass seam = StrokePasses(r.LineStyle, 1, gdi::kNoColorInk, ctx.zoom).front();
    seam.width = std::max(1, ctx.Scale(1));
    DrawPieces(buffer, path, seam);
    // A thin stroke leaves out each piece's last pixel; where pieces meet end to start, as
    // the rounded rectangle's edges and corners do, that pixel would be a gap in the seam.
    for (const PathPiece& piece : path)
      if (!piece.points.empty()) buffer.SetPixel(piece.points.back().x(), piece.points.back().y(), seam.colour);
  }
  buffer.SelectBrush({kTransKey});
  for (int i = 0; i < kGradeColours; ++i)
    if (i != 8 && buffer.GetPixel(corners[i].x(), corners[i].y()) == r.refLine)
      buffer.ExtFloodFill(corners[i].x(), corners[i].y(), r.refLine, gdi::FloodType::Surface);
}

