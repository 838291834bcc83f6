// Gradient fills: 16-bit channels interpolated, the result taken as channel >> 8.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "GdiFixtures.h"
#include "render/gdi/GradientFill.h"

namespace {

using namespace fixtures;

gdi::TriVertex Red(int x, int y, std::uint16_t red) { return {x, y, red, 0, 0, 0}; }

std::vector<int> Reds(const QImage& image, int y) {
  std::vector<int> reds;
  for (int x = 0; x < image.width(); ++x) reds.push_back(gdi::RedOf(gdi::FromQRgb(image.pixel(x, y))));
  return reds;
}

TEST(GradientFillRect, SixteenBitChannelsMeetAt0x7FInTheMiddle) {
  QImage image = Blank(2, 1);
  gdi::Dc dc(image);
  const gdi::TriVertex v[2] = {Red(0, 0, 0xFF00), Red(2, 1, 0x0000)};
  EXPECT_TRUE(gdi::GradientFillRect(dc, v, false));
  EXPECT_EQ(Reds(image, 0), (std::vector<int>{0xFF, 0x7F}));
}

TEST(GradientFillRect, StartsOnTheFirstColourAndStopsShortOfTheSecond) {
  QImage image = Blank(5, 2);
  gdi::Dc dc(image);
  const gdi::TriVertex v[2] = {Red(0, 0, 0x0000), Red(4, 2, 0xFF00)};
  gdi::GradientFillRect(dc, v, false);
  // (0xFF00 * pos / 4) >> 8 for pos 0 .. 3; column 4 lies outside the box.
  EXPECT_EQ(Reds(image, 0), (std::vector<int>{0x00, 0x3F, 0x7F, 0xBF, 0xFF}));
  EXPECT_EQ(Reds(image, 1), Reds(image, 0));
  EXPECT_EQ(gdi::FromQRgb(image.pixel(4, 0)), kWhite);
}

TEST(GradientFillRect, TheLeftVertexGivesTheStartColourWhicheverComesFirst) {
  QImage a = Blank(3, 1), b = Blank(3, 1);
  gdi::Dc da(a), db(b);
  const gdi::TriVertex forward[2] = {Red(0, 0, 0xFF00), Red(3, 1, 0x0000)};
  const gdi::TriVertex backward[2] = {Red(3, 1, 0x0000), Red(0, 0, 0xFF00)};
  gdi::GradientFillRect(da, forward, false);
  gdi::GradientFillRect(db, backward, false);
  EXPECT_EQ(Reds(a, 0), (std::vector<int>{0xFF, 0xAA, 0x55}));
  EXPECT_EQ(Reds(b, 0), Reds(a, 0));
}

TEST(GradientFillRect, VerticalRunsDownTheRows) {
  QImage image = Blank(2, 3);
  gdi::Dc dc(image);
  const gdi::TriVertex v[2] = {Red(0, 0, 0xFF00), Red(2, 3, 0x0000)};
  gdi::GradientFillRect(dc, v, true);
  for (int y = 0; y < 3; ++y)
    EXPECT_EQ(Reds(image, y), std::vector<int>(2, std::vector<int>{0xFF, 0xAA, 0x55}[y]));
}

TEST(GradientFillRect, IsClippedWithoutChangingTheRamp) {
  QImage image = Blank(3, 1);
  gdi::Dc dc(image);
  dc.SetWindowOrg(QPoint(2, 0));
  const gdi::TriVertex v[2] = {Red(0, 0, 0x0000), Red(4, 1, 0xFF00)};  // surface -2 .. 1
  gdi::GradientFillRect(dc, v, false);
  EXPECT_EQ(Reds(image, 0), (std::vector<int>{0x7F, 0xBF, 0xFF}));
  EXPECT_EQ(gdi::FromQRgb(image.pixel(2, 0)), kWhite);
}

TEST(GradientFillTriangle, CoversRowsDownToTheLastVertexAndMixesTheColours) {
  QImage image = Blank(5, 5);
  gdi::Dc dc(image);
  const gdi::TriVertex v[3] = {gdi::MakeVertex(0, 0, kRed), gdi::MakeVertex(4, 0, kGreen),
                               gdi::MakeVertex(0, 4, kBlue)};
  EXPECT_TRUE(gdi::GradientFillTriangle(dc, v));
  const std::string expected = Rows({
      "r???.",
      "???..",
      "??...",
      "?....",
      ".....",
  });
  EXPECT_EQ(Picture(image, {{'.', kWhite}, {'r', kRed}}), expected);
  EXPECT_EQ(gdi::FromQRgb(image.pixel(2, 0)), gdi::Rgb(0x7F, 0x7F, 0));
  EXPECT_EQ(gdi::FromQRgb(image.pixel(0, 2)), gdi::Rgb(0x7F, 0, 0x7F));
  EXPECT_EQ(gdi::FromQRgb(image.pixel(1, 1)), gdi::Rgb(0x7F, 0x3F, 0x3F));
}

TEST(GradientFillTriangle, AFlatTriangleDrawsNothing) {
  QImage image = Blank(4, 4);
  gdi::Dc dc(image);
  const gdi::TriVertex v[3] = {gdi::MakeVertex(0, 0, kRed), gdi::MakeVertex(2, 2, kRed),
                               gdi::MakeVertex(3, 3, kRed)};
  EXPECT_FALSE(gdi::GradientFillTriangle(dc, v));
  EXPECT_EQ(Picture(image, kLegend), Picture(Blank(4, 4), kLegend));
}

// The channels of every covered pixel are the barycentric mix of the vertices' channels,
// truncated toward zero: checked against that formula for triangles of either turn, with
// vertices outside the surface and colours that cross over.
TEST(GradientFillTriangle, EveryPixelIsTheTruncatedBarycentricMix) {
  std::mt19937 random(7);
  std::uniform_int_distribution<int> coord(-30, 90), channel(0, 0xFFFF);
  for (int round = 0; round < 200; ++round) {
    gdi::TriVertex v[3];
    for (gdi::TriVertex& t : v)
      t = {coord(random), coord(random), static_cast<std::uint16_t>(channel(random)),
           static_cast<std::uint16_t>(channel(random)), static_cast<std::uint16_t>(channel(random)), 0};
    QImage image = Blank(64, 48, kNoColor);
    gdi::Dc dc(image);
    if (!gdi::GradientFillTriangle(dc, v)) continue;
    // The same vertices, ordered top first as the fill orders them.
    gdi::TriVertex t[3] = {v[0], v[1], v[2]};
    std::stable_sort(std::begin(t), std::end(t), [](const auto& a, const auto& b) { return a.y < b.y; });
    const std::int64_t det = std::int64_t{t[2].y - t[1].y} * (t[2].x - t[0].x) -
                             std::int64_t{t[2].x - t[1].x} * (t[2].y - t[0].y);
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x) {
        const QRgb pixel = gdi::ConstRow(image, y)[x];
        if (pixel == gdi::kNoColorPixel) continue;
        const std::int64_t l1 = std::int64_t{t[1].y - t[2].y} * (x - t[2].x) - std::int64_t{t[1].x - t[2].x} * (y - t[2].y);
        const std::int64_t l2 = std::int64_t{t[2].y - t[0].y} * (x - t[2].x) - std::int64_t{t[2].x - t[0].x} * (y - t[2].y);
        auto mix = [&](std::uint16_t gdi::TriVertex::*c) {
          const std::int64_t n = t[0].*c * l1 + t[1].*c * l2 + t[2].*c * (det - l1 - l2);
          return static_cast<int>(std::clamp<std::int64_t>((n / det) >> 8, 0, 255));
        };
        ASSERT_EQ(pixel, qRgb(mix(&gdi::TriVertex::red), mix(&gdi::TriVertex::green), mix(&gdi::TriVertex::blue)))
            << "round " << round << " at " << x << "," << y;
      }
  }
}

}  // namespace
