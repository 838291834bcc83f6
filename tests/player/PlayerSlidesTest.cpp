#include "player/PlayerSlides.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QImage>
#include <QImageWriter>

namespace {

QByteArray Jpeg(QSize size, QColor colour) {
  QImage image(size, QImage::Format_RGB32);
  image.fill(colour);
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  QImageWriter writer(&buffer, "jpeg");
  writer.setQuality(100);
  EXPECT_TRUE(writer.write(image));
  return bytes;
}

bool Near(QRgb a, QColor b) {
  return std::abs(qRed(a) - b.red()) <= 6 && std::abs(qGreen(a) - b.green()) <= 6 && std::abs(qBlue(a) - b.blue()) <= 6;
}

TEST(PlayerPictureRect, FitsOrCentresAsThePlayerDraws) {
  const struct {
    const char* name;
    QSize screen, picture;
    bool noEnlarge;
    QRect expected;
  } cases[] = {
      {"wider screen: full height, centred across", {1600, 1000}, {800, 600}, false, {133, 0, 1333, 1000}},
      {"taller screen: full width, centred down", {800, 1000}, {800, 600}, false, {0, 200, 800, 600}},
      {"same proportions", {1024, 768}, {800, 600}, false, {0, 0, 1024, 768}},
      {"smaller and kept", {1600, 1000}, {800, 600}, true, {400, 200, 800, 600}},
      {"as wide as the screen: fitted though kept", {800, 1000}, {800, 600}, true, {0, 200, 800, 600}},
      {"larger: shrunk though kept", {400, 300}, {800, 600}, true, {0, 0, 400, 300}},
      {"an empty picture", {400, 300}, {0, 600}, false, QRect()},
  };
  for (const auto& c : cases) EXPECT_EQ(PlayerPictureRect(c.screen, c.picture, c.noEnlarge), c.expected) << c.name;
}

TEST(PlayerSlides, DrawsEachPictureOverBlackAndAGarbageOneBlack) {
  const QByteArray red = Jpeg({40, 30}, QColor(220, 30, 30));
  const QByteArray blue = Jpeg({40, 30}, QColor(30, 30, 220));
  const QByteArray garbage = QByteArray("\xFF\xD8\xFF\xE0 not a picture at all", 25);
  PlayerSlides slides({red, garbage, blue, QByteArrayView()}, true);
  ASSERT_EQ(slides.SlideCount(), 4);
  EXPECT_EQ(slides.UnreadableSlides(), (std::vector<int>{1, 3}));

  QImage screen(100, 50, QImage::Format_RGB32);
  screen.fill(Qt::white);
  ASSERT_TRUE(slides.RenderSlide(0, 1.0f, screen));
  EXPECT_TRUE(Near(screen.pixel(50, 25), QColor(220, 30, 30)));
  EXPECT_EQ(screen.pixel(5, 5), qRgb(0, 0, 0)) << "kept at its size, centred on black";
  for (int index : {1, 3, 7, -1}) {
    screen.fill(Qt::white);
    EXPECT_FALSE(slides.RenderSlide(index, 1.0f, screen)) << index;
    EXPECT_EQ(screen.pixel(50, 25), qRgb(0, 0, 0)) << index;
  }
  // Backwards and forwards again, past what was decoded ahead.
  for (int index : {2, 0, 2}) {
    ASSERT_TRUE(slides.RenderSlide(index, 1.0f, screen));
    EXPECT_TRUE(Near(screen.pixel(50, 25), index == 0 ? QColor(220, 30, 30) : QColor(30, 30, 220))) << index;
  }
}

}  // namespace
