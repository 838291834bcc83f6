#include "render/DesignTextLayout.h"

#include <gtest/gtest.h>

#include <cstring>

#include "core/Records.h"
#include "render/DesignTextFit.h"

namespace {

ObjectRecord Text(const char* bytes, QPoint centre = {100, 100}) {
  ObjectRecord r{};
  r.ObjClass = objclass::DText;
  r.ObjKind = objkind::DText;
  std::strncpy(r.Text, bytes, sizeof r.Text - 1);
  r.CenterX = centre.x();
  r.CenterY = centre.y();
  r.FontSize = 48;
  r.TextRotate = 1;
  return r;
}

std::vector<int> Xs(const std::vector<QPoint>& pts) {
  std::vector<int> xs;
  for (const QPoint& p : pts) xs.push_back(p.x());
  return xs;
}

TEST(DesignTextLayout, EveryByteTakesOneCellFromTheFirstCharacterOn) {
  struct Case {
    const char* name;
    const char* text;
    int charMargin;
    int frameWidth;
    std::vector<int> centres;
  } cases[] = {
      {"two cells of 20", "AB", 0, 40, {90, 110}},
      {"spacing widens frame and cells", "AB", 10, 60, {80, 110}},
      // A two-byte character sits on its first cell; the next one starts two cells on.
      {"double byte", "\x8a\xbf" "A", 0, 40, {90, 116}},
  };
  for (const Case& c : cases) {
    ObjectRecord r = Text(c.text);
    r.CharMargin = static_cast<std::uint16_t>(c.charMargin);
    const std::vector<Cp932Char> chars = SplitCp932(DesignTextBytes(r));
    const TextExtent e{40, 20, 20, 20};
    const Frame f = DesignFrame(r, e, 1.0f, static_cast<int>(chars.size()));
    EXPECT_EQ(f[1].x() - f[0].x(), c.frameWidth) << c.name;
    EXPECT_EQ(f[0].x(), 100 - c.frameWidth / 2) << c.name;
    const std::vector<QPoint> centres = CharCentres(r, ViewFrame(r, f, 1.0f), e, 1.0f, chars);
    EXPECT_EQ(Xs(centres), c.centres) << c.name;
    for (const QPoint& p : centres) EXPECT_EQ(p.y(), f[3].y() - 10) << c.name;  // half the height up
  }
}

TEST(DesignTextLayout, CharactersNeverSplitAndLoneLeadBytesStandAlone) {
  struct Case {
    QByteArray bytes;
    std::vector<int> lengths;
  } cases[] = {
      {"AB", {1, 1}},
      {"\x8a\xbf", {2}},
      {"A\x8a", {1, 1}},        // a lead byte before the end is a byte of its own
      {"\xfd\xfe" "A", {1, 1, 1}},  // bytes CP932 does not use lead nothing
      {"\xb1", {1}},            // half-width katakana
  };
  for (const Case& c : cases) {
    std::vector<int> lengths;
    for (const Cp932Char& ch : SplitCp932(c.bytes)) lengths.push_back(ch.length);
    EXPECT_EQ(lengths, c.lengths) << c.bytes.toHex().constData();
  }
  const std::vector<Cp932Char> chars = SplitCp932("A\x8a\xbf\xfd\xb1");
  EXPECT_EQ(Cp932Codes("A\x8a\xbf\xfd\xb1", chars), (std::vector<char32_t>{U'A', U'漢', 0, U'ｱ'}));

  // 50 bytes at most, never half a character: 49 bytes of "A" and a two-byte
  // character keep only the 49.
  ObjectRecord r = Text("");
  std::memset(r.Text, 'A', 49);
  std::memcpy(r.Text + 49, "\x8a\xbf", 2);
  EXPECT_EQ(DesignTextBytes(r).size(), 49);
}

TEST(DesignTextLayout, FramesAreKeptInsideTheSlideRightAndBottomFirst) {
  const QSize slide(200, 100);
  const auto frame = [](int l, int t, int r, int b) { return Frame{QPoint(l, t), QPoint(r, t), QPoint(r, b), QPoint(l, b)}; };
  EXPECT_EQ(KeepInside(frame(150, 10, 250, 30), slide)[0], QPoint(100, 10));
  EXPECT_EQ(KeepInside(frame(-20, -5, 30, 20), slide)[0], QPoint(0, 0));
  EXPECT_EQ(KeepInside(frame(-10, 80, 240, 120), slide)[2], QPoint(200, 100));  // wider: right edge wins
}

TEST(DesignTextLayout, CharactersTurnWithTheObjectOrByTheirOwnAngle) {
  ObjectRecord r = Text("A");
  r.Angle = 1.5707963;
  r.TextAngle = 0.5235987;
  EXPECT_EQ(CharDegrees(r), 89);  // trunc of 89.99999...
  r.CharOnlyRotate = 1;
  EXPECT_EQ(CharDegrees(r), 29);
  r.CharOnlyRotate = 0;
  r.TextRotate = 0;
  EXPECT_EQ(CharDegrees(r), 29);
}

// A font of 10 pixels per point and character, 1 point high per 2 pixels.
TextExtent FakeMeasure(const ObjectRecord& r) {
  const int chars = static_cast<int>(SplitCp932(DesignTextBytes(r)).size());
  return {r.FontSize * 10 * chars, r.FontSize * 2, r.FontSize * 10, r.FontSize * 2};
}

TEST(DesignTextFit, ShrinksTheFontThenCutsCharactersUntilTheFrameFits) {
  const QSize slide(300, 200);
  ObjectRecord r = Text("ABCDE", {150, 100});
  r.FontSize = 20;  // 1000 wide
  DesignTextFitResult fit = FitDesignText(r, slide, FakeMeasure);
  EXPECT_TRUE(fit.fontShrunk);
  EXPECT_FALSE(fit.textCut);
  EXPECT_EQ(r.FontSize, 6);  // 5 x 60 = 300
  EXPECT_EQ(r.Points[1].x - r.Points[0].x, 300);
  EXPECT_EQ(QByteArray(r.Text), "ABCDE");

  r.MarginL = 250;  // now even 2 points are too wide for five characters
  fit = FitDesignText(r, slide, FakeMeasure);
  EXPECT_TRUE(fit.textCut);
  EXPECT_EQ(r.FontSize, 2);
  EXPECT_EQ(QByteArray(r.Text), "AB");  // 250 + 2 x 20 = 290
  EXPECT_GE(r.Points[0].x, 0);
  EXPECT_LE(r.Points[2].x, 300);

  r.MarginL = 400;  // margins alone wider than the slide: the text empties, the loop ends
  fit = FitDesignText(r, slide, FakeMeasure);
  EXPECT_TRUE(fit.textCut);
  EXPECT_EQ(r.Text[0], '\0');
}

TEST(DesignTextFit, AFittingTextOnlyGetsItsFrameMovedInside) {
  ObjectRecord r = Text("AB", {290, 100});
  r.FontSize = 3;  // 60 x 6
  const DesignTextFitResult fit = FitDesignText(r, QSize(300, 200), FakeMeasure);
  EXPECT_FALSE(fit.fontShrunk || fit.textCut);
  EXPECT_EQ(r.Points[2].x, 300);
  EXPECT_EQ(r.Points[0].x, 240);
  EXPECT_EQ(r.PointNum, 4);
  EXPECT_EQ(r.CenterX, 290);  // the rotation centre stays
}

}  // namespace
