// Picture decoding through Qt's image readers, keeping the original bytes.
#include "core/picture/Picture.h"

#include <QBuffer>
#include <QImageReader>
#include <QImageWriter>
#include <QPainter>
#include <optional>

#include "base/MulDiv.h"

namespace {

constexpr int kHimetricPerInch = 2540;
// The editing view, the slide list and the show each keep their own size.
constexpr std::size_t kDisplayCopies = 4;

// The encoding named by the file's own signature; the extension plays no part.
std::optional<PictureEncoding> Sniff(const QByteArray& bytes) {
  if (bytes.startsWith("\xFF\xD8\xFF")) return PictureEncoding::Jpeg;
  if (bytes.startsWith("GIF87a") || bytes.startsWith("GIF89a")) return PictureEncoding::Gif;
  if (bytes.startsWith("BM")) return PictureEncoding::Bmp;
  return std::nullopt;
}

const char* FormatName(PictureEncoding e) {
  switch (e) {
    case PictureEncoding::Jpeg: return "jpeg";
    case PictureEncoding::Gif: return "gif";
    case PictureEncoding::Bmp: return "bmp";
  }
  return "";
}

}  // namespace

Picture::Picture(PictureEncoding encoding, QImage image, QByteArray bytes, int dpi)
    : encoding_(encoding),
      image_(std::move(image)),
      wrapped_(bytes.isEmpty()),
      bytes_(std::move(bytes)),
      himetric_(MulDiv(image_.width(), kHimetricPerInch, dpi),
                MulDiv(image_.height(), kHimetricPerInch, dpi)) {}

QSize Picture::NaturalPixels(int dpiX, int dpiY) const {
  return QSize(MulDiv(himetric_.width(), dpiX, kHimetricPerInch),
               MulDiv(himetric_.height(), dpiY, kHimetricPerInch));
}

std::shared_ptr<const Picture> Picture::Load(const QByteArray& bytes, int dpi) {
  const std::optional<PictureEncoding> encoding = Sniff(bytes);
  if (!encoding || dpi <= 0) return nullptr;
  QBuffer buffer;
  buffer.setData(bytes);
  buffer.open(QIODevice::ReadOnly);
  QImageReader reader(&buffer, FormatName(*encoding));
  reader.setAutoTransform(false);  // EXIF orientation is not applied
  QImage image = reader.read();
  if (image.isNull()) return nullptr;
  return std::make_shared<const Picture>(*encoding, std::move(image), bytes, dpi);
}

void Picture::LoadDecoders() {
  for (const PictureEncoding e : {PictureEncoding::Jpeg, PictureEncoding::Gif}) {
    QBuffer empty;
    empty.open(QIODevice::ReadOnly);
    QImageReader reader(&empty, FormatName(e));
    (void)reader.canRead();  // finds and loads the format's plugin
  }
}

std::shared_ptr<const Picture> Picture::Wrap(const QImage& bitmap, int dpi) {
  if (bitmap.isNull() || dpi <= 0) return nullptr;
  return std::make_shared<const Picture>(PictureEncoding::Bmp, bitmap, QByteArray(), dpi);
}

void Picture::Render(QPainter& painter, const QRect& dest, bool mirrorX, bool mirrorY) const {
  if (dest.isEmpty()) return;
  painter.save();
  painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
  painter.translate(mirrorX ? dest.right() + 1 : dest.left(), mirrorY ? dest.bottom() + 1 : dest.top());
  painter.scale(mirrorX ? -1 : 1, mirrorY ? -1 : 1);
  painter.drawImage(QRect(0, 0, dest.width(), dest.height()), image_);
  painter.restore();
}

QByteArray Picture::Save() const {
  if (!wrapped_) return bytes_;
  // Undo writes every picture at every step: a bitmap is encoded once.
  std::call_once(encoded_, [this] {
    QBuffer buffer(&bytes_);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "bmp");
    if (!writer.write(image_)) bytes_.clear();
  });
  return bytes_;
}

QImage Picture::DisplayCopy(const DisplayKey& key, const std::function<QImage()>& make) const {
  const std::lock_guard lock(copiesLock_);
  for (auto it = copies_.begin(); it != copies_.end(); ++it) {
    if (!(it->first == key)) continue;
    copies_.splice(copies_.begin(), copies_, it);
    return copies_.front().second;
  }
  QImage copy = make();
  if (copy.isNull()) return copy;
  copies_.emplace_front(key, copy);
  if (copies_.size() > kDisplayCopies) copies_.pop_back();
  return copy;
}
