// Faces, line looks, line ends, gradients and shadows, checked on the rendered slide.
#include "render/FigureStyle.h"

#include <gtest/gtest.h>

#include <tuple>

#include "RenderFixtures.h"
#include "geometry/Angles.h"
#include "geometry/MathSub.h"
#include "geometry/Rotation.h"
#include "render/FigurePipeline.h"
#include "render/Gradient.h"
#include "render/LineEnds.h"
#include "render/SlideRenderer.h"
#include "render/gdi/Dc.h"
#include "render/gdi/Rotate.h"
#include "tests/geometry/OutlineFixtures.h"

namespace {

using renderfixtures::At;

constexpr COLORREF kGrey = 0x808080;
constexpr COLORREF kRed = 0x0000FF;
constexpr COLORREF kDarkRed = 0x000080;
constexpr COLORREF kBlue = 0xFF0000;
constexpr COLORREF kBlack = 0x000000;
const QRect kInside(1, 1, 1044, 716);  // the slide without its frame, which is white outside the editor

ObjectRecord Styled(ObjectRecord r, COLORREF fill, COLORREF line) {
  r.refMen = fill;
  r.refLine = line;
  r.refSecondMen = kDarkRed;
  r.Futosa = 2;
  r.GradePattern = -1;
  r.refKage = kNoColor;
  for (LineEnd& e : r.Ends) e = LineEnd{0, 0, 0, {}, kNoColor, kNoColor, 1, 0};
  return r;
}

ObjectRecord HorizontalLine(QPoint from, QPoint to, COLORREF colour, int width) {
  ObjectRecord r = Styled(FigureWith(objkind::Line, {from, to}, (from + to) / 2), kNoColor, colour);
  r.Futosa = static_cast<std::uint16_t>(width);
  return r;
}

class FigureStyleTest : public ::testing::Test {
 protected:
  void SetUp() override {
    renderfixtures::Reset(doc, 1);
    doc.Header().refBack = kGrey;
    doc.Header().refFrame = kGrey;
  }
  QImage Render(const ObjectRecord& r, float zoom = 1.0f) {
    doc.AddObject(r);
    return RenderSlideImage(doc, 0, zoom);
  }
  // The run of non-background pixels down column x through y.
  static int RunDown(const QImage& image, int x, int y) {
    int top = y, bottom = y;
    while (top > 0 && At(image, x, top - 1) != kGrey) --top;
    while (bottom + 1 < image.height() && At(image, x, bottom + 1) != kGrey) ++bottom;
    return At(image, x, y) == kGrey ? 0 : bottom - top + 1;
  }
  static int Count(const QImage& image, COLORREF c, QRect area) {
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
      for (int x = area.left(); x <= area.right(); ++x) n += At(image, x, y) == c;
    return n;
  }
  Document doc;
};

// Solid figures: lit faces in the fill colour, shaded faces in the second colour.
TEST_F(FigureStyleTest, SolidFiguresShadeTheirFacesWithTheSecondColour) {
  struct Case {
    int kind;
    std::vector<std::pair<int, int>> fill, second;  // seeds as vertex pairs
  };
  const Case cases[] = {
      {objkind::Cube, {{0, 2}}, {{1, 7}, {3, 7}}},
      {objkind::Button, {{0, 2}, {0, 6}, {6, 2}}, {{0, 12}, {1, 9}}},
      {objkind::Job, {{1, 5}}, {{0, 8}, {2, 4}}},
      {objkind::Cylinder, {{5, 11}}, {{0, 3}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.kind);
    SetUp();
    const ObjectRecord r = Styled(MakeFigure(c.kind), kRed, kBlack);
    const QImage image = Render(r);
    const std::vector<QPoint> p = RotatePoints(r, 1.0f);
    for (auto [a, b] : c.fill) EXPECT_EQ(At(image, CMathSub::MidPoint(p[a], p[b]).x(), CMathSub::MidPoint(p[a], p[b]).y()), kRed);
    for (auto [a, b] : c.second)
      EXPECT_EQ(At(image, CMathSub::MidPoint(p[a], p[b]).x(), CMathSub::MidPoint(p[a], p[b]).y()), kDarkRed);
    EXPECT_EQ(At(image, 5, 5), kGrey);
  }
}

// The exterior is restored to transparent whatever the fill: a black figure without a
// line stays black, and one whose fill equals its line colour keeps its inside.
TEST_F(FigureStyleTest, FillsSurviveTheExteriorRestore) {
  const std::pair<COLORREF, COLORREF> looks[] = {{kBlack, kNoColor}, {kRed, kRed}, {kRed, kBlack}};
  for (auto [fill, line] : looks) {
    SCOPED_TRACE(testing::Message() << fill << " " << line);
    for (const FactoryShape& shape : FactoryShapes()) {
      if (shape.kind == objkind::Line) continue;
      SCOPED_TRACE(testing::Message() << "kind " << shape.kind << " variant " << shape.variant);
      SetUp();
      ObjectRecord r = Styled(MakeFigure(shape.kind, shape.variant, shape.n), fill, line);
      r.refSecondMen = fill;
      const QImage image = Render(r);
      const Bounds b = CMathSub::BoundingRect(RotatePoints(r, 1.0f));
      const QRect box(QPoint(b.left, b.top), QPoint(b.right, b.bottom));
      EXPECT_GT(Count(image, fill, box), box.width() * box.height() / 4);
      EXPECT_EQ(Count(image, fill, QRect(0, 0, 1046, b.top - 3)), 0);
      EXPECT_EQ(Count(image, kTransKey, kInside), 0);
    }
  }
}

// Without a line a figure keeps its edge: nothing see-through runs round it.
TEST_F(FigureStyleTest, AFigureWithoutALineIsFilledToItsEdge) {
  const QImage image = Render(Styled(renderfixtures::Box(QRect(100, 100, 200, 100), kBlack), kBlack, kNoColor));
  for (const QPoint p : {QPoint(150, 100), QPoint(100, 150), QPoint(298, 150), QPoint(150, 198)})
    EXPECT_EQ(At(image, p.x(), p.y()), kBlack) << p.x() << "," << p.y();
  EXPECT_EQ(At(image, 150, 98), kGrey);
}

TEST_F(FigureStyleTest, APolygonDrawnEitherWayRoundIsFilled) {
  const std::vector<QPoint> clockwise{{100, 100}, {300, 100}, {300, 200}, {100, 200}};
  const std::vector<QPoint> anticlockwise(clockwise.rbegin(), clockwise.rend());
  for (const auto& pts : {clockwise, anticlockwise}) {
    SetUp();
    const QImage image = Render(Styled(FigureWith(objkind::Polygon, pts, {200, 150}), kRed, kBlack));
    EXPECT_EQ(At(image, 200, 150), kRed);
    EXPECT_EQ(At(image, 102, 102), kRed);
  }
}

// W = 1: t = u = 1, outer 3, inner 1; W = 4: outer 5, inner 1; W = 8: outer 10, inner 2.
TEST_F(FigureStyleTest, DoubleLineIsAWhiteLineInsideAWiderOne) {
  const struct { int w, outer, inner; } cases[] = {{1, 3, 1}, {4, 5, 1}, {8, 10, 2}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.w);
    SetUp();
    ObjectRecord r = HorizontalLine({100, 300}, {500, 300}, kBlue, c.w);
    r.LineStyle = 5;
    const QImage image = Render(r);
    EXPECT_EQ(RunDown(image, 300, 300), c.outer);
    EXPECT_EQ(Count(image, kWhite, QRect(300, 280, 1, 40)), c.inner);
    EXPECT_EQ(Count(image, kBlue, QRect(300, 280, 1, 40)), c.outer - c.inner);
  }
}

TEST_F(FigureStyleTest, LineWidthsFollowTheZoomWithAFixedPenForWidthZero) {
  const struct { int w; float zoom; int px; } cases[] = {{0, 1, 2}, {0, 3, 2}, {1, 0.5f, 1}, {6, 1, 6}, {6, 1.5f, 9}};
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.w << " at " << c.zoom);
    SetUp();
    const QImage image = Render(HorizontalLine({100, 300}, {500, 300}, kBlue, c.w), c.zoom);
    const int y = static_cast<int>(300 * c.zoom);
    EXPECT_EQ(Count(image, kBlue, QRect(static_cast<int>(300 * c.zoom), y - 20, 1, 40)), c.px);
  }
}

