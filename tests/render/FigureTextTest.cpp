// Figure text as it lands on the slide: placement, cutting, pitch, colours,
// rotation and the text shadow, checked against the font's own metrics.
#include "render/FigureText.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "RenderFixtures.h"
#include "TextFixtures.h"
#include "base/Cp932.h"
#include "geometry/Angles.h"
#include "geometry/MathSub.h"
#include "render/SlideRenderer.h"

namespace {

using renderfixtures::At;
using renderfixtures::Box;
using textfixtures::PixelFont;
using textfixtures::PointsToPixels;

constexpr COLORREF kInk = 0x0000FF;
constexpr COLORREF kCell = 0x00C000;  // the text background shows each line's cell
constexpr int kTop = 0, kCentre = 1, kBottom = 2;

// A figure without fill or line at (100, 100), 300 x 200 units: its text box runs
// from (100, 100) to (399, 299) in slide units.
ObjectRecord TextFigure(const char* text, int fontSize = 12) {
  ObjectRecord o = Box(QRect(100, 100, 300, 200), kNoColor);
  StoreCp932(o.Text, sizeof o.Text, QString::fromUtf8(text));
  StoreCp932(o.FontName, sizeof o.FontName, QString::fromUtf8(textfixtures::kFace));
  o.FontSize = static_cast<std::uint16_t>(fontSize);
  o.LineMargin = 5;
  o.refText = kInk;
  o.refTextBk = kCell;
  return o;
}

// A horizontal run of cell or ink pixels: one drawn line, or what a later line left of it.
struct Band {
  int top, height, left, width;
};

// Rows with the same extent of `colours` pixels, top to bottom.
std::vector<Band> Bands(const QImage& image, std::initializer_list<COLORREF> colours) {
  std::vector<Band> bands;
  std::pair<int, int> previous{-1, -1};  // the last row's extent; none after an empty row
  for (int y = 0; y < image.height(); ++y) {
    int lo = image.width(), hi = -1;
    for (int x = 0; x < image.width(); ++x) {
      const COLORREF c = At(image, x, y);
      if (std::find(colours.begin(), colours.end(), c) == colours.end()) continue;
      lo = std::min(lo, x);
      hi = std::max(hi, x);
    }
    if (hi < 0) {
      previous = {-1, -1};
      continue;
    }
    if (previous == std::pair{lo, hi}) {
      ++bands.back().height;
    } else {
      bands.push_back({y, 1, lo, hi - lo + 1});
    }
    previous = std::pair{lo, hi};
  }
  return bands;
}

int CountOf(const QImage& image, COLORREF colour) {
  int n = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) n += At(image, x, y) == colour;
  return n;
}

class FigureTextTest : public ::testing::Test {
 protected:
  QImage Render(const ObjectRecord& o, float zoom = 1.0f) {
    renderfixtures::Reset(doc, 1);
    doc.AddObject(o);
    return RenderSlideImage(doc, 0, zoom);
  }

  Document doc;
};

// Lines "H", "HH", "HHH", ...: each cell is as wide as its number.
std::string Lines(int n) {
  std::string text;
  for (int i = 1; i <= n; ++i) text += std::string(i, 'H') + (i < n ? "\n" : "");
  return text;
}

TEST_F(FigureTextTest, OneTwoAndMoreLinesArePlacedByTheVerticalAlignment) {
  const QFontMetrics fm = textfixtures::Metrics(PixelFont(PointsToPixels(12)));
  const int h = fm.height();
  const int p = h;  // LineMargin 5
  const int ah = 199;
  const int f = ah / p;
  struct Case {
    int lines, alineV, firstY;  // y of the first line inside the box
  };
  const Case cases[] = {
      {1, kTop, 0},         {1, kCentre, (ah - h) / 2},           {1, kBottom, ah - h},
      {2, kTop, 0},         {2, kCentre, (ah - 2 * p) / 2},       {2, kBottom, ah - 2 * p},
      {3, kTop, 0},         {3, kCentre, (f - 3) / 2 * p},        {3, kBottom, (f - 3) * p},
  };
  for (const Case& c : cases) {
    ObjectRecord o = TextFigure(Lines(c.lines).c_str());
    o.AlineV = static_cast<std::uint16_t>(c.alineV);
    const std::vector<Band> bands = Bands(Render(o), {kCell, kInk});
    ASSERT_EQ(bands.size(), static_cast<std::size_t>(c.lines)) << c.lines << " lines, alignment " << c.alineV;
    for (int i = 0; i < c.lines; ++i) {
      // Down the left edge of the box (199 pixels from 100 to 298) in single precision.
      const int y = CMathSub::PointAlong(c.firstY + i * p, {100, 100}, {100, 298}).y();
      EXPECT_EQ(bands[i].top, y) << c.lines << " lines, alignment " << c.alineV << ", line " << i;
      EXPECT_EQ(bands[i].height, h);
      EXPECT_EQ(bands[i].left, 100);
      EXPECT_EQ(bands[i].width, fm.horizontalAdvance(QString(i + 1, 'H')));
    }
  }
}

