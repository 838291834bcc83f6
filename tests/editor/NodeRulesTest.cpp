#include "editor/NodeRules.h"

#include <gtest/gtest.h>

#include "core/Records.h"

namespace {

TEST(NodeRules, AngleSpinPosition) {
  const std::pair<double, int> cases[] = {
      {0.0, 0}, {0.5, 332}, {6.283185307 + 0.5, 332}, {361 * 3.14159265358979 / 180 + 1e-9, 359},
      {3.1416, 180}, {3.14159, 181}};  // truncation: just below half a turn is 179 degrees
  for (const auto& [angle, want] : cases) EXPECT_EQ(AngleSpinPosition(angle), want) << angle;
}

TEST(NodeRules, ByteCountGroupsFourToNineDigits) {
  const std::pair<qint64, const char*> cases[] = {
      {0, "0byte"}, {999, "999byte"}, {1234, "1,234byte"}, {1234567, "1,234,567byte"},
      {123456789, "123,456,789byte"}, {1234567890, "1234567890byte"}};
  for (const auto& [n, want] : cases) EXPECT_EQ(ByteCountText(n), QString::fromUtf8(want)) << n;
}

TEST(NodeRules, AspectTarget) {
  struct Case { const char* name; QSize picture, bounds; bool byWidth; QSize slide; std::optional<QSize> want; };
  const Case cases[] = {
      {"by width", {300, 300}, {200, 100}, true, {640, 480}, QSize(200, 200)},
      {"by height", {300, 300}, {200, 100}, false, {640, 480}, QSize(100, 100)},
      {"already right", {300, 150}, {200, 100}, true, {640, 480}, std::nullopt},
      {"too high keeps height", {100, 400}, {200, 300}, true, {640, 480}, QSize(75, 300)},
      {"too wide keeps width", {400, 100}, {300, 200}, false, {640, 480}, QSize(300, 75)},
      {"empty picture", {0, 10}, {200, 100}, true, {640, 480}, std::nullopt},
  };
  for (const Case& c : cases)
    EXPECT_EQ(AspectTarget(c.picture, c.bounds, c.byWidth, c.slide), c.want) << c.name;
}

}  // namespace

namespace {

ObjectRecord Frame(QRect r) {
  ObjectRecord o{};
  o.ObjClass = objclass::Image;
  o.PointNum = 4;
  o.Points[0] = {r.left(), r.top()};
  o.Points[1] = {r.left() + r.width(), r.top()};
  o.Points[2] = {r.left() + r.width(), r.top() + r.height()};
  o.Points[3] = {r.left(), r.top() + r.height()};
  o.CenterX = r.left() + r.width() / 2;
  o.CenterY = r.top() + r.height() / 2;
  o.refLine = o.refMen = -1;
  return o;
}

TEST(NodeRules, ResizeKeepsARectangleOnVertexZero) {
  ObjectRecord r = Frame(QRect(10, 20, 100, 50));
  ResizeFrame(r, 200, 80);
  EXPECT_EQ(FrameSize(r), QSize(200, 80));
  EXPECT_EQ(QPoint(r.Points[2].x, r.Points[2].y), QPoint(210, 100));
  EXPECT_EQ(QPoint(r.Points[3].x, r.Points[3].y), QPoint(10, 100));
  EXPECT_TRUE(SameAspect(QSize(400, 160), FrameSize(r)));
  EXPECT_FALSE(SameAspect(QSize(400, 400), FrameSize(r)));
}

TEST(NodeRules, ActualSizeMustFitWithItsMargin) {
  // Margin (0 + 0 + 0 + 40) / 2 = 20 on each side of a 200 x 200 slide.
  const ObjectRecord r = Frame(QRect(10, 10, 50, 50));
  const std::optional<ObjectRecord> fits = ActualSizeFrame(r, QSize(160, 120), QSize(200, 200));
  ASSERT_TRUE(fits);
  EXPECT_EQ(FrameSize(*fits), QSize(160, 120));
  EXPECT_EQ(QPoint(fits->Points[0].x, fits->Points[0].y), QPoint(10, 10));
  EXPECT_FALSE(ActualSizeFrame(r, QSize(161, 120), QSize(200, 200)));
  ObjectRecord thick = r;
  thick.Futosa = 10;  // margin 25
  EXPECT_FALSE(ActualSizeFrame(thick, QSize(160, 120), QSize(200, 200)));
  ObjectRecord turned = r;  // a quarter turn swaps the sides that must fit
  turned.Angle = 1.5707963;
  EXPECT_TRUE(ActualSizeFrame(turned, QSize(120, 170), QSize(300, 200)));
  EXPECT_FALSE(ActualSizeFrame(turned, QSize(170, 120), QSize(300, 200)));
}

}  // namespace

namespace {

TEST(NodeRules, ResizeGivesTheSizeAskedWhateverTheMirror) {
  for (const auto& [flipH, flipV] : {std::pair(0, 0), {1, 0}, {0, 1}, {1, 1}}) {
    ObjectRecord r{};
    r.PointNum = 4;
    r.Points[0] = {10, 200};
    r.Points[1] = {110, 200};
    r.FlipH = flipH;
    r.FlipV = flipV;
    for (int h = 31; h < 40; ++h) {
      ResizeFrame(r, 100, h);
      EXPECT_EQ(FrameSize(r), QSize(100, h));
    }
    EXPECT_EQ(r.Points[3].y, flipH == flipV ? 239 : 161);
  }
}

}  // namespace