// Thin outlines of figures are softened by a 2-pixel stroke in the lightened colour.
TEST_F(FigureStyleTest, AThinOutlineHasASoftEdge) {
  ObjectRecord r = Styled(FigureWith(objkind::Polygon, {{100, 100}, {300, 100}, {300, 200}, {100, 200}}, {200, 150}),
                          kWhite, 0x302010);
  r.Futosa = 1;
  const QImage image = Render(r);
  const COLORREF soft = 0xB0A090;
  int softPixels = 0;
  for (int y = 97; y <= 103; ++y) softPixels += At(image, 200, y) == soft;
  EXPECT_EQ(softPixels, 1);
  EXPECT_EQ(Count(image, 0x302010, QRect(200, 97, 1, 7)), 1);
  r.Futosa = 2;
  SetUp();
  EXPECT_EQ(Count(Render(r), soft, kInside), 0);
}

// Paths of 1, 2 or 4 points end square, longer ones round.
TEST_F(FigureStyleTest, CapsAreSquareForFourPointsAndRoundForSeven) {
  for (int n : {4, 7}) {
    SCOPED_TRACE(n);
    SetUp();
    std::vector<QPoint> pts;
    for (int i = 0; i < n; ++i) pts.push_back({100 + 50 * i, 300});
    ObjectRecord r = Styled(FigureWith(objkind::Line, pts, {300, 300}), kNoColor, kBlue);
    r.Futosa = 20;
    const QImage image = Render(r);
    const int end = 100 + 50 * (n - 1);
    // A square cap fills the corner half a width beyond the end; a round one does not.
    EXPECT_EQ(At(image, end + 8, 300 - 8) == kBlue, n == 4);
    EXPECT_EQ(At(image, end + 8, 300), kBlue);
  }
}

