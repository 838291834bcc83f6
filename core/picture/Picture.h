// A decoded picture (JPEG, GIF or BMP) that knows its natural size, draws
// itself into a rectangle and saves itself back in the encoding it came in.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QRect>
#include <QSize>
#include <cstdint>
#include <functional>
#include <list>
#include <memory>
#include <mutex>

class QPainter;

enum class PictureEncoding { Jpeg, Gif, Bmp };

// What a drawing copy of a picture was made for: its natural size on the
// target, the size it is stretched to, mirroring and the colour it is keyed on.
struct DisplayKey {
  QSize natural;
  QSize size;
  bool flipH = false;
  bool flipV = false;
  std::int32_t key = 0;
  friend bool operator==(const DisplayKey&, const DisplayKey&) = default;
};

class Picture {
 public:
  // Decodes JPEG, GIF or BMP bytes; nullptr for anything else. `dpi` is the
  // screen resolution that turns pixels into hundredths of a millimetre.
  static std::shared_ptr<const Picture> Load(const QByteArray& bytes, int dpi = 96);
  // A picture of a bitmap; it saves as a BMP file of that bitmap.
  static std::shared_ptr<const Picture> Wrap(const QImage& bitmap, int dpi = 96);
  // Loads Qt's JPEG and GIF decoder plugins now, so that the first Load does
  // not wait for them. Safe from any thread.
  static void LoadDecoders();

  QSize NaturalSize() const { return himetric_; }  // hundredths of a millimetre
  // The natural size on a device of the given resolution.
  QSize NaturalPixels(int dpiX, int dpiY) const;
  QSize PixelSize() const { return image_.size(); }
  PictureEncoding Encoding() const { return encoding_; }
  const QImage& Image() const { return image_; }

  // Draws the picture scaled into `dest`, mirrored left-right and/or upside down.
  void Render(QPainter& painter, const QRect& dest, bool mirrorX = false,
              bool mirrorY = false) const;

  // The bytes in the loaded encoding: a loaded file's own bytes, a wrapped
  // bitmap as a lossless BMP file (made once, when first asked for).
  QByteArray Save() const;

  // The copy `make` builds for `key`, made once and kept with the few most
  // recently used, so that redrawing a large picture does not scale it again.
  // Safe to call from several drawing threads.
  QImage DisplayCopy(const DisplayKey& key, const std::function<QImage()>& make) const;

  Picture(PictureEncoding encoding, QImage image, QByteArray bytes, int dpi);

 private:
  PictureEncoding encoding_;
  QImage image_;
  bool wrapped_;
  mutable QByteArray bytes_;  // a wrapped bitmap's BMP file is made by the first Save
  mutable std::once_flag encoded_;
  QSize himetric_;
  mutable std::mutex copiesLock_;
  mutable std::list<std::pair<DisplayKey, QImage>> copies_;  // most recently used first
};
