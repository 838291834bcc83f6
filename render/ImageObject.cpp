#include "render/ImageObject.h"

#include <QPainter>
#include <algorithm>

#include "core/Document.h"
#include "geometry/MathSub.h"
#include "geometry/Rotation.h"
#include "render/FigureStyle.h"
#include "render/gdi/Blit.h"
#include "render/gdi/Dc.h"
#include "render/gdi/Rotate.h"

namespace {

// The picture at its natural size on the target, mirrored as the flags say,
// on a key-coloured scratch of at least w x h.
QImage NaturalScratch(const Picture& picture, QSize natural, int w, int h, bool flipH, bool flipV) {
  QImage scratch(std::max(w, natural.width()), std::max(h, natural.height()), QImage::Format_RGB32);
  if (scratch.isNull()) return scratch;
  scratch.fill(gdi::ToQRgb(kTransKey));
  QPainter painter(&scratch);
  picture.Render(painter, QRect(QPoint(0, 0), natural), flipH, flipV);
  return scratch;
}

// The picture stretched to w x h on its key colour. A picture already of its
// natural size without alpha is read in place instead of being copied first.
QImage Stretched(const Picture& picture, QSize natural, const DisplayKey& k) {
  const QImage& own = picture.Image();
  const bool inPlace = own.size() == natural && !own.hasAlphaChannel() && !k.flipH && !k.flipV;
  const QImage scratch = inPlace ? own : NaturalScratch(picture, natural, k.size.width(), k.size.height(), k.flipH, k.flipV);
  if (scratch.isNull()) return scratch;
  QImage stretched(k.size, QImage::Format_RGB32);
  if (stretched.isNull()) return stretched;
  stretched.fill(gdi::ToQRgb(k.key));
  gdi::Dc sdc(stretched);
  gdi::TransparentBlt(sdc, stretched.rect(), scratch, QRect(QPoint(0, 0), natural), k.key);
  return stretched;
}

}  // namespace

bool DrawImageObject(gdi::Dc& dc, const Document& doc, const RenderContext& ctx, int index) {
  const ObjectRecord& r = doc.Object(index);
  const Picture* picture = doc.PictureOf(index);
  if (!picture) return false;

  const QImage& surface = dc.Surface();
  const QSize natural = picture->NaturalPixels(surface.logicalDpiX(), surface.logicalDpiY());
  const int w = ctx.Scale(r.Points[1].x - r.Points[0].x);
  const int h = ctx.Scale(r.Points[3].y - r.Points[0].y);
  if (w <= 0 || h <= 0 || natural.isEmpty()) return false;

  const COLORREF c = r.TransOn ? r.refTrans : kTransKey;
  const DisplayKey key{natural, QSize(w, h), r.FlipH != 0, r.FlipV != 0, c};
  const QImage stretched = picture->DisplayCopy(key, [&] { return Stretched(*picture, natural, key); });
  if (stretched.isNull()) return false;
  QImage result = stretched;
  if (r.Angle != 0) {
    std::optional<QImage> rotated = gdi::RotateImage(stretched, r.Angle, c);
    if (!rotated) return false;
    result = std::move(*rotated);
  }

  const std::vector<QPoint> corners = RotatePoints(r, ctx.zoom);
  const Bounds b = CMathSub::BoundingRect(corners);
  const QPoint centre((b.left + b.right) / 2, (b.top + b.bottom) / 2);
  const QPoint at(centre.x() - result.width() / 2, centre.y() - result.height() / 2);
  const std::span<const QPoint> frame(corners.data(), std::min<size_t>(corners.size(), 4));
  CastImageShadow(dc, r, ctx, frame, at, result.size());
  gdi::TransparentBlt(dc, QRect(at, result.size()), result, result.rect(), c);

  StrokeFrame(dc, r, ctx, frame);
  return true;
}