// EndLen 3, EndSize 2 at zoom 1: the line is pulled back 2 x 3 + 8 = 14 pixels and the head
// is 2 + 5 = 7 pixels wide at its base, its tip on the end vertex.
TEST_F(FigureStyleTest, ArrowEndPullsTheLineBackUnderItsHead) {
  ObjectRecord r = HorizontalLine({500, 300}, {100, 300}, kBlue, 1);
  r.Ends[1] = LineEnd{1, 3, 2, {}, kRed, kRed, 1, 0};
  const QImage image = Render(r);
  int leftmostBlue = 500;
  for (int x = 80; x < 500; ++x)
    if (At(image, x, 300) == kBlue) leftmostBlue = std::min(leftmostBlue, x);
  EXPECT_EQ(leftmostBlue, 100 + 14 + 1);  // a thin line leaves out its last pixel
  EXPECT_EQ(At(image, 100, 300), kRed);   // the tip
  EXPECT_EQ(At(image, 99, 300), kGrey);
  EXPECT_EQ(RunDown(image, 114, 300), 7);  // the base
}

TEST_F(FigureStyleTest, CircleAndSquareEndsSitOnTheVertex) {
  for (int style : {2, 3}) {
    SCOPED_TRACE(style);
    SetUp();
    ObjectRecord r = HorizontalLine({100, 300}, {500, 300}, kBlue, 1);
    r.Ends[0] = LineEnd{static_cast<std::uint16_t>(style), 7, 7, {}, kRed, kNoColor, 1, 0};
    const QImage image = Render(r);
    // Half-width and half-height (7 + 3) around (100, 300); the corner only for the square.
    EXPECT_EQ(At(image, 92, 300), kRed);
    EXPECT_EQ(At(image, 100, 292), kRed);
    EXPECT_EQ(At(image, 92, 292) == kRed, style == 3);
    EXPECT_EQ(At(image, 111, 300), kBlue);  // the line is not pulled back
  }
}

// A zero-length end segment draws no head and does not fail; a pull-back longer than the
// segment stops at the neighbouring vertex.
TEST_F(FigureStyleTest, ShortEndSegmentsAreSafe) {
  ObjectRecord r = Styled(FigureWith(objkind::Line, {{100, 300}, {100, 300}, {400, 300}}, {250, 300}), kNoColor, kBlue);
  r.Ends[0] = LineEnd{1, 3, 2, {}, kRed, kRed, 1, 0};
  EXPECT_EQ(Count(Render(r), kRed, kInside), 0);

  SetUp();
  const std::vector<QPoint> pts{{100, 300}, {105, 300}, {400, 300}};
  r = Styled(FigureWith(objkind::Line, pts, {250, 300}), kNoColor, kBlue);
  r.Ends[0] = LineEnd{1, 30, 2, {}, kRed, kNoColor, 1, 0};
  EXPECT_EQ(PullBackArrowEnds(r, pts, 1.0f), (std::vector<QPoint>{{105, 300}, {105, 300}, {400, 300}}));
}