TEST_F(FigureTextTest, LinesThatDoNotFitAreDroppedByTheAlignment) {
  const int p = textfixtures::Metrics(PixelFont(PointsToPixels(12))).height();
  struct Case {
    int alineV;
    std::vector<int> shown;  // numbers of the lines drawn
  };
  const Case cases[] = {{kTop, {1, 2}}, {kCentre, {2, 3}}, {kBottom, {4, 5}}};
  for (const Case& c : cases) {
    ObjectRecord o = TextFigure(Lines(5).c_str());
    o.MarginB = static_cast<std::uint16_t>(199 - (2 * p + p / 2));  // room for two lines
    o.AlineV = static_cast<std::uint16_t>(c.alineV);
    const std::vector<Band> bands = Bands(Render(o), {kCell, kInk});
    ASSERT_EQ(bands.size(), c.shown.size()) << "alignment " << c.alineV;
    const QFontMetrics fm = textfixtures::Metrics(PixelFont(PointsToPixels(12)));
    for (std::size_t i = 0; i < bands.size(); ++i) {
      EXPECT_EQ(bands[i].top, 100 + static_cast<int>(i) * p) << "alignment " << c.alineV;
      EXPECT_EQ(bands[i].width, fm.horizontalAdvance(QString(c.shown[i], 'H'))) << "alignment " << c.alineV;
    }
  }
}

TEST_F(FigureTextTest, ALongWordIsCutWithoutWrapAndContinuesWithWrap) {
  const QFontMetrics fm = textfixtures::Metrics(PixelFont(PointsToPixels(12)));
  const int aw = fm.horizontalAdvance(QString(7, 'H')) + fm.horizontalAdvance('H') / 2;
  ObjectRecord o = TextFigure(std::string(20, 'H').c_str());
  o.MarginR = static_cast<std::uint16_t>(299 - aw);
  o.LineMargin = 10;  // a gap between the lines keeps equal lines apart
  const std::vector<Band> cut = Bands(Render(o), {kCell, kInk});
  ASSERT_EQ(cut.size(), 1u);
  EXPECT_EQ(cut[0].width, fm.horizontalAdvance(QString(7, 'H')));

  o.WordWrap = 1;
  const std::vector<Band> wrapped = Bands(Render(o), {kCell, kInk});
  ASSERT_EQ(wrapped.size(), 3u);
  for (int i = 0; i < 3; ++i)
    EXPECT_EQ(wrapped[i].width, fm.horizontalAdvance(QString(i < 2 ? 7 : 6, 'H'))) << "line " << i;
}

TEST_F(FigureTextTest, ABoxNarrowerThanACharacterShowsThatLineEmptyAndGoesOn) {
  ObjectRecord o = TextFigure("日日\nii", 36);
  const QFontMetrics fm = textfixtures::Metrics(PixelFont(PointsToPixels(36)));
  const int aw = fm.horizontalAdvance(QString::fromUtf8("日")) - 1;
  ASSERT_GT(aw, fm.horizontalAdvance("ii"));
  o.MarginR = static_cast<std::uint16_t>(299 - aw);
  o.WordWrap = 1;
  const std::vector<Band> bands = Bands(Render(o), {kCell, kInk});
  ASSERT_EQ(bands.size(), 1u);
  EXPECT_EQ(bands[0].top, 100 + fm.height());  // the second line, in its own place
  EXPECT_EQ(bands[0].width, fm.horizontalAdvance("ii"));
}

