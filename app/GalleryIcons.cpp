#include "app/GalleryIcons.h"

#include <QBuffer>
#include <QPainter>
#include <algorithm>

#include "core/Document.h"
#include "core/EditPath.h"
#include "core/picture/Picture.h"
#include "editor/factory/MakeObj.h"
#include "editor/factory/Requests.h"
#include "geometry/ObjectFrame.h"
#include "render/RenderContext.h"
#include "render/SlideRenderer.h"

namespace {

constexpr int kSolidFigure = 19;  // the cylinder shows the light best
constexpr int kMargin = 3;

// A small landscape for the picture item.
std::shared_ptr<const Picture> SamplePicture() {
  QImage image(60, 45, QImage::Format_RGB32);
  QPainter p(&image);
  p.fillRect(image.rect(), QColor(0xBF, 0xDB, 0xF7));
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0x4C, 0xA8, 0x5A));
  p.drawPolygon(QPolygon({{0, 45}, {22, 18}, {38, 34}, {46, 26}, {60, 45}}));
  p.setBrush(QColor(0xF2, 0xC9, 0x4C));
  p.drawEllipse(QPoint(46, 11), 6, 6);
  p.end();
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, "BMP");
  return Picture::Load(bytes);
}

FactoryDialogs QuietDialogs() {
  return {[](const VertexCountAsk& ask) { return std::optional<int>(std::max(ask.start, 5)); },
          [] { return std::optional<CharDialogValues>(CharDialogValues{QStringLiteral("字"), {}}); },
          [](int) { return true; }};
}

// The object of `request` made in a document of its own, lit from `lightDir`
// (-1: as made), drawn to fit the icon.
QImage Draw(int request, GlyphCache& glyphs, int lightDir) {
  Document doc;
  EditPath edits(doc);
  CMakeObj factory(edits, QuietDialogs(), [] { return ObjDefaults{}; });
  factory.SetGlyphs(&glyphs);
  ObjectContent content;
  if (request == request::Picture) {
    content.picture = SamplePicture();
    if (!content.picture) return {};
    content.pictureSize = QSize(60, 45);
  }
  const DocHeader& h = doc.Header();
  const Result<int> made =
      factory.CreateObject(request, content, kViewCentre, ViewArea{QPoint(), QSize(h.SlideW, h.SlideH)});
  if (!made) return {};
  ObjectRecord& record = doc.Object(*made);
  if (lightDir >= 0) record.LightDir = static_cast<std::uint16_t>(lightDir);
  doc.View(*made).Selected = 0;
  const Bounds b = MarginBounds(record);
  const int w = std::max(1, b.right - b.left), hgt = std::max(1, b.bottom - b.top);
  const float zoom = std::min(static_cast<float>(kGalleryIconWidth - 2 * kMargin) / static_cast<float>(w),
                              static_cast<float>(kGalleryIconHeight - 2 * kMargin) / static_cast<float>(hgt));
  QImage slide(std::max(1, static_cast<int>(h.SlideW * zoom) + 1), std::max(1, static_cast<int>(h.SlideH * zoom) + 1),
               QImage::Format_RGB32);
  RenderContext ctx = RenderContext::Outside(0, zoom);
  ctx.glyphs = &glyphs;
  DrawSlideOnWhite(slide, doc, ctx);
  QImage icon(kGalleryIconWidth, kGalleryIconHeight, QImage::Format_RGB32);
  icon.fill(Qt::white);
  QPainter p(&icon);
  const QRect from(ctx.Scale(b.left), ctx.Scale(b.top), ctx.Scale(w), ctx.Scale(hgt));
  p.drawImage(QPoint((kGalleryIconWidth - from.width()) / 2, (kGalleryIconHeight - from.height()) / 2), slide, from);
  return icon;
}

}  // namespace

QImage ObjectGalleryIcon(int request, GlyphCache& glyphs) { return Draw(request, glyphs, -1); }

QImage LightGalleryIcon(int direction, GlyphCache& glyphs) { return Draw(kSolidFigure, glyphs, direction); }