// Gradients

COLORREF Colour(int i) { return gdi::Rgb(10 * i, 255 - 10 * i, 7 * i); }

struct GradientColours {
  COLORREF c[kGradeColours];
  GradientColours() {
    for (int i = 0; i < kGradeColours; ++i) c[i] = Colour(i);
  }
};

TEST(Gradient, ReferencePointsDivideTheEdgesInQuarters) {
  const auto p = ReferencePoints(QRect(10, 20, 100, 60));
  EXPECT_EQ(p[0], QPoint(10, 20));
  EXPECT_EQ(p[2], QPoint(110, 80));
  EXPECT_EQ(p[8], QPoint(60, 50));
  EXPECT_EQ(p[10], QPoint(85, 20));
  EXPECT_EQ(p[12], QPoint(110, 65));
  EXPECT_EQ(p[16], QPoint(10, 35));
}

// Every pattern starts exactly on the colour of its reference corner; the patterns that
// meet in the centre have the centre's colour there; 7, 8 and 9 paint nothing.
TEST(Gradient, ColoursAreExactAtTheirReferencePoints) {
  const GradientColours colours;
  for (int pattern = 0; pattern < kGradePatterns; ++pattern) {
    SCOPED_TRACE(pattern);
    QImage image(100, 60, QImage::Format_RGB32);
    image.fill(Qt::black);
    gdi::Dc dc(image);
    FillGradient(dc, colours.c, pattern, image.rect());
    if (pattern >= 7 && pattern <= 9) {
      EXPECT_EQ(At(image, 0, 0), kBlack);
      EXPECT_EQ(At(image, 50, 30), kBlack);
      continue;
    }
    EXPECT_EQ(At(image, 0, 0), Colour(0));
    if (pattern == 12 || pattern == 13 || pattern == 16) {
      EXPECT_EQ(At(image, 50, 30), Colour(8));
    }
    EXPECT_NE(At(image, 99, 59), kBlack);
  }
  QImage image(100, 60, QImage::Format_RGB32);
  gdi::Dc dc(image);
  FillGradient(dc, colours.c, 2, image.rect());  // {0, 6} then {4, 2}
  EXPECT_EQ(At(image, 50, 0), Colour(4));
  EXPECT_EQ(At(image, 50, 59), Colour(4));
  FillGradient(dc, colours.c, 6, image.rect());  // vertical {0, 11}, {16, 5}, {7, 12}, {15, 2}
  EXPECT_EQ(At(image, 0, 15), Colour(16));
  EXPECT_EQ(At(image, 0, 45), Colour(15));
}

// Turning with the object paints and turns only the asked-for area of the cut-out: the same
// pixels as turning the whole 1.5 x square and cutting out its middle.
TEST(Gradient, TurningGradientIsTheMiddleOfTheTurnedSquare) {
  const GradientColours colours;
  ObjectRecord r{};
  std::copy(std::begin(colours.c), std::end(colours.c), r.refGrade);
  r.GradeRound = 1;
  for (const auto& [w, h, angle] : {std::tuple{40, 30, 0.3}, {25, 60, 2.0}, {33, 33, kPi / 4}, {50, 20, 5.5}}) {
    for (int pattern : {0, 3, 13, 16}) {
      SCOPED_TRACE(testing::Message() << w << "x" << h << " at " << angle << " pattern " << pattern);
      r.GradePattern = pattern;
      r.Angle = angle;
      const int side = static_cast<int>(1.5 * std::max(w, h));
      QImage square(side, side, QImage::Format_RGB32);
      square.fill(gdi::ToQRgb(kTransKey));
      gdi::Dc dc(square);
      FillGradient(dc, colours.c, pattern, square.rect());
      const auto turned = gdi::RotateImage(square, angle, kTransKey);
      ASSERT_TRUE(turned);
      const QImage expected = turned->copy((turned->width() - w) / 2, (turned->height() - h) / 2, w, h);
      const QRect area(w / 4, h / 3, w / 2, h / 2);
      const auto actual = GradientForObject(r, QSize(w, h), area);
      ASSERT_TRUE(actual);
      EXPECT_EQ(actual->copy(area), expected.copy(area));
      EXPECT_EQ(At(*actual, 0, 0), kTransKey);  // outside the area
    }
  }
}

