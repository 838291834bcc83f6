#include "player/PlayerSlides.h"

#include <QBuffer>
#include <QImageReader>
#include <QPainter>

#include "core/picture/Picture.h"

namespace {

std::shared_ptr<const Picture> Decode(QByteArrayView jpeg) {
  return Picture::Load(QByteArray::fromRawData(jpeg.data(), jpeg.size()));
}

}  // namespace

QRect PlayerPictureRect(QSize screen, QSize picture, bool noEnlarge) {
  const int W = screen.width(), H = screen.height();
  const int w = picture.width(), h = picture.height();
  if (w <= 0 || h <= 0 || W <= 0 || H <= 0) return QRect();
  if (noEnlarge && w < W && h < H) return QRect((W - w) / 2, (H - h) / 2, w, h);
  const float sx = static_cast<float>(W) / static_cast<float>(w);
  const float sy = static_cast<float>(H) / static_cast<float>(h);
  if (sy > sx) {
    const int fitted = static_cast<int>(static_cast<float>(h) * sx);
    return QRect(0, (H - fitted) / 2, W, fitted);
  }
  const int fitted = static_cast<int>(static_cast<float>(w) * sy);
  return QRect((W - fitted) / 2, 0, fitted, H);
}

PlayerSlides::PlayerSlides(std::vector<QByteArrayView> jpegs, bool noEnlarge, int dpiX, int dpiY)
    : jpegs_(std::move(jpegs)), noEnlarge_(noEnlarge), dpiX_(dpiX), dpiY_(dpiY) {}

PlayerSlides::~PlayerSlides() = default;  // waits for a decode still running

std::vector<int> PlayerSlides::UnreadableSlides() const {
  std::vector<int> unreadable;
  for (int i = 0; i < SlideCount(); ++i) {
    QByteArray bytes = QByteArray::fromRawData(jpegs_[i].data(), jpegs_[i].size());
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "jpeg");
    if (!bytes.startsWith("\xFF\xD8\xFF") || !reader.size().isValid()) unreadable.push_back(i);
  }
  return unreadable;
}

void PlayerSlides::Prefetch(int index) {
  if (index < 0 || index >= SlideCount() || decoded_.count(index)) return;
  decoded_[index] = std::async(std::launch::async, Decode, jpegs_[static_cast<std::size_t>(index)]).share();
}

std::shared_ptr<const Picture> PlayerSlides::PictureOf(int index) {
  if (!decoded_.count(index))
    decoded_[index] = std::async(std::launch::deferred, Decode, jpegs_[static_cast<std::size_t>(index)]).share();
  Decoded wanted = decoded_[index];
  // Keep only what the next step in either direction may want.
  std::erase_if(decoded_, [index](const auto& entry) { return entry.first < index - 1 || entry.first > index + 1; });
  Prefetch(index + 1);
  return wanted.get();
}

bool PlayerSlides::RenderSlide(int index, float, QImage& target) {
  target.fill(Qt::black);
  if (index < 0 || index >= SlideCount()) return false;
  const std::shared_ptr<const Picture> picture = PictureOf(index);
  if (!picture) return false;
  const QRect rect = PlayerPictureRect(target.size(), picture->NaturalPixels(dpiX_, dpiY_), noEnlarge_);
  if (rect.isEmpty()) return false;
  // Smoothed, unlike the editor's pictures: a whole slide is scaled to the screen.
  QPainter painter(&target);
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  painter.drawImage(rect, picture->Image());
  return true;
}
