#include "render/Shadow.h"

#include <QImage>

#include "core/Records.h"
#include "render/FigureStyle.h"
#include "render/RenderContext.h"
#include "render/gdi/Blit.h"
#include "render/gdi/Dc.h"

QRect ShadowAt(int direction, QRect caster, int dx, int dy) {
  const int ox = caster.x();
  const int oy = caster.y();
  const int w = caster.width();
  const int h = caster.height();
  switch (direction) {
    case 0: return {ox + dx, oy + dy, w, h};
    case 1: return {ox, oy + dy, w, h};
    case 2: return {ox - dx, oy + dy, w, h};
    case 3: return {ox + dx, oy, w, h};
    case 4: return {ox - dx, oy - dy, w + 2 * dx, h + 2 * dy};
    case 5: return {ox - dx, oy, w, h};
    case 6: return {ox + dx, oy - dy, w, h};
    case 7: return {ox, oy - dy, w, h};
    default: return {ox - dx, oy - dy, w, h};
  }
}

namespace {

// The shadow picture: `silhouette` pixels in the shadow colour on white, which the copy
// leaves out, so a white shadow never shows.
void CastSilhouette(gdi::Dc& target, const QImage& silhouette, const ObjectRecord& r,
                    const RenderContext& ctx, QPoint at) {
  QImage shadow(silhouette.size(), QImage::Format_RGB32);
  if (shadow.isNull()) return;
  const QRgb white = gdi::ToQRgb(kWhite);
  const QRgb colour = gdi::ToQRgb(r.refKage);
  const QRgb key = gdi::ToQRgb(kTransKey);
  const int w = shadow.width(), h = shadow.height();
  for (int y = 0; y < h; ++y) {
    const auto* from = reinterpret_cast<const QRgb*>(silhouette.constScanLine(y));
    auto* to = reinterpret_cast<QRgb*>(shadow.scanLine(y));
    for (int x = 0; x < w; ++x) {
      const QRgb p = gdi::Opaque(from[x]);
      to[x] = p == key || p == gdi::kNoColorPixel ? white : colour;
    }
  }
  const QRect to = ShadowAt(r.LightDir, QRect(at, shadow.size()), ctx.Scale(r.KageX), ctx.Scale(r.KageY));
  gdi::TransparentBlt(target, to, shadow, shadow.rect(), kWhite);
}

bool CastsShadow(const ObjectRecord& r) {
  return (r.KageX != 0 || r.KageY != 0) && r.refKage != kNoColor;
}

}  // namespace

void CastFigureShadow(gdi::Dc& target, const QImage& buffer, const ObjectRecord& r,
                      const RenderContext& ctx, QPoint origin) {
  if (!CastsShadow(r) || EffectiveFill(r) == kNoColor) return;
  CastSilhouette(target, buffer, r, ctx, origin);
}

void CastBufferShadow(gdi::Dc& target, const QImage& buffer, const ObjectRecord& r,
                      const RenderContext& ctx, QPoint origin) {
  if (CastsShadow(r)) CastSilhouette(target, buffer, r, ctx, origin);
}

void CastImageShadow(gdi::Dc& target, const ObjectRecord& r, const RenderContext& ctx,
                     std::span<const QPoint> corners, QPoint at, QSize size) {
  if (!CastsShadow(r) || size.isEmpty()) return;
  QImage silhouette(size, QImage::Format_RGB32);
  if (silhouette.isNull()) return;
  silhouette.fill(gdi::ToQRgb(kTransKey));
  {
    gdi::Dc dc(silhouette);
    dc.SetWindowOrg(at);
    dc.SelectPen({gdi::PenStyle::Solid, 1, r.refKage});
    dc.SelectBrush({r.refKage});
    dc.Polygon(corners);
  }
  CastSilhouette(target, silhouette, r, ctx, at);
}