// Horizontal pattern from red on the left to blue on the right; turned by a quarter it runs
// down the figure when it turns with the object, and stays across it when it does not.
TEST_F(FigureStyleTest, GradientTurnsWithTheObjectOnlyWhenAskedTo) {
  for (int round : {0, 1}) {
    SCOPED_TRACE(round);
    SetUp();
    ObjectRecord r = Styled(FigureWith(objkind::Polygon, {{100, 100}, {300, 100}, {300, 300}, {100, 300}}, {200, 200}),
                            kRed, kNoColor);
    r.GradePattern = 0;
    r.GradeRound = round;
    r.Angle = kPi / 2;
    for (COLORREF& c : r.refGrade) c = kRed;
    r.refGrade[1] = r.refGrade[2] = r.refGrade[5] = r.refGrade[11] = r.refGrade[12] = kBlue;
    const QImage image = Render(r);
    const COLORREF left = At(image, 130, 200), right = At(image, 270, 200);
    const COLORREF top = At(image, 200, 130), bottom = At(image, 200, 270);
    if (round) {
      EXPECT_EQ(left, right);
      EXPECT_NE(top, bottom);
    } else {
      EXPECT_NE(left, right);
      EXPECT_EQ(top, bottom);
      EXPECT_GT(gdi::RedOf(left), gdi::RedOf(right));
    }
  }
}

// Shadows

constexpr COLORREF kShadow = 0x00C000;

ObjectRecord Shadowed(ObjectRecord r, int dir, int dx, int dy, COLORREF colour = kShadow) {
  r.LightDir = static_cast<std::uint16_t>(dir);
  r.KageX = dx;
  r.KageY = dy;
  r.refKage = colour;
  return r;
}

QRect Extent(const QImage& image, COLORREF c) {
  QRect e;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (At(image, x, y) == c) e |= QRect(x, y, 1, 1);
  return e;
}

TEST_F(FigureStyleTest, ShadowsFallAwayFromTheLight) {
  const ObjectRecord box = Styled(renderfixtures::Box(QRect(200, 200, 100, 100), kRed), kRed, kNoColor);
  const struct { int dir; QPoint shift; } cases[] = {
      {0, {8, 6}}, {1, {0, 6}}, {2, {-8, 6}}, {3, {8, 0}}, {5, {-8, 0}}, {6, {8, -6}}, {7, {0, -6}}, {8, {-8, -6}}, {9, {-8, -6}}};
  const QRect figure = Extent(Render(box), kRed);
  for (const auto& c : cases) {
    SCOPED_TRACE(c.dir);
    SetUp();
    const QImage image = Render(Shadowed(box, c.dir, 8, 6));
    EXPECT_EQ(Extent(image, kRed), figure);
    EXPECT_EQ(Extent(image, kShadow) | figure, figure | figure.translated(c.shift));
  }
}

// Light from straight above: the figure's buffer is stretched 2 x 5 pixels wider and
// higher and centred on it, so the shadow shows all round.
TEST_F(FigureStyleTest, LightFromAboveSpreadsTheShadowAllRound) {
  const ObjectRecord box = Styled(renderfixtures::Box(QRect(200, 200, 100, 100), kRed), kRed, kNoColor);
  const QImage image = Render(Shadowed(box, 4, 5, 5));
  const QRect figure = Extent(image, kRed);
  const QRect shadow = Extent(image, kShadow) | figure;
  const double buffer = 99 + 2 * FigureMargin(box);
  EXPECT_NEAR(shadow.width(), figure.width() * (buffer + 10) / buffer, 1);
  EXPECT_NEAR(shadow.height(), figure.height() * (buffer + 10) / buffer, 1);
  EXPECT_NEAR(shadow.center().x(), figure.center().x(), 1);
  EXPECT_NEAR(shadow.center().y(), figure.center().y(), 1);
}

