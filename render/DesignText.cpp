#include "render/DesignText.h"

#include "core/Document.h"
#include "geometry/StrokePath.h"
#include "render/CharaText.h"
#include "render/DesignTextFit.h"
#include "render/FigureStyle.h"
#include "render/Gradient.h"
#include "render/LinePens.h"
#include "render/gdi/Blit.h"
#include "render/gdi/Dc.h"
#include "render/gdi/Pixels.h"
#include "render/glyph/GlyphCache.h"

namespace {

// Black lines are drawn a shade off black, as design text always has been.
COLORREF LineDrawColor(COLORREF line) { return line == 0 ? 0x000800 : line; }

bool OutlineOnly(const ObjectRecord& r) {
  return r.refMen == kNoColor && r.GradePattern == -1 && !HasCharaText(r);
}

std::vector<PathPiece> GlyphPath(const std::vector<QPoint>& blocks, QPoint offset) {
  std::vector<QPoint> pts = blocks;
  for (QPoint& p : pts) p += offset;
  StrokeInput in;
  in.kind = objkind::Char;
  in.points = pts;
  in.curved = true;
  return StrokeOutline(in);
}

void StrokeGlyph(gdi::Dc& dc, const ObjectRecord& r, float zoom, const std::vector<QPoint>& blocks,
                 QPoint offset) {
  const std::vector<PathPiece> path = GlyphPath(blocks, offset);
  for (const StrokePass& pass : StrokePasses(r.LineStyle, r.Futosa, LineDrawColor(r.refLine), zoom))
    DrawPieces(dc, path, pass);
}

// Pixels the glyph does not cover get no colour, so that every real colour, black
// included, can fill it.
void ApplyMask(QImage& work, const QImage& mask, QPoint at) {
  for (int y = 0; y < work.height(); ++y) {
    QRgb* row = gdi::Row(work, y);
    const int my = y - at.y();
    const uchar* m = my >= 0 && my < mask.height() ? mask.constScanLine(my) : nullptr;
    for (int x = 0; x < work.width(); ++x) {
      const int mx = x - at.x();
      if (!m || mx < 0 || mx >= mask.width() || m[mx] == 0) row[x] = gdi::kNoColorPixel;
    }
  }
}

// The fill under the characters: the gradient or the fill colour (none for -1).
QImage FillFor(const ObjectRecord& r, QSize size) {
  if (r.GradePattern != -1)
    if (std::optional<QImage> g = GradientForObject(r, size, QRect(QPoint(0, 0), size))) return *g;
  QImage work(size, QImage::Format_RGB32);
  if (!work.isNull()) work.fill(gdi::ToQRgb(r.refMen));
  return work;
}

}  // namespace

CDrawDText::CDrawDText(gdi::Dc& target, const Document& doc, const RenderContext& ctx)
    : target_(target), doc_(doc), ctx_(ctx) {}

CDrawDText::~CDrawDText() = default;

bool CDrawDText::Draw(int index) {
  if (ctx_.overlay && ctx_.overlay->textEditing == index) return true;  // the editor shows it
  const ObjectRecord& r = doc_.Object(index);
  if (r.refMen == kNoColor && r.refLine == kNoColor && r.GradePattern == -1 && !HasCharaText(r)) return true;
  const QByteArray bytes = DesignTextBytes(r);
  const std::vector<Cp932Char> chars = SplitCp932(bytes);
  if (chars.empty()) return true;

  GlyphCache* glyphs = ctx_.glyphs;
  if (!glyphs) glyphs = (ownGlyphs_ = std::make_unique<GlyphCache>()).get();
  GlyphFont* font = DesignTextFont(*glyphs, r);
  if (!font) return false;

  const int dpiY = doc_.Dpi().y;
  const TextExtent extent = MeasureDesignText(*font, r, ctx_.zoom, dpiY);
  const DocHeader& h = doc_.Header();
  const Frame frame = KeepInside(DesignFrame(r, extent, ctx_.zoom, static_cast<int>(chars.size())),
                                 QSize(h.SlideW, h.SlideH));
  const Frame view = ViewFrame(r, frame, ctx_.zoom);
  const std::vector<QPoint> centres = CharCentres(r, view, extent, ctx_.zoom, chars);
  const std::vector<char32_t> codes = Cp932Codes(bytes, chars);
  const GlyphTransform t{DesignPixelSize(r, ctx_.zoom, dpiY), CharDegrees(r), r.FlipH != 0, r.FlipV != 0};
  for (std::size_t i = 0; i < chars.size(); ++i)
    if (codes[i] != 0) DrawGlyph(*font, codes[i], r, t, centres[i]);
  return true;
}

void CDrawDText::DrawGlyph(GlyphFont& font, char32_t code, const ObjectRecord& r, const GlyphTransform& t,
                           QPoint centre) {
  const PreparedGlyph* g = font.Prepare(code, t);
  if (!g) return;
  const QPoint topLeft = centre - QPoint(g->size.width() / 2, g->size.height() / 2);
  if (OutlineOnly(r)) {
    StrokeGlyph(target_, r, ctx_.zoom, g->blocks, topLeft);
    return;
  }
  // Room round the glyph for the half of a wide outline that lies outside it.
  const int pad = r.refLine == kNoColor ? 0 : OutlineWidth(r.Futosa, ctx_.zoom) / 2 + 2;
  QImage work = FillFor(r, g->size + QSize(2 * pad, 2 * pad));
  if (work.isNull()) return;
  TileCharaText(work, r, ctx_.zoom, ctx_.printer);
  ApplyMask(work, g->mask, QPoint(pad, pad));
  if (r.refLine != kNoColor) {
    gdi::Dc dc(work);
    StrokeGlyph(dc, r, ctx_.zoom, g->blocks, QPoint(pad, pad));
  }
  const QPoint origin = topLeft - QPoint(pad, pad);
  CastBufferShadow(target_, work, r, ctx_, origin);
  gdi::TransparentBlt(target_, QRect(origin, work.size()), work, work.rect(), kTransKey);
}

bool DrawDesignText(gdi::Dc& dc, const Document& doc, const RenderContext& ctx, int index) {
  return CDrawDText(dc, doc, ctx).Draw(index);
}
