// The pointer stick drawn over the show in three sizes. The screen pixels
// under it are saved before it is drawn and put back before it moves, so
// the slide and the pen strokes under it come back unchanged.
#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>
#include <array>
#include <cstdint>
#include <vector>

inline constexpr int kPointerBaseSize = 61;  // drawn 61, 122 and 183 pixels square
inline constexpr int kPointerMinSize = 1;
inline constexpr int kPointerMaxSize = 3;
inline constexpr QRgb kPointerKey = 0x0000FF;  // pure blue is see-through
// The stick's tip sits this far in from the bitmap's top-left corner.
inline constexpr QPoint kPointerTip(10, 10);

class PointerStick {
 public:
  // Bitmaps of sizes 1, 2 and 3, pure blue where the screen shows through.
  explicit PointerStick(std::array<QImage, 3> bitmaps);

  bool Shown() const { return shown_; }
  void SetShown(bool shown) { shown_ = shown; }
  int Size() const { return size_; }
  // One size larger or smaller within 1..3; false when already at the limit.
  bool Grow();
  bool Shrink();

  // The square the stick covers with the cursor at `cursor`.
  QRect RectAt(QPoint cursor) const;
  // Puts the saved pixels back; the area restored, empty when nothing was saved.
  QRect Restore(QImage& screen);
  // Saves the pixels under the stick at `cursor`, lets `decorate` draw on
  // them (the sparkle), then draws the stick. Returns the area covered.
  template <typename Decorate>
  QRect Draw(QImage& screen, QPoint cursor, Decorate&& decorate) {
    const QRect rect = Save(screen, cursor);
    if (rect.isEmpty()) return rect;
    decorate(screen);
    Paint(screen, RectAt(cursor));
    return rect;
  }
  QRect Draw(QImage& screen, QPoint cursor) {
    return Draw(screen, cursor, [](QImage&) {});
  }

 private:
  QRect Save(const QImage& screen, QPoint cursor);
  void Paint(QImage& screen, QRect rect) const;

  std::array<QImage, 3> bitmaps_;
  bool shown_ = false;
  int size_ = kPointerMinSize;
  QRect savedRect_;
  std::vector<QRgb> saved_;
};