TEST_F(FigureStyleTest, ShadowHasTheFigureShapeAndNeedsAFill) {
  ObjectRecord circle = Styled(MakeFigure(objkind::Ellipse, 10, 0, {300, 300}), kRed, kBlack);
  const Bounds b = CMathSub::BoundingRect(RotatePoints(circle, 1.0f));
  QImage image = Render(Shadowed(circle, 0, 20, 20));
  EXPECT_EQ(At(image, b.right + 18, b.bottom + 18), kGrey);  // the box's corner: no shadow
  EXPECT_EQ(At(image, b.right + 10, (b.top + b.bottom) / 2 + 20), kShadow);

  SetUp();
  EXPECT_EQ(Count(Render(Shadowed(circle, 0, 20, 20, kWhite)), kWhite, kInside), 0);
  SetUp();
  circle.refMen = kNoColor;
  EXPECT_EQ(Count(Render(Shadowed(circle, 0, 20, 20)), kShadow, kInside), 0);
  SetUp();
  circle.refMen = kRed;
  EXPECT_EQ(Count(Render(Shadowed(circle, 0, 20, 20, kNoColor)), kShadow, kInside), 0);
}

TEST_F(FigureStyleTest, AnImageCastsTheShadowOfItsFrame) {
  ObjectRecord r = renderfixtures::Box(QRect(200, 200, 100, 80), kNoColor);
  r.ObjClass = objclass::Image;
  r.ObjKind = objkind::Image;
  QImage picture(100, 80, QImage::Format_RGB32);
  picture.fill(Qt::red);
  r.Picture = doc.Pictures().Add(Picture::Wrap(picture));
  const QImage image = Render(Shadowed(r, 0, 10, 10));
  const QRect drawn = Extent(image, kRed);
  EXPECT_EQ(Extent(image, kShadow) | drawn, drawn | drawn.translated(10, 10));
}

// Regression picture: solid faces, a double line and decorated ends, whose pixels follow
// from the integer rules alone (no fonts, no smoothing). TESSALY_UPDATE_GOLDEN=1 rewrites it.
TEST_F(FigureStyleTest, StyledFiguresMatchTheirRegressionPicture) {
  doc.Header().SlideW = 420;
  doc.Header().SlideH = 200;
  auto shrunk = [](ObjectRecord r) {
    for (int k = 0; k < r.PointNum; ++k) {
      r.Points[k].x = r.CenterX + (r.Points[k].x - r.CenterX) / 3;
      r.Points[k].y = r.CenterY + (r.Points[k].y - r.CenterY) / 3;
    }
    return r;
  };
  doc.AddObject(Shadowed(Styled(shrunk(MakeFigure(objkind::Cube, 0, 0, {70, 70})), kRed, kBlack), 0, 4, 4, kBlack));
  doc.AddObject(Styled(shrunk(MakeFigure(objkind::Button, 0, 0, {190, 70})), 0x40A0F0, 0x603010));
  ObjectRecord star = Styled(shrunk(MakeFigure(objkind::Star, 0, 6, {320, 70})), kWhite, kBlue);
  star.GradePattern = 13;
  for (int c = 0; c < kGradeColours; ++c) star.refGrade[c] = gdi::Rgb(15 * c, 255 - 15 * c, 128);
  star.Futosa = 1;
  doc.AddObject(Shadowed(star, 4, 3, 3));
  ObjectRecord twin = HorizontalLine({30, 150}, {180, 150}, kBlue, 4);
  twin.LineStyle = 5;
  doc.AddObject(twin);
  ObjectRecord ends = HorizontalLine({220, 170}, {390, 130}, kBlack, 2);
  ends.Ends[0] = LineEnd{2, 4, 4, {}, kRed, kBlack, 1, 0};
  ends.Ends[1] = LineEnd{1, 3, 4, {}, kBlue, kNoColor, 1, 0};
  doc.AddObject(ends);
  const QImage image = RenderSlideImage(doc, 0, 1.0f);

  const QString golden = QStringLiteral(TESSALY_TEST_DATA "/render/styled-figures.png");
  if (qEnvironmentVariableIsSet("TESSALY_UPDATE_GOLDEN")) {
    ASSERT_TRUE(image.save(golden));
  }
  const QImage expected = QImage(golden).convertToFormat(QImage::Format_RGB32);
  ASSERT_EQ(expected.size(), image.size()) << "missing or resized: " << golden.toStdString();
  int differences = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) differences += At(image, x, y) != At(expected, x, y);
  EXPECT_EQ(differences, 0);
}

}  // namespace
