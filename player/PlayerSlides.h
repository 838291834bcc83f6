// The package's slides as the show sees them: each picture decoded when it
// is first wanted (the next one on a worker thread), drawn over the whole
// screen as the player draws it.
#pragma once

#include <QByteArrayView>
#include <QRect>
#include <QSize>
#include <future>
#include <map>
#include <memory>
#include <vector>

#include "show/SlideSource.h"

class Picture;

// Where a picture of `picture` pixels goes on a screen of `screen` pixels:
// centred at its own size when `noEnlarge` and smaller than the screen both
// ways, else fitted to the screen's width or height, keeping its proportions.
QRect PlayerPictureRect(QSize screen, QSize picture, bool noEnlarge);

class PlayerSlides : public SlideSource {
 public:
  // `jpegs` point into the package's bytes, which outlive this.
  PlayerSlides(std::vector<QByteArrayView> jpegs, bool noEnlarge, int dpiX = 96, int dpiY = 96);
  ~PlayerSlides() override;

  int SlideCount() const override { return static_cast<int>(jpegs_.size()); }
  // Fills `target` black and draws the picture of slide `index`; false, with
  // the slide left black, when its picture does not decode.
  bool RenderSlide(int index, float scale, QImage& target) override;

  // The slides whose bytes do not even name a picture size: read from the
  // headers alone, without decoding.
  std::vector<int> UnreadableSlides() const;

 private:
  using Decoded = std::shared_future<std::shared_ptr<const Picture>>;
  std::shared_ptr<const Picture> PictureOf(int index);
  void Prefetch(int index);

  std::vector<QByteArrayView> jpegs_;
  bool noEnlarge_;
  int dpiX_;
  int dpiY_;
  // The current slide's neighbours, decoded or being decoded.
  std::map<int, Decoded> decoded_;
};