TEST_F(FigureTextTest, LineMarginMovesThePitchByFiveTimesTheZoom) {
  // 11 points at zoom 1.5 are drawn at 16 points, not at 11 points' pixels times 1.5.
  const int h = textfixtures::Metrics(PixelFont(PointsToPixels(16))).height();
  struct Case {
    int lineMargin, pitch;
  };
  for (const Case& c : {Case{0, h - 7}, Case{10, h + 7}}) {
    ObjectRecord o = TextFigure(Lines(3).c_str(), 11);
    o.LineMargin = static_cast<std::uint16_t>(c.lineMargin);
    const std::vector<Band> bands = Bands(Render(o, 1.5f), {kCell, kInk});
    ASSERT_EQ(bands.size(), 3u) << "LineMargin " << c.lineMargin;
    for (int i = 0; i < 3; ++i) {
      // The box's left edge runs from (150, 150) to (150, 447).
      const int y = CMathSub::PointAlong(i * c.pitch, {150, 150}, {150, 447}).y();
      EXPECT_EQ(bands[i].top, y) << "LineMargin " << c.lineMargin << ", line " << i;
    }
    EXPECT_EQ(bands[2].height, h);
  }
}

TEST_F(FigureTextTest, HorizontalAlignmentUsesTheWidthInsideTheMargins) {
  const QFontMetrics fm = textfixtures::Metrics(PixelFont(PointsToPixels(12)));
  const int wi = fm.horizontalAdvance("HHH");
  const int aw = 299 - 10 - 30;
  for (const auto& [alineH, shift] : {std::pair{0, 0}, {1, (aw - wi) / 2}, {2, aw - wi}}) {
    ObjectRecord o = TextFigure("HHH");
    o.MarginL = 10;
    o.MarginR = 30;
    o.AlineH = static_cast<std::uint16_t>(alineH);
    const std::vector<Band> bands = Bands(Render(o), {kCell, kInk});
    ASSERT_EQ(bands.size(), 1u);
    EXPECT_EQ(bands[0].left, CMathSub::PointAlong(shift, {110, 100}, {110 + aw - 1, 100}).x())
        << "alignment " << alineH;
  }
}

TEST_F(FigureTextTest, BlackAndKeyColouredTextAreSubstituted) {
  struct Case {
    COLORREF refText, drawn, never;
  };
  const Case cases[] = {
      {0x000000, 0x000800, 0x000000},
      {kTransKey, 0x000000, kTransKey},
      {0x123456, 0x123456, 0x000000},
  };
  for (const Case& c : cases) {
    ObjectRecord o = TextFigure("HHHH", 24);
    o.refText = c.refText;
    o.refTextBk = kNoColor;
    const QImage image = Render(o);
    EXPECT_GT(CountOf(image, c.drawn), 0) << std::hex << c.refText;
    EXPECT_EQ(CountOf(image, c.never), 0) << std::hex << c.refText;
  }
}

TEST_F(FigureTextTest, TurnedTextKeepsInsideTheRightAndBottomMargins) {
  const QFontMetrics fm = textfixtures::Metrics(PixelFont(PointsToPixels(12)));
  ObjectRecord o = TextFigure("HHHHHH");
  o.TextRotate = 1;
  o.Angle = kPi;  // upside down: the line starts at the bottom right
  o.MarginR = 60;
  o.MarginB = 50;
  QRect cell;
  const QImage image = Render(o);
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (At(image, x, y) == kCell || At(image, x, y) == kInk) cell |= QRect(x, y, 1, 1);
  // The turned outline spans about 100..398 by 100..298.
  EXPECT_NEAR(cell.right(), 398 - 60 - 1, 2);
  EXPECT_NEAR(cell.bottom(), 298 - 50 - 1, 2);
  EXPECT_NEAR(cell.width(), fm.horizontalAdvance("HHHHHH"), 1);
  EXPECT_NEAR(cell.height(), fm.height(), 1);

  o.Angle = kHalfPi;  // a quarter turn: the line runs upward
  cell = QRect();
  const QImage upward = Render(o);
  for (int y = 0; y < upward.height(); ++y)
    for (int x = 0; x < upward.width(); ++x)
      if (At(upward, x, y) == kCell || At(upward, x, y) == kInk) cell |= QRect(x, y, 1, 1);
  EXPECT_NEAR(cell.height(), fm.horizontalAdvance("HHHHHH"), 1);
  EXPECT_NEAR(cell.width(), fm.height(), 1);
}

