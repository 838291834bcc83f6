// The drawing context: window origin, pixels, rectangles, the text painter, safety.
#include <gtest/gtest.h>

#include <QFont>
#include <random>
#include <set>

#include "GdiFixtures.h"
#include "render/gdi/Blit.h"
#include "render/gdi/Dc.h"
#include "render/gdi/GradientFill.h"

namespace {

using namespace fixtures;

TEST(Dc, TheWindowOriginShiftsEveryDrawingCall) {
  QImage image = Blank(6, 4);
  gdi::Dc dc(image);
  dc.SetWindowOrg(QPoint(10, 20));
  EXPECT_EQ(dc.WindowOrg(), QPoint(10, 20));
  dc.SelectPen(gdi::Pen(gdi::PenStyle::Solid, 1, kBlack));
  dc.SelectBrush({kRed});
  dc.Rectangle(11, 20, 14, 23);
  dc.SetPixel(15, 23, kBlue);
  dc.FillRect(QRect(14, 20, 2, 1), kGreen);
  EXPECT_EQ(dc.GetPixel(15, 23), kBlue);
  const std::string expected = Rows({
      ".###gg",
      ".#r#..",
      ".###..",
      ".....b",
  });
  EXPECT_EQ(Picture(image, kLegend), expected);
}

TEST(Dc, PixelsOutsideTheSurfaceReadAsNoColourAndIgnoreWrites) {
  QImage image = Blank(2, 2);
  gdi::Dc dc(image);
  dc.SetPixel(-1, 0, kBlack);
  dc.SetPixel(2, 0, kBlack);
  EXPECT_EQ(dc.GetPixel(-1, 0), kNoColor);
  EXPECT_EQ(dc.GetPixel(0, 2), kNoColor);
  EXPECT_EQ(dc.GetPixel(INT_MIN, INT_MAX), kNoColor);
  EXPECT_EQ(Picture(image, kLegend), Rows({"..", ".."}));
}

TEST(Dc, FillRectCoversTheQRectsPixels) {
  QImage image = Blank(5, 4);
  gdi::Dc dc(image);
  dc.FillRect(QRect(1, 1, 3, 2), kRed);
  EXPECT_EQ(Picture(image, kLegend), Rows({".....", ".rrr.", ".rrr.", "....."}));
}

TEST(Dc, SelectingReturnsWhatWasSelected) {
  QImage image = Blank(1, 1);
  gdi::Dc dc(image);
  dc.SelectPen(gdi::Pen(gdi::PenStyle::Dot, 3, kRed));
  const gdi::Pen previous = dc.SelectPen(gdi::Pen());
  EXPECT_EQ(previous.style, gdi::PenStyle::Dot);
  EXPECT_EQ(previous.width, 3);
  EXPECT_EQ(dc.SelectBrush({kBlue}).color, kWhite);  // GDI's default white brush
  EXPECT_EQ(dc.SetPolyFillMode(gdi::FillMode::Winding), gdi::FillMode::Alternate);
}

TEST(Dc, OtherFormatsBecomeRgb32) {
  QImage image(3, 2, QImage::Format_RGB888);
  image.fill(Qt::white);
  gdi::Dc dc(image);
  EXPECT_EQ(image.format(), QImage::Format_RGB32);
  dc.SetPixel(0, 0, kRed);
  EXPECT_EQ(gdi::FromQRgb(image.pixel(0, 0)), kRed);
}

TEST(Painter, DrawsInViewCoordinatesWithoutAntialiasing) {
  QImage image = Blank(40, 30);
  gdi::Dc dc(image);
  dc.SetWindowOrg(QPoint(100, 100));
  QPainter& p = dc.Painter();
  p.fillRect(QRect(100, 100, 2, 2), gdi::ToQColor(kRed));
  QFont font(QStringLiteral("IPAPGothic"));
  font.setPixelSize(20);
  font.setStyleStrategy(QFont::NoAntialias);
  p.setFont(font);
  p.setPen(gdi::ToQColor(kBlack));
  dc.SetPixel(139, 129, kBlue);  // the Dc's own calls may come in between
  dc.Painter().drawText(QRect(104, 104, 36, 26), Qt::AlignCenter, QStringLiteral("字"));
  std::set<COLORREF> colours;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) colours.insert(gdi::FromQRgb(image.pixel(x, y)));
  EXPECT_EQ(colours, (std::set<COLORREF>{kWhite, kBlack, kRed, kBlue}));
  EXPECT_EQ(gdi::FromQRgb(image.pixel(1, 1)), kRed);
  EXPECT_EQ(gdi::FromQRgb(image.pixel(2, 2)), kWhite);
}

// Shapes far outside the surface, or reaching far beyond it, must neither hang nor touch
// memory outside the surface (the sanitizer build checks the latter).
TEST(Dc, AbsurdCoordinatesAreSafe) {
  QImage image = Blank(16, 12);
  gdi::Dc dc(image);
  std::mt19937 random(7);
  const int values[] = {INT_MIN, INT_MIN + 1, -1000000000, -70000, -3, 0, 5, 11, 70000, 1000000000, INT_MAX};
  auto any = [&] { return values[random() % std::size(values)]; };
  auto quarter = [&] { return any() / 4; };  // QRect itself overflows with the extremes
  for (int round = 0; round < 300; ++round) {
    const gdi::PenStyle style = static_cast<gdi::PenStyle>(round % 6);
    dc.SelectPen(
        gdi::Pen(style, round % 4 == 0 ? 1 : round % 13, kBlack, static_cast<gdi::EndCap>(round % 3)));
    dc.SelectBrush({kRed});
    dc.SetWindowOrg(QPoint(round % 5 == 0 ? any() : 0, round % 7 == 0 ? any() : 0));
    const QPoint pts[] = {{any(), any()}, {any(), any()}, {5, 5}, {any(), any()}};
    dc.Rectangle(any(), any(), any(), any());
    dc.Ellipse(any(), any(), any(), any());
    dc.Polygon(pts);
    dc.Polyline(pts);
    dc.PolyBezier(pts);
    dc.Arc(any(), any(), any(), any(), {any(), any()}, {any(), any()});
    dc.FillRect(QRect(quarter(), quarter(), quarter(), quarter()), kGreen);
    dc.FloodFill(any() % 20, any() % 20, kBlack);
    const gdi::TriVertex rect[2] = {gdi::MakeVertex(any(), any(), kRed),
                                    gdi::MakeVertex(any(), any(), kBlue)};
    gdi::GradientFillRect(dc, rect, round % 2 == 0);
    const gdi::TriVertex tri[3] = {gdi::MakeVertex(any(), any(), kRed), gdi::MakeVertex(any(), 3, kBlue),
                                   gdi::MakeVertex(4, any(), kGreen)};
    gdi::GradientFillTriangle(dc, tri);
    gdi::TransparentBlt(dc, QRect(quarter(), quarter(), quarter(), quarter()), image,
                        QRect(quarter(), quarter(), quarter(), quarter()), kRed);
  }
  EXPECT_EQ(image.size(), QSize(16, 12));
}

}  // namespace
