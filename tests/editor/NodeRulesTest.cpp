#include "editor/NodeRules.h"

#include <gtest/gtest.h>

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
