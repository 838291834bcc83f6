#include "export/CGIFSub.h"

#include <QPainter>
#include <cstdlib>
#include <vector>

#include "base/MessageIds.h"
#include "render/gdi/Color.h"
#include "core/Document.h"
#include "core/picture/Picture.h"
#include "export/ColorQuantizer.h"
#include "export/GifWriter.h"

namespace {

// Offsets fixed by the GIF format: logical screen descriptor, then tables.
constexpr qsizetype kScreenFlags = 10;
constexpr qsizetype kGlobalTable = 13;
constexpr qsizetype kControlBlockSize = 8;   // 21 F9 04, flags, delay (2), index, 00
constexpr qsizetype kImageDescriptorSize = 10;

int ByteAt(const QByteArray& b, qsizetype i) { return static_cast<unsigned char>(b[i]); }

int Distance(COLORREF a, int r, int g, int b) {
  return std::abs(gdi::RedOf(a) - r) + std::abs(gdi::GreenOf(a) - g) + std::abs(gdi::BlueOf(a) - b);
}

int NearestEntry(const QByteArray& gif, qsizetype table, int entries, COLORREF color) {
  int best = 0;
  for (int i = 1; i < entries; ++i) {
    const qsizetype at = table + 3 * i;
    const qsizetype bestAt = table + 3 * best;
    if (Distance(color, ByteAt(gif, at), ByteAt(gif, at + 1), ByteAt(gif, at + 2)) <
        Distance(color, ByteAt(gif, bestAt), ByteAt(gif, bestAt + 1), ByteAt(gif, bestAt + 2)))
      best = i;
  }
  return best;
}

bool IsControlBlock(const QByteArray& gif, qsizetype at) {
  return at + kControlBlockSize <= gif.size() && ByteAt(gif, at) == 0x21 &&
         ByteAt(gif, at + 1) == 0xF9 && ByteAt(gif, at + 2) == 0x04;
}

// The colours of `image` in the order first met (rows from the top, pixels
// from the left), at most 256.
std::vector<COLORREF> ListColours(const QImage& image) {
  std::vector<COLORREF> colours;
  for (int y = 0; y < image.height() && colours.size() < 256; ++y)
    for (int x = 0; x < image.width() && colours.size() < 256; ++x) {
      const COLORREF c = gdi::FromQRgb(image.pixel(x, y) | 0xFF000000u);
      if (std::find(colours.begin(), colours.end(), c) == colours.end()) colours.push_back(c);
    }
  return colours;
}

COLORREF NearestListed(const std::vector<COLORREF>& colours, COLORREF color) {
  COLORREF best = color;
  int bestDistance = -1;
  for (COLORREF c : colours) {
    const int d = Distance(color, gdi::RedOf(c), gdi::GreenOf(c), gdi::BlueOf(c));
    if (bestDistance < 0 || d < bestDistance) {
      best = c;
      bestDistance = d;
    }
  }
  return best;
}

// The picture as the renderer would draw it at its pixel size, on white.
QImage Drawn(const Picture& picture) {
  QImage raster(picture.PixelSize(), QImage::Format_RGB32);
  if (raster.isNull()) return raster;
  raster.fill(Qt::white);
  QPainter painter(&raster);
  picture.Render(painter, raster.rect());
  return raster;
}

}  // namespace

bool CGIFSub::MakeTransparent(QByteArray& gif, COLORREF color) {
  if (gif.size() < kGlobalTable || !gif.startsWith("GIF8")) return false;
  const int screenFlags = ByteAt(gif, kScreenFlags);
  qsizetype table = kGlobalTable;
  int entries = 2 << (screenFlags & 7);
  qsizetype control = kGlobalTable + 3 * entries;
  if (!(screenFlags & 0x80)) {
    // Only the first image has a table: the control block comes before its descriptor.
    control = kGlobalTable;
    const qsizetype descriptor = control + kControlBlockSize;
    if (descriptor + kImageDescriptorSize > gif.size() || ByteAt(gif, descriptor) != 0x2C) return false;
    const int imageFlags = ByteAt(gif, descriptor + 9);
    if (!(imageFlags & 0x80)) return false;
    table = descriptor + kImageDescriptorSize;
    entries = 2 << (imageFlags & 7);
  }
  if (table + 3 * entries > gif.size() || !IsControlBlock(gif, control)) return false;
  const int index = NearestEntry(gif, table, entries, color);
  gif[control + 3] = static_cast<char>(ByteAt(gif, control + 3) | 1);
  gif[control + 6] = static_cast<char>(index);
  return true;
}

Result<ReducedPicture> CGIFSub::ReduceColors(const Picture& picture, COLORREF transColor, int dpi) {
  const QImage raster = Drawn(picture);
  if (raster.isNull()) return Failure(msg::NoMemory);
  std::optional<QRgb> keep;
  if (transColor != kNoColor) keep = gdi::ToQRgb(transColor);
  const std::optional<QByteArray> gif = WriteGif(QuantizeColors(raster, keep));
  if (!gif) return Failure(msg::NoMemory);
  std::shared_ptr<const Picture> reduced = Picture::Load(*gif, dpi);
  if (!reduced) return Failure(msg::NoMemory);
  ReducedPicture result{reduced, transColor};
  if (transColor != kNoColor) result.transColor = NearestListed(ListColours(Drawn(*reduced)), transColor);
  return result;
}

Result<void> CGIFSub::ReduceObjectColors(Document& doc, int index) {
  const Picture* old = doc.PictureOf(index);
  if (old == nullptr) return Failure(msg::NoMemory);
  ObjectRecord& record = doc.Object(index);
  const COLORREF trans = record.TransOn ? record.refTrans : kNoColor;
  Result<ReducedPicture> reduced = CGIFSub::ReduceColors(*old, trans, doc.Dpi().x);
  if (!reduced) return reduced.error();
  const PictureHandle oldHandle = record.Picture;
  record.Picture = doc.Pictures().Add(reduced->picture);
  doc.Pictures().Release(oldHandle);
  if (trans != kNoColor) record.refTrans = reduced->transColor;
  return {};
}
