#include "show/PointerStick.h"

#include <algorithm>
#include <cstring>

PointerStick::PointerStick(std::array<QImage, 3> bitmaps) : bitmaps_(std::move(bitmaps)) {
  for (QImage& b : bitmaps_) b = b.convertToFormat(QImage::Format_RGB32);
  saved_.resize(static_cast<size_t>(kPointerBaseSize * kPointerMaxSize) *
                static_cast<size_t>(kPointerBaseSize * kPointerMaxSize));
}

bool PointerStick::Grow() {
  if (size_ >= kPointerMaxSize) return false;
  ++size_;
  return true;
}

bool PointerStick::Shrink() {
  if (size_ <= kPointerMinSize) return false;
  --size_;
  return true;
}

QRect PointerStick::RectAt(QPoint cursor) const {
  const int side = kPointerBaseSize * size_;
  return QRect(cursor - kPointerTip, QSize(side, side));
}

QRect PointerStick::Save(const QImage& screen, QPoint cursor) {
  savedRect_ = RectAt(cursor).intersected(screen.rect());
  const int w = savedRect_.width();
  for (int y = 0; y < savedRect_.height(); ++y) {
    const auto* row = reinterpret_cast<const QRgb*>(screen.constScanLine(savedRect_.top() + y));
    std::memcpy(&saved_[static_cast<size_t>(y * w)], row + savedRect_.left(), sizeof(QRgb) * static_cast<size_t>(w));
  }
  return savedRect_;
}

QRect PointerStick::Restore(QImage& screen) {
  const QRect rect = savedRect_;
  savedRect_ = QRect();
  if (rect.isEmpty() || !screen.rect().contains(rect)) return QRect();
  const int w = rect.width();
  for (int y = 0; y < rect.height(); ++y) {
    auto* row = reinterpret_cast<QRgb*>(screen.scanLine(rect.top() + y));
    std::memcpy(row + rect.left(), &saved_[static_cast<size_t>(y * w)], sizeof(QRgb) * static_cast<size_t>(w));
  }
  return rect;
}

// Size 3's bitmap is one pixel larger than the square it fills; the extra
// row and column are left out.
void PointerStick::Paint(QImage& screen, QRect rect) const {
  const QImage& bitmap = bitmaps_[static_cast<size_t>(size_ - 1)];
  const QRect target = rect.intersected(screen.rect()).intersected(
      QRect(rect.topLeft(), bitmap.size()));
  for (int y = target.top(); y <= target.bottom(); ++y) {
    const auto* src = reinterpret_cast<const QRgb*>(bitmap.constScanLine(y - rect.top()));
    auto* dst = reinterpret_cast<QRgb*>(screen.scanLine(y));
    for (int x = target.left(); x <= target.right(); ++x) {
      const QRgb pixel = src[x - rect.left()];
      if ((pixel & 0xFFFFFFu) != kPointerKey) dst[x] = pixel;
    }
  }
}
