// Shape-handle rules: one table per family on the figures as the factory
// makes them round (500, 400), then the drag's frame (zoom, rotation,
// mirroring, the slide's edges).
#include "geometry/ShapeRules.h"

#include <gtest/gtest.h>

#include <functional>

#include "OutlineFixtures.h"
#include "geometry/Angles.h"
#include "geometry/MathSub.h"
#include "geometry/Rotation.h"

namespace {

using Outline = std::vector<QPoint>;
using CMathSub::Distance;

const QSize kSlide(1000, 800);

Outline Shape(int kind, int variant = 0, int n = 0) { return StoredPoints(MakeFigure(kind, variant, n)); }

ShapeRuleContext Plain(bool anchorCurve = false) { return {RefAnglesOf(false, false), kSlide, anchorCurve}; }

// A row: the figure, the handle, where the pointer goes, and what must hold
// afterwards; `accepted` false means the outline stays as it was.
struct Case {
  const char* name;
  int kind;
  int variant;
  int handle;
  QPoint pointer;
  bool accepted;
  std::function<void(const Outline& before, const Outline& after)> expect;
};

void Check(const Case& c, int n = 0, const ShapeRuleContext& ctx = Plain()) {
  SCOPED_TRACE(c.name);
  const Outline before = Shape(c.kind, c.variant, n);
  Outline after = before;
  ASSERT_EQ(ApplyShapeRule(c.kind, c.handle, after, c.pointer, ctx), c.accepted);
  if (!c.accepted) {
    EXPECT_EQ(after, before);
  } else if (c.expect) {
    c.expect(before, after);
  }
}

// Every vertex but those listed stays where it was.
void OnlyMoved(const Outline& before, const Outline& after, std::initializer_list<int> moved) {
  for (std::size_t i = 0; i < before.size(); ++i) {
    if (std::find(moved.begin(), moved.end(), static_cast<int>(i)) != moved.end()) continue;
    EXPECT_EQ(after[i], before[i]) << "p" << i;
  }
}

// Turns and mirrors truncate each coordinate, so constructions land within a
// unit or two of the exact point.
void Near(QPoint got, QPoint want, int tolerance = 2) {
  EXPECT_LE((got - want).manhattanLength(), tolerance) << "(" << got.x() << ", " << got.y() << ") for ("
                                                        << want.x() << ", " << want.y() << ")";
}

TEST(ShapeRules, FiguresRoundAFrame) {
  // RoundRect 300 x 200: p0 (350, 300), p3 (650, 300), p6 (650, 500), p9 (350, 500).
  // Ellipse 300 x 200 in the same frame. Job 200 wide from (400, 350).
  // Memo: p1 (400, 450), p2 (400, 350), p3 (600, 350), hidden corner (600, 450).
  const Case cases[] = {
      {"round rect: 30 % of the bottom edge rounds every corner by 90 across", objkind::RoundRect, 0, 0,
       {440, 500}, true,
       [](const Outline& b, const Outline& a) {
         EXPECT_EQ(a[1], QPoint(440, 300));
         EXPECT_EQ(a[2], QPoint(560, 300));
         EXPECT_EQ(a[7], QPoint(560, 500));
         EXPECT_EQ(a[8], QPoint(440, 500));
         OnlyMoved(b, a, {1, 2, 7, 8});
       }},
      {"round rect: 46 % is refused", objkind::RoundRect, 0, 0, {488, 500}, false, nullptr},
      {"round rect: far off the edge squares the corners", objkind::RoundRect, 0, 0, {440, 600}, true,
       [](const Outline&, const Outline& a) {
         EXPECT_EQ(a[8], a[9]);
         EXPECT_EQ(a[1], a[0]);
         EXPECT_EQ(a[2], a[3]);
         EXPECT_EQ(a[7], a[6]);
       }},
      {"round rect: a quarter of the left edge rounds by 50 down", objkind::RoundRect, 0, 1, {350, 450}, true,
       [](const Outline& b, const Outline& a) {
         EXPECT_EQ(a[10], QPoint(350, 450));
         EXPECT_EQ(a[11], QPoint(350, 350));
         EXPECT_EQ(a[4], QPoint(650, 350));
         EXPECT_EQ(a[5], QPoint(650, 450));
         OnlyMoved(b, a, {4, 5, 10, 11});
       }},
      {"ellipse: 20 % along the bottom", objkind::Ellipse, 11, 0, {410, 500}, true,
       [](const Outline& b, const Outline& a) {
         Near(a[7], QPoint(410, 500));
         Near(a[5], QPoint(590, 500));
         Near(a[11], QPoint(410, 300));
         Near(a[1], QPoint(590, 300));
         OnlyMoved(b, a, {1, 5, 7, 11});
       }},
      {"ellipse: half way is refused", objkind::Ellipse, 11, 0, {500, 500}, false, nullptr},
      {"ellipse: 30 % up the left side", objkind::Ellipse, 11, 1, {350, 440}, true,
       [](const Outline& b, const Outline& a) {
         Near(a[8], QPoint(350, 440));
         Near(a[10], QPoint(350, 360));
         Near(a[2], QPoint(650, 360));
         Near(a[4], QPoint(650, 440));
         OnlyMoved(b, a, {2, 4, 8, 10});
       }},
      {"job: beyond a quarter the bars stay at a quarter", objkind::Job, 0, 0, {480, 330}, true,
       [](const Outline& b, const Outline& a) {
         EXPECT_EQ(a[1], QPoint(450, 350));
         EXPECT_EQ(a[9], a[1]);
         EXPECT_EQ(a[2], QPoint(550, 350));
         EXPECT_EQ(a[6], a[2]);
         EXPECT_EQ(a[5], QPoint(550, 450));
         EXPECT_EQ(a[8], QPoint(450, 450));
         OnlyMoved(b, a, {1, 2, 5, 6, 7, 8, 9, 10});
       }},
      {"job: the inset is at least a twentieth", objkind::Job, 0, 0, {403, 360}, true,
       [](const Outline&, const Outline& a) { EXPECT_EQ(a[1], QPoint(410, 350)); }},
      {"job: in between the pointer sets it", objkind::Job, 0, 0, {430, 400}, true,
       [](const Outline&, const Outline& a) { EXPECT_EQ(a[1], QPoint(430, 350)); }},
      {"memo: the fold half way along the bottom", objkind::Memo, 0, 0, {500, 460}, true,
       [](const Outline&, const Outline& a) {
         Near(a[0], QPoint(500, 450), 4);
         // The tip is the hidden corner folded over the line p0-p4; the fold's
         // foot is truncated onto that line, which the mirror doubles.
         EXPECT_NEAR(Distance(a[5], a[0]), 100, 8);
         EXPECT_NEAR(Distance(a[5], a[4]), 50, 8);
       }},
      {"memo: the fold keeps a tenth of the width", objkind::Memo, 0, 0, {595, 450}, true,
       [](const Outline&, const Outline& a) { Near(a[0], QPoint(580, 450), 4); }},
      {"memo: past the far corner the fold holds half the width", objkind::Memo, 0, 0, {300, 450}, true,
       [](const Outline&, const Outline& a) { Near(a[0], QPoint(500, 450), 4); }},
      {"memo: the fold's top follows the right edge", objkind::Memo, 0, 1, {620, 380}, true,
       [](const Outline& b, const Outline& a) {
         Near(a[4], QPoint(600, 380));
         EXPECT_NEAR(Distance(a[5], a[4]), 70, 8);
         EXPECT_NEAR(Distance(a[5], a[0]), 50, 8);
         OnlyMoved(b, a, {4, 5, 6, 7});
       }},
      {"memo: above the top it stops at the corner", objkind::Memo, 0, 1, {620, 300}, true,
       [](const Outline& b, const Outline& a) { EXPECT_EQ(a[4], b[3]); }},
      {"memo: below the hidden corner it stops short of it", objkind::Memo, 0, 1, {620, 480}, true,
       [](const Outline&, const Outline& a) { Near(a[4], QPoint(600, 449)); }},
  };
  for (const Case& c : cases) Check(c);
}

TEST(ShapeRules, MemoIsSquaredBeforeItsFoldMoves) {
  Outline p = Shape(objkind::Memo);
  p[2] = QPoint(410, 350);  // skewed: the top edge is 190 long
  ASSERT_TRUE(ApplyShapeRule(objkind::Memo, 0, p, {500, 460}, Plain()));
  EXPECT_EQ(p[2], QPoint(400, 350));
  EXPECT_EQ(p[3], QPoint(590, 350));
}

TEST(ShapeRules, StarInnerRadius) {
  Outline p = Shape(objkind::Star, 0, 6);
  const QPoint centre(500, 400);
  ASSERT_TRUE(ApplyShapeRule(objkind::Star, 0, p, {500, 370}, Plain()));
  for (int i = 1; i < 12; i += 2) EXPECT_NEAR(Distance(p[i], centre), 30, 1.5) << "p" << i;
  for (int i = 0; i < 12; i += 2) EXPECT_NEAR(Distance(p[i], centre), 100, 1.5) << "p" << i;
  Outline q = Shape(objkind::Star, 0, 6);
  const QPoint mean = [&] {
    int x = 0, y = 0;
    for (int i = 0; i < 12; i += 2) x += q[i].x(), y += q[i].y();
    return QPoint(x / 6, y / 6);
  }();
  ASSERT_TRUE(ApplyShapeRule(objkind::Star, 0, q, mean, Plain()));
  for (int i = 1; i < 12; i += 2) EXPECT_EQ(q[i], mean);
}

TEST(ShapeRules, SolidsAndTheirGuides) {
  // Cylinder: top p0 (400, 300) - p3 (600, 300), handle at (500, 330).
  // Cube: front edge p7 (450, 550) - p0 (450, 475), guide up to (450, 350).
  const Case cases[] = {
      {"cylinder: its own handle changes nothing", objkind::Cylinder, 0, 0, {500, 330}, true,
       [](const Outline& b, const Outline& a) {
         for (std::size_t i = 0; i < b.size(); ++i) Near(a[i], b[i]);
       }},
      {"cylinder: the depth stops at half the width", objkind::Cylinder, 0, 0, {500, 600}, true,
       [](const Outline& b, const Outline& a) {
         Near(a[5], QPoint(420, 400));
         Near(a[4], QPoint(580, 400));
         Near(a[1], QPoint(420, 200));
         Near(a[10], QPoint(420, 600));
         OnlyMoved(b, a, {1, 2, 4, 5, 10, 11});
       }},
      {"cylinder: and at a twentieth of it", objkind::Cylinder, 0, 0, {500, 301}, true,
       [](const Outline&, const Outline& a) { Near(a[5], QPoint(420, 310)); }},
      {"cube: past the guide's end the top holds 80 %", objkind::Cube, 0, 0, {450, 200}, true,
       [](const Outline&, const Outline& a) {
         Near(a[0], QPoint(450, 390));
         EXPECT_EQ(a[4], a[0]);
         EXPECT_EQ(a[8], a[0]);
         EXPECT_EQ(a[2], a[1] + a[3] - a[0]);  // the top face stays a parallelogram
       }},
      {"cube: below the front corner it holds 10 %", objkind::Cube, 0, 0, {450, 600}, true,
       [](const Outline& b, const Outline& a) {
         Near(a[0], QPoint(450, 530));
         EXPECT_EQ(a[3].x(), b[3].x());
         EXPECT_EQ(a[1].x(), b[1].x());
       }},
  };
  for (const Case& c : cases) Check(c);
}

TEST(ShapeRules, ButtonBevelAndPyramidCorner) {
  const Outline button = Shape(objkind::Button);
  const QPoint centre = CMathSub::MidPoint(button[6], button[12]);
  const double diagonal = Distance(button[12], centre);
  for (const auto& [pointer, percent] : {std::pair(button[12], 10), std::pair(centre, 80),
                                         std::pair(button[6], 80)}) {
    Outline p = button;
    ASSERT_TRUE(ApplyShapeRule(objkind::Button, 0, p, pointer, Plain()));
    const int e = CMathSub::Trunc(percent * diagonal / 100);
    EXPECT_EQ(p[1], CMathSub::PointAlong(e, p[12], centre)) << percent;
    EXPECT_EQ(p[13], p[1]);
    EXPECT_EQ(p[3], CMathSub::PointAlong(e, p[6], centre));
    EXPECT_EQ(p[7], p[3]);
    EXPECT_EQ(p[0], p[16]);
    EXPECT_EQ(p[0], p[4]);
  }

  // The front corner rides a guide line beyond the two base corners.
  const Outline pyramid = Shape(objkind::Pyramid);
  const int reach = 6 * static_cast<int>(Distance(pyramid[1], pyramid[4])) / 5;
  const QPoint a = CMathSub::PointAlong(reach, pyramid[1], pyramid[4]);
  const QPoint b = CMathSub::PointAlong(reach, pyramid[1], pyramid[2]);
  for (const auto& [pointer, percent] : {std::pair(a, 20), std::pair(b, 75), std::pair(a + (a - b), 20),
                                         std::pair(b + (b - a), 75), std::pair(CMathSub::MidPoint(a, b), 50)}) {
    Outline p = pyramid;
    ASSERT_TRUE(ApplyShapeRule(objkind::Pyramid, 0, p, pointer, Plain()));
    EXPECT_NEAR(CMathSub::PercentAlong(a, b, p[0]), percent, 2);
    EXPECT_EQ(p[3], p[0]);
    OnlyMoved(pyramid, p, {0, 3});
  }
}

TEST(ShapeRules, Arrows) {
  // Arrow: tail p0 (400, 350) p6 (400, 450), junction p1 (500, 350) p5 (500, 450),
  // barbs p2 (500, 300) p4 (500, 500), tip p3 (600, 400); the axis is y = 400.
  // CurveLArrow: p0 (350, 350), p1 (550, 350), p2 (550, 300), tip (650, 400),
  // p4 (550, 500), p5 (550, 450), p6 (450, 450), p7 (450, 550), p8 (350, 550).
  // CurveArrow: p0 (500, 350), p3 (500, 300), tip p6 (600, 400), p9 (500, 500),
  // p12 (500, 450), p15 (400, 450), p18 (200, 550), p21 (400, 350).
  const Case cases[] = {
      {"arrow: the tail corner and its mirror", objkind::Arrow, 0, 0, {350, 340}, true,
       [](const Outline& b, const Outline& a) {
         Near(a[0], QPoint(350, 340));
         Near(a[6], QPoint(350, 460));
         OnlyMoved(b, a, {0, 6});
       }},
      {"arrow: a tail ahead of the junction is refused", objkind::Arrow, 0, 0, {520, 350}, false, nullptr},
      {"arrow: the junction narrows the shaft", objkind::Arrow, 0, 1, {450, 370}, true,
       [](const Outline& b, const Outline& a) {
         Near(a[1], QPoint(450, 370));
         Near(a[5], QPoint(450, 430));
         Near(a[0], b[0]);  // the tail rebuilt as it was
         Near(a[6], b[6]);
       }},
      {"arrow: a junction behind the tail is refused", objkind::Arrow, 0, 1, {380, 370}, false, nullptr},
      {"arrow: the barbs open", objkind::Arrow, 0, 2, {520, 280}, true,
       [](const Outline& b, const Outline& a) {
         Near(a[2], QPoint(520, 280));
         Near(a[4], QPoint(520, 520));
         OnlyMoved(b, a, {2, 4});
       }},
      {"arrow: barbs crossing the shaft are refused", objkind::Arrow, 0, 2, {450, 420}, false, nullptr},
      {"L arrow: its own handle changes nothing", objkind::CurveLArrow, 0, 0, {550, 350}, true,
       [](const Outline& b, const Outline& a) {
         for (std::size_t i = 0; i < b.size(); ++i) Near(a[i], b[i]);
       }},
      {"L arrow: a wider shaft turns down as wide", objkind::CurveLArrow, 0, 0, {530, 330}, true,
       [](const Outline&, const Outline& a) {
         Near(a[1], QPoint(530, 330));
         Near(a[5], QPoint(530, 470));
         Near(a[0], QPoint(350, 330));
         Near(a[6], QPoint(490, 470));
         Near(a[7], QPoint(490, 550));
         Near(a[8], QPoint(350, 550));
       }},
      {"L arrow: the shaft is at least an eighth of the head", objkind::CurveLArrow, 0, 0, {600, 388}, true,
       [](const Outline&, const Outline& a) {
         Near(a[1], QPoint(600, 375));
         EXPECT_NEAR(Distance(a[1], a[5]), 50, 1);
       }},
      {"L arrow: outside the head's quadrilateral is refused", objkind::CurveLArrow, 0, 0, {530, 290}, false,
       nullptr},
      {"L arrow: the barbs", objkind::CurveLArrow, 0, 1, {560, 280}, true,
       [](const Outline& b, const Outline& a) {
         Near(a[2], QPoint(560, 280));
         Near(a[4], QPoint(560, 520));
         OnlyMoved(b, a, {2, 4});
       }},
      {"L arrow: a longer leg", objkind::CurveLArrow, 0, 2, {350, 600}, true,
       [](const Outline& b, const Outline& a) {
         Near(a[8], QPoint(350, 600));
         Near(a[7], QPoint(450, 600));
         Near(a[0], b[0]);
         Near(a[6], b[6]);
       }},
      {"L arrow: a leg shorter than the shaft is wide is refused", objkind::CurveLArrow, 0, 2, {350, 430},
       false, nullptr},
      {"curved arrow: its own handle keeps the shaft", objkind::CurveArrow, 0, 0, {500, 350}, true,
       [](const Outline& b, const Outline& a) {
         for (int i : {0, 12, 15, 21}) Near(a[i], b[i]);
       }},
      {"curved arrow: a wider shaft ending further back", objkind::CurveArrow, 0, 0, {460, 330}, true,
       [](const Outline&, const Outline& a) {
         Near(a[0], QPoint(460, 330));
         Near(a[12], QPoint(460, 470));
         Near(a[21], QPoint(400, 330));
         Near(a[15], QPoint(400, 470));
         EXPECT_EQ(std::pair(a[1], a[2]), CMathSub::ThirdPoints(a[0], a[3]));
         EXPECT_EQ(std::pair(a[22], a[23]), CMathSub::ThirdPoints(a[21], a[0]));
       }},
      {"curved arrow: above the head's quadrilateral is refused", objkind::CurveArrow, 0, 0, {450, 310}, false,
       nullptr},
      {"curved arrow: the barbs, with straight sides", objkind::CurveArrow, 0, 1, {520, 280}, true,
       [](const Outline&, const Outline& a) {
         Near(a[3], QPoint(520, 280));
         Near(a[9], QPoint(520, 520));
         EXPECT_EQ(std::pair(a[4], a[5]), CMathSub::ThirdPoints(a[3], a[6]));
         EXPECT_EQ(std::pair(a[7], a[8]), CMathSub::ThirdPoints(a[6], a[9]));
       }},
      {"curved arrow: barbs behind the shaft's front are refused", objkind::CurveArrow, 0, 1, {480, 380}, false,
       nullptr},
      {"curved arrow: the tail end and its controls", objkind::CurveArrow, 0, 2, {150, 600}, true,
       [](const Outline& b, const Outline& a) {
         Near(a[18], QPoint(150, 600));
         Near(a[19], QPoint(150, 517));
         Near(a[20], QPoint(317, 350));
         Near(a[16], QPoint(317, 450));
         Near(a[17], QPoint(150, 551));
         OnlyMoved(b, a, {16, 17, 18, 19, 20});
       }},
      {"curved arrow: a tail end over the shaft is refused", objkind::CurveArrow, 0, 2, {410, 600}, false,
       nullptr},
  };
  for (const Case& c : cases) Check(c);
}

TEST(ShapeRules, BalloonTails) {
  // Every body spans y = 300 .. 500 here, SlipCloud's y = 250 .. 550; the tail
  // leaves across the bottom edge.
  struct Body {
    int kind;
    int bottom;
  };
  for (const Body body : {Body{objkind::SlipRect, 500}, Body{objkind::SlipRound, 500},
                          Body{objkind::SlipCloud, 550}, Body{objkind::SlipSCloud, 500}}) {
    SCOPED_TRACE(body.kind);
    const Outline before = Shape(body.kind);
    const std::pair<QPoint, bool> pointers[] = {
        {{500, 400}, false},                // inside the body
        {{500, 200}, false},                // above it
        {{500, body.bottom + 4}, false},    // too close below
        {{500, body.bottom + 5}, true},     // 5 pixels below
        {{300, 700}, true},
    };
    for (const auto& [pointer, accepted] : pointers) {
      Outline p = before;
      EXPECT_EQ(ApplyShapeRule(body.kind, 0, p, pointer, Plain()), accepted) << pointer.x() << ", " << pointer.y();
      if (accepted) {
        EXPECT_EQ(p[0], pointer);
      }
    }
    Outline p = before;
    ASSERT_TRUE(ApplyShapeRule(body.kind, 0, p, {1200, 900}, Plain()));
    EXPECT_EQ(p[0], QPoint(1000, 800));  // kept on the slide
  }
}

TEST(ShapeRules, BalloonBodiesAreLaidOutAgain) {
  // The rectangular and round bodies come back as they were made.
  for (int kind : {int{objkind::SlipRect}, int{objkind::SlipRound}}) {
    const Outline before = Shape(kind);
    Outline p = before;
    ASSERT_TRUE(ApplyShapeRule(kind, 0, p, {300, 600}, Plain()));
    for (int i = 3; i < static_cast<int>(p.size()); i += 3) Near(p[i], before[i]);
    EXPECT_EQ(std::pair(p[1], p[2]), CMathSub::ThirdPoints(p[0], p[3])) << kind;
  }
  // A skewed rectangular body is squared to its top edge.
  Outline rect = Shape(objkind::SlipRect);
  rect[15] = QPoint(660, 520);
  ASSERT_TRUE(ApplyShapeRule(objkind::SlipRect, 0, rect, {300, 600}, Plain()));
  EXPECT_EQ(rect[15].x(), 650);
  EXPECT_EQ(rect[6].x(), 350);
  EXPECT_EQ(rect[15].y(), rect[6].y());
  EXPECT_EQ(rect[18].y(), rect[6].y());
  EXPECT_NEAR(rect[6].y(), 500, 3);

  // With curved anchors the tail keeps its controls.
  for (int kind : {int{objkind::SlipRect}, int{objkind::SlipRound}, int{objkind::SlipCloud},
                   int{objkind::SlipSCloud}}) {
    const Outline before = Shape(kind);
    Outline p = before;
    ASSERT_TRUE(ApplyShapeRule(kind, 0, p, {300, 700}, Plain(true)));
    EXPECT_EQ(p[1], before[1]) << kind;
    EXPECT_EQ(p[2], before[2]) << kind;
  }

  // A cloud's bumps stay joined: each starts where the previous one ended.
  Outline cloud = Shape(objkind::SlipCloud);
  ASSERT_TRUE(ApplyShapeRule(objkind::SlipCloud, 0, cloud, {300, 700}, Plain()));
  for (int k = 4; k <= 49; k += 3) EXPECT_EQ(cloud[k], cloud[k - 2]) << "p" << k;
  EXPECT_EQ(cloud[17], Shape(objkind::SlipCloud)[17]);
  EXPECT_EQ(cloud[29], Shape(objkind::SlipCloud)[29]);
}

TEST(ShapeRules, UnknownKindsHandlesAndOutlinesAreRefused) {
  Outline p = Shape(objkind::RoundRect);
  EXPECT_FALSE(ApplyShapeRule(objkind::RoundRect, 2, p, {440, 500}, Plain()));
  EXPECT_FALSE(ApplyShapeRule(objkind::Star, 1, p, {440, 500}, Plain()));
  EXPECT_FALSE(ApplyShapeRule(objkind::Polygon, 0, p, {440, 500}, Plain()));
  Outline shortList(5, QPoint(400, 400));
  for (int kind : {int{objkind::RoundRect}, int{objkind::Arrow}, int{objkind::SlipRect}, int{objkind::Cylinder}})
    EXPECT_FALSE(ApplyShapeRule(kind, 0, shortList, {440, 500}, Plain())) << kind;
}

// --- the drag's frame ---

TEST(ShapeHandleDrag, ARoundingSetAtTwiceTheSizeIsStoredAsTheSameShare) {
  const ObjectRecord rec = MakeFigure(objkind::RoundRect);
  // At zoom 2 the bottom edge runs from (700, 1000) to (1300, 1000).
  const std::optional<ObjectRecord> out = DragShapeHandle(rec, 0, {880, 1000}, kSlide, 2.0f);
  ASSERT_TRUE(out);
  EXPECT_EQ(out->Points[8].x - out->Points[9].x, 90);  // 30 % of 300
  EXPECT_EQ(out->Points[1].x - out->Points[0].x, 90);
  EXPECT_EQ(out->Points[2].x - out->Points[0].x, 210);
  EXPECT_EQ(out->ObjKind, rec.ObjKind);
}

TEST(ShapeHandleDrag, AShapeThatWouldLeaveTheSlideIsNoChange) {
  const ObjectRecord rec = MakeFigure(objkind::Cylinder, 0, 0, {500, 130});  // top edge at y = 30
  EXPECT_FALSE(DragShapeHandle(rec, 0, {500, 400}, kSlide));  // the top arc would rise above 0
  EXPECT_TRUE(DragShapeHandle(rec, 0, {500, 45}, kSlide));
  EXPECT_FALSE(DragShapeHandle(rec, 3, {500, 45}, kSlide));
  ObjectRecord image = rec;
  image.ObjClass = objclass::Image;
  EXPECT_FALSE(DragShapeHandle(image, 0, {500, 45}, kSlide));
}

TEST(ShapeHandleDrag, ATurnedFigureFollowsThePointerOnScreen) {
  ObjectRecord rec = MakeFigure(objkind::RoundRect);
  rec.Angle = kHalfPi / 3;
  const std::vector<QPoint> drawn = DrawnPoints(rec);
  const QPoint pointer = CMathSub::PointAlong(90, drawn[9], drawn[6]);
  const std::optional<ObjectRecord> out = DragShapeHandle(rec, 0, pointer, kSlide);
  ASSERT_TRUE(out);
  // A percentage handle moves in steps of 1 % (3 units here).
  Near(DrawnPoints(*out)[8], pointer, 6);
  EXPECT_NEAR(out->Points[8].x - out->Points[9].x, 90, 6);
  EXPECT_EQ(out->Points[8].y, out->Points[9].y);
  EXPECT_EQ(out->Angle, rec.Angle);
}

// A memo mirrored left to right has its hidden corner on the left: the
// reference angles are exchanged so the fold stays on the memo.
TEST(ShapeHandleDrag, MirroredFiguresKeepTheirSide) {
  EXPECT_EQ(RefAnglesOf(true, true).a, RefAnglesOf(false, false).a);
  EXPECT_EQ(RefAnglesOf(true, false).a, RefAnglesOf(false, false).b);
  EXPECT_EQ(RefAnglesOf(false, true).b, RefAnglesOf(false, false).a);

  ObjectRecord rec = MakeFigure(objkind::Memo);
  Mirror(rec, MirrorAxis::LeftRight);
  const std::optional<std::vector<QPoint>> out = ShapeHandleOutline(rec, 1, {380, 420}, kSlide);
  ASSERT_TRUE(out);
  EXPECT_EQ((*out)[4], QPoint(400, 420));
  const QPoint tip = (*out)[5];
  EXPECT_TRUE(tip.x() >= 400 && tip.x() <= 600 && tip.y() >= 350 && tip.y() <= 450)
      << tip.x() << ", " << tip.y();
}

}  // namespace
