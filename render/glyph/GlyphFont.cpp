#include "render/glyph/GlyphFont.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_FONT_FORMATS_H
#include FT_OUTLINE_H
#include FT_TRUETYPE_TABLES_H

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>

#include "render/glyph/GlyphToBlocks.h"
#include "render/glyph/NativeOutline.h"

namespace {

using native::FixedPoint;

// The usual slant of made-up italics, as a shear of x by y (0x366A / 0x10000).
constexpr double kObliqueShear = 0.2126;
// Many prepared glyphs are a few kilobytes each; a long session keeps them bounded.
constexpr std::size_t kMaxPrepared = 4096;
// Beyond this em size a glyph is far larger than any screen or page; a damaged
// font size must not ask for a mask of gigabytes.
constexpr int kMaxPreparedPixels = 8192;

// cos and sin of whole degrees, exact for the quarter turns.
std::pair<double, double> CosSin(int degrees) {
  switch ((degrees % 360 + 360) % 360) {
    case 0: return {1, 0};
    case 90: return {0, 1};
    case 180: return {-1, 0};
    case 270: return {0, -1};
    default: {
      const double a = degrees * 3.14159265358979323846 / 180;
      return {std::cos(a), std::sin(a)};
    }
  }
}

std::int32_t ToFixed(double pixels) {
  return static_cast<std::int32_t>(std::clamp(std::llround(pixels * 65536.0), -(1LL << 30), 1LL << 30));
}

int FloorDiv64(long v) { return static_cast<int>(v >= 0 ? v / 64 : -((-v + 63) / 64)); }
int CeilDiv64(long v) { return static_cast<int>(v >= 0 ? (v + 63) / 64 : -(-v / 64)); }

}  // namespace

// A glyph in font units (y up), after made-up bold and italic.
struct GlyphFont::Unscaled {
  std::vector<FT_Vector> points;
  std::vector<std::uint8_t> onCurve;
  std::vector<int> contourEnds;
  long advance = 0;
  bool hasOutline = false;
};

std::size_t GlyphFont::KeyHash::operator()(const Key& k) const {
  std::size_t h = k.ch;
  h = h * 1000003u ^ static_cast<std::size_t>(k.t.pixelSize);
  h = h * 1000003u ^ static_cast<std::size_t>(k.t.degrees);
  return h * 4 + (k.t.flipH ? 2 : 0) + (k.t.flipV ? 1 : 0);
}

std::unique_ptr<GlyphFont> GlyphFont::Open(FT_LibraryRec_* library, const FontFile& file, bool boldWanted,
                                           bool italicWanted) {
  FT_Face face = nullptr;
  if (FT_New_Face(library, file.path.toLocal8Bit().constData(), file.index, &face) != 0) return nullptr;
  if (face->units_per_EM == 0) {
    FT_Done_Face(face);
    return nullptr;
  }
  return std::unique_ptr<GlyphFont>(
      new GlyphFont(face, boldWanted && !file.bold, italicWanted && !file.italic, file.family));
}

GlyphFont::GlyphFont(FT_FaceRec_* face, bool embolden, bool oblique, QString family)
    : face_(face), embolden_(embolden), oblique_(oblique), family_(std::move(family)) {}

GlyphFont::~GlyphFont() { FT_Done_Face(face_); }

bool GlyphFont::HasQuadraticOutlines() const {
  const char* format = FT_Get_Font_Format(face_);
  return format && std::strcmp(format, "TrueType") == 0;
}

const GlyphFont::Unscaled* GlyphFont::Load(char32_t ch) {
  if (const auto it = unscaled_.find(ch); it != unscaled_.end()) return it->second.get();
  auto g = std::make_unique<Unscaled>();
  const FT_UInt index = ch == 0 ? 0 : FT_Get_Char_Index(face_, ch);
  if (FT_Load_Glyph(face_, index, FT_LOAD_NO_SCALE | FT_LOAD_NO_HINTING | FT_LOAD_NO_BITMAP) == 0) {
    FT_GlyphSlot slot = face_->glyph;
    FT_Outline& o = slot->outline;
    g->advance = slot->advance.x;
    if (slot->format == FT_GLYPH_FORMAT_OUTLINE && o.n_points > 0) {
      if (embolden_) {
        const FT_Pos strength = face_->units_per_EM / 24;
        FT_Outline_Embolden(&o, strength);
        g->advance += strength;
      }
      if (oblique_) {
        FT_Matrix shear{0x10000, static_cast<FT_Fixed>(kObliqueShear * 0x10000), 0, 0x10000};
        FT_Outline_Transform(&o, &shear);
      }
      g->points.assign(o.points, o.points + o.n_points);
      for (int i = 0; i < o.n_points; ++i) g->onCurve.push_back((o.tags[i] & FT_CURVE_TAG_ON) != 0);
      g->contourEnds.assign(o.contours, o.contours + o.n_contours);
      g->hasOutline = true;
    }
  }
  return unscaled_.emplace(ch, std::move(g)).first->second.get();
}

