#include "render/CharaText.h"

#include <gtest/gtest.h>

#include <QFontMetrics>

#include "RenderFixtures.h"
#include "base/Cp932.h"
#include "render/MakeFont.h"
#include "render/SlideRenderer.h"
#include "render/gdi/Dc.h"

namespace {

using renderfixtures::At;

constexpr COLORREF kRed = 0x0000FF;
constexpr COLORREF kBlue = 0xFF0000;

ObjectRecord WithChara(ObjectRecord r, const char* text) {
  std::strcpy(r.CharaText, text);
  std::strcpy(r.CharaFontName, "IPAPGothic");
  r.CharaFontSize = 9;
  r.ChararefText = kRed;
  r.CharaCharMargin = 2;
  r.CharaLineMargin = 1;
  return r;
}

TEST(CharaText, TilesFillTheFaceAndNothingOutsideIt) {
  Document doc;
  renderfixtures::Reset(doc, 1);
  // A fill of -1 with text-in-text is filled white under the characters.
  doc.AddObject(WithChara(renderfixtures::Box(QRect(100, 100, 200, 120), kNoColor, kBlue), "Ab"));
  const QImage image = RenderSlideImage(doc, 0, 1.0f);
  int inside = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if (At(image, x, y) != kRed) continue;
      EXPECT_TRUE(QRect(101, 101, 198, 118).contains(x, y)) << x << "," << y;
      ++inside;
    }
  }
  EXPECT_GT(inside, 200);
}

TEST(CharaText, OnlyWholeCellsAreUsed) {
  ObjectRecord r = WithChara(renderfixtures::Box(QRect(0, 0, 10, 10), kNoColor), "W");
  r.CharaCharMargin = 20;
  r.CharaLineMargin = 20;
  const QFont font = ToQFont(MakeFont("IPAPGothic", 9, false, false, false, false, 0, 96));
  const QFontMetrics fm(font);
  const int cw = fm.horizontalAdvance("W") + 20;
  const int ch = fm.height() + 20;
  QImage surface(3 * cw + cw / 2, 2 * ch + ch / 2, QImage::Format_RGB32);
  surface.fill(Qt::white);
  TileCharaText(surface, r, 1.0f);
  const auto redIn = [&](QRect area) {
    for (int y = area.top(); y <= area.bottom(); ++y)
      for (int x = area.left(); x <= area.right(); ++x)
        if (At(surface, x, y) == kRed) return true;
    return false;
  };
  for (int c = 0; c < 3; ++c)
    for (int row = 0; row < 2; ++row) EXPECT_TRUE(redIn(QRect(c * cw, row * ch, cw, ch))) << c << "," << row;
  EXPECT_FALSE(redIn(QRect(3 * cw, 0, cw / 2, surface.height())));  // the part-cell on the right
  EXPECT_FALSE(redIn(QRect(0, 2 * ch, surface.width(), ch / 2)));   // and at the bottom

  // At zoom 2 the characters and the spacings double: a third of the cells fit across.
  QImage zoomed(surface.size(), QImage::Format_RGB32);
  zoomed.fill(Qt::white);
  TileCharaText(zoomed, r, 2.0f);
  surface = zoomed;
  EXPECT_TRUE(redIn(QRect(0, 0, cw, ch)));
  EXPECT_FALSE(redIn(QRect(2 * cw, 0, cw + cw / 2, surface.height())));
}

TEST(CharaText, TheStringIsAtMostSixteenBytesOfWholeCharacters) {
  ObjectRecord r{};
  std::memset(r.CharaText, 'A', 15);
  std::memcpy(r.CharaText + 15, "\x8a\xbf", 2);  // a 17-byte record: the last character would be split
  EXPECT_EQ(CharaTextBytes(r), QByteArray(15, 'A'));
}

}  // namespace