TEST_F(FigureTextTest, TextShadowOnlyForUnfilledFiguresWithAShadow) {
  constexpr COLORREF kGrey = 0x808080;
  struct Case {
    COLORREF fill, shadow;
    int dx, dy, light;
    bool drawn;
  };
  const Case cases[] = {
      {kNoColor, kGrey, 4, 4, 0, true},
      {0xFFFFFF, kGrey, 4, 4, 0, false},  // a filled figure casts its own shadow
      {kNoColor, kNoColor, 4, 4, 0, false},
      {kNoColor, kGrey, 0, 0, 0, false},
      {kNoColor, kGrey, 4, 4, 4, false},  // light from straight above
  };
  for (const Case& c : cases) {
    ObjectRecord o = TextFigure("HHHH", 24);
    o.refTextBk = kNoColor;
    o.refMen = c.fill;
    o.refKage = c.shadow;
    o.KageX = c.dx;
    o.KageY = c.dy;
    o.LightDir = static_cast<std::uint16_t>(c.light);
    const QImage image = Render(o);
    // Inside the figure, where a figure shadow never shows.
    const int grey = CountOf(image.copy(100, 100, 300, 200), kGrey);
    EXPECT_EQ(grey > 0, c.drawn) << "fill " << c.fill << " shadow " << c.shadow << " light " << c.light;
  }
}

TEST_F(FigureTextTest, TheTextShadowLandsWhereTheLightThrowsIt) {
  constexpr COLORREF kGrey = 0x808080;
  ObjectRecord o = TextFigure("HHHH", 24);
  o.refTextBk = kNoColor;
  const QImage plain = Render(o);
  o.refKage = kGrey;
  o.KageX = 5;
  o.KageY = 3;
  for (const auto& [light, shift] : {std::pair{0, QPoint(5, 3)}, {7, QPoint(0, -3)}}) {
    o.LightDir = static_cast<std::uint16_t>(light);
    const QImage image = Render(o);
    int grey = 0;
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x)
        if (At(image, x, y) == kGrey) {
          ++grey;
          EXPECT_EQ(At(plain, x - shift.x(), y - shift.y()), kInk) << "light " << light;
        }
    EXPECT_GT(grey, 0) << "light " << light;
  }
}

}  // namespace

namespace {

TEST_F(FigureTextTest, PrintedTextKeepsItsPointSizeAtThePrintedResolution) {
  // At 2.5 times the slide a printer draws 11 points at 240 dots per inch (37
  // pixels); the screen rule would first cut 27.5 points to 27 (36 pixels).
  EXPECT_EQ(ScaleFont(11, 2.5f, true, 96).points, 11);
  EXPECT_EQ(ScaleFont(11, 2.5f, true, 96).dpi, 240);
  EXPECT_EQ(ScaleFont(11, 2.5f, false, 96).points, 27);
  EXPECT_EQ(ScaleFont(11, 2.5f, false, 96).dpi, 96);

  renderfixtures::Reset(doc, 1);
  doc.AddObject(TextFigure("HH", 11));
  const QSize printed(doc.Header().SlideW * 5 / 2, doc.Header().SlideH * 5 / 2);
  const std::vector<Band> onPaper = Bands(RenderPrintedSlide(doc, 0, printed), {kCell, kInk});
  const std::vector<Band> onScreen = Bands(RenderSlideImage(doc, 0, 2.5f), {kCell, kInk});
  ASSERT_EQ(onPaper.size(), 1u);
  ASSERT_EQ(onScreen.size(), 1u);
  EXPECT_EQ(onPaper[0].height, textfixtures::Metrics(PixelFont(MulDiv(11, 240, 72))).height());
  EXPECT_EQ(onScreen[0].height, textfixtures::Metrics(PixelFont(MulDiv(27, 96, 72))).height());
  // Both start at the same place in the figure.
  EXPECT_EQ(onPaper[0].left, onScreen[0].left);
}

}  // namespace