namespace {

std::vector<FixedPoint> Place(const std::vector<FT_Vector>& points, double scale, const GlyphTransform& t) {
  const auto [c, s] = CosSin(t.degrees);
  std::vector<FixedPoint> out;
  out.reserve(points.size());
  for (const FT_Vector& v : points) {
    double x = static_cast<double>(v.x) * scale;
    double y = static_cast<double>(v.y) * scale;
    if (t.flipH) x = -x;
    if (t.flipV) y = -y;
    out.push_back({ToFixed(x * c - y * s), ToFixed(x * s + y * c)});
  }
  return out;
}

FixedPoint Mid(FixedPoint a, FixedPoint b) {
  return {static_cast<std::int32_t>((std::int64_t{a.x} + b.x) / 2),
          static_cast<std::int32_t>((std::int64_t{a.y} + b.y) / 2)};
}

// One contour as records: runs of on-curve points become line records, control
// points up to the next on-curve point spline records; the closing line stays implied.
void WriteContour(native::Writer& w, std::span<const FixedPoint> p, std::span<const std::uint8_t> on) {
  const int n = static_cast<int>(p.size());
  int first = 0;
  while (first < n && !on[first]) ++first;
  const FixedPoint start = first < n ? p[first] : Mid(p[n - 1], p[0]);
  const int from = first < n ? first + 1 : 0;
  w.BeginContour(start);
  std::vector<FixedPoint> run;
  bool spline = false;
  auto flush = [&] {
    if (!run.empty()) w.AddRecord(spline ? native::kQSpline : native::kLine, run);
    run.clear();
  };
  for (int k = 0; k < n - (first < n ? 1 : 0); ++k) {
    const int i = (from + k) % n;
    if (on[i]) {
      run.push_back(p[i]);
      if (spline) {
        flush();
        spline = false;
      }
    } else {
      if (!spline) flush();
      spline = true;
      run.push_back(p[i]);
    }
  }
  if (spline) run.push_back(start);
  flush();
}

}  // namespace

QByteArray GlyphFont::NativeOutline(char32_t ch, const GlyphTransform& t) {
  const Unscaled* g = Load(ch);
  if (!g->hasOutline || t.pixelSize <= 0) return {};
  const double scale = static_cast<double>(t.pixelSize) / face_->units_per_EM;
  const std::vector<FixedPoint> placed = Place(g->points, scale, t);
  native::Writer w;
  int begin = 0;
  for (const int end : g->contourEnds) {
    if (end < begin || end >= static_cast<int>(placed.size())) break;
    const std::size_t count = end - begin + 1;
    WriteContour(w, std::span(placed).subspan(begin, count), std::span(g->onCurve).subspan(begin, count));
    begin = end + 1;
  }
  return w.Bytes();
}

namespace {

struct PixelBox {
  int left, top, right, bottom;  // inclusive, y downward
};

// Every pixel the glyph can cover and every rounded outline point lies inside.
PixelBox BoxOf(const std::vector<FixedPoint>& placed, const std::vector<QPoint>& blocks) {
  PixelBox b{INT32_MAX, INT32_MAX, INT32_MIN, INT32_MIN};
  for (const FixedPoint& p : placed) {
    const long x = (long{p.x} + 512) >> 10;  // 26.6, as the rasteriser sees it
    const long y = (long{p.y} + 512) >> 10;
    b.left = std::min(b.left, FloorDiv64(x));
    b.right = std::max(b.right, CeilDiv64(x));
    b.top = std::min(b.top, FloorDiv64(-y));
    b.bottom = std::max(b.bottom, CeilDiv64(-y));
  }
  for (const QPoint& p : blocks) {
    b.left = std::min(b.left, p.x());
    b.right = std::max(b.right, p.x());
    b.top = std::min(b.top, p.y());
    b.bottom = std::max(b.bottom, p.y());
  }
  return b;
}

// The coverage of the outline, rendered with the non-zero rule of TrueType glyphs.
QImage RenderMask(FT_Library library, const std::vector<FixedPoint>& placed,
                  const std::vector<std::uint8_t>& onCurve, const std::vector<int>& ends,
                  const PixelBox& box) {
  QImage mask(box.right - box.left + 1, box.bottom - box.top + 1, QImage::Format_Grayscale8);
  if (mask.isNull()) return mask;
  mask.fill(0);
  std::vector<FT_Vector> points(placed.size());
  std::vector<char> tags(placed.size());
  std::vector<short> contours(ends.begin(), ends.end());
  for (std::size_t i = 0; i < placed.size(); ++i) {
    points[i] = {((long{placed[i].x} + 512) >> 10) - 64L * box.left,
                 ((long{placed[i].y} + 512) >> 10) + 64L * (box.top + mask.height())};
    tags[i] = onCurve[i] ? FT_CURVE_TAG_ON : FT_CURVE_TAG_CONIC;
  }
  FT_Outline outline{};
  outline.n_points = static_cast<short>(points.size());
  outline.n_contours = static_cast<short>(contours.size());
  outline.points = points.data();
  outline.tags = tags.data();
  outline.contours = contours.data();
  FT_Bitmap bitmap{};
  bitmap.rows = static_cast<unsigned>(mask.height());
  bitmap.width = static_cast<unsigned>(mask.width());
  bitmap.pitch = static_cast<int>(mask.bytesPerLine());
  bitmap.buffer = mask.bits();
  bitmap.num_grays = 256;
  bitmap.pixel_mode = FT_PIXEL_MODE_GRAY;
  FT_Outline_Get_Bitmap(library, &outline, &bitmap);
  return mask;
}

}  // namespace

const PreparedGlyph* GlyphFont::Prepare(char32_t ch, const GlyphTransform& t) {
  const Key key{ch, t};
  if (const auto it = prepared_.find(key); it != prepared_.end()) return it->second.get();
  if (prepared_.size() >= kMaxPrepared) prepared_.clear();
  std::unique_ptr<PreparedGlyph> out;
  const Unscaled* g = Load(ch);
  if (g->hasOutline && t.pixelSize > 0 && t.pixelSize <= kMaxPreparedPixels && g->points.size() < 32768) {
    BlockList blocks = GlyphToBlocks(NativeOutline(ch, t));
    if (!blocks.points.empty()) {
      const double scale = static_cast<double>(t.pixelSize) / face_->units_per_EM;
      const std::vector<FixedPoint> placed = Place(g->points, scale, t);
      const PixelBox box = BoxOf(placed, blocks.points);
      out = std::make_unique<PreparedGlyph>();
      out->mask = RenderMask(face_->glyph->library, placed, g->onCurve, g->contourEnds, box);
      out->size = out->mask.size();
      for (QPoint& p : blocks.points) p -= QPoint(box.left, box.top);
      out->blocks = std::move(blocks.points);
      out->contours = blocks.contours;
      if (out->mask.isNull()) out.reset();
    }
  }
  return prepared_.emplace(key, std::move(out)).first->second.get();
}

int GlyphFont::Advance(char32_t ch, int pixelSize) {
  const Unscaled* g = Load(ch);
  return static_cast<int>(std::lround(static_cast<double>(g->advance) * pixelSize / face_->units_per_EM));
}

int GlyphFont::Height(int pixelSize) const {
  long ascent = face_->ascender;
  long descent = -face_->descender;
  if (const auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(face_, FT_SFNT_OS2));
      os2 && os2->usWinAscent + os2->usWinDescent > 0) {
    ascent = os2->usWinAscent;
    descent = os2->usWinDescent;
  }
  return static_cast<int>(std::lround(static_cast<double>(ascent + descent) * pixelSize / face_->units_per_EM));
}
