// The mouse and keys of the editing view through the model: presses, moves
// and releases in, the document, the selection and the undo steps out.
#include "editor/EditorMouse.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "EditorFixtures.h"
#include "editor/ConsoleDrags.h"
#include "editor/InPlaceText.h"
#include "editor/MoveDrag.h"
#include "editor/ResizeDrag.h"
#include "editor/RotateDrag.h"
#include "editor/SlideSizeDrag.h"
#include "geometry/Angles.h"
#include "geometry/ObjectFrame.h"
#include "geometry/Rotation.h"
#include "geometry/DefaultOutline.h"
#include "geometry/ShapeHandles.h"
#include "render/gdi/Color.h"
#include "render/gdi/Dc.h"

namespace {

using editorfixtures::Add;

// The slide list lies at screen x >= 5000 in these tests.
constexpr int kListX = 5000;

class FakeHost : public MouseHost {
 public:
  void RefreshSelection() override { ++refreshed; }
  void ShowInfo(const QString& text) override { info = text; }
  bool AskFreeSlideSize() override {
    ++asked;
    return answer;
  }
  SlideDrop SlideAt(QPoint global) override { return slideAt ? slideAt(global) : SlideDrop{}; }
  void SlideChanged(int from) override { leftSlides.push_back(from); }
  void OpenTextEditor(int index, QPoint) override { opened = index; }
  void MoveTextEditor(const QRect& box) override { editorBox = box; }
  QString CloseTextEditor() override {
    opened = -1;
    return editorText;
  }
  void OpenImageProperties(int index) override { imageProperties = index; }

  int refreshed = 0;
  QString info;
  int asked = 0;
  bool answer = true;
  std::function<SlideDrop(QPoint)> slideAt;
  std::vector<int> leftSlides;
  int opened = -1;
  QRect editorBox;
  QString editorText;
  int imageProperties = -1;
};

class Mouse : public ::testing::Test {
 protected:
  void SetUp() override {
    editorfixtures::Reset(doc);
    doc.Header().Zoom = 1.0f;
    doc.Header().ConsoleX = 1130;  // bottom right, away from the figures
    doc.Header().ConsoleY = 830;
    mouse.SetGeometry(QPoint(0, 0), QSize(1200, 900));
    edits.SetSnapshotTaker([this](const Document& before) { snapshotSlide = before.Header().CurSlide; },
                           [this](bool changed) { steps += changed ? 1 : 0; });
  }

  // A figure with its rotation circle of radius 60, selected or not.
  int Box(QRect r, bool selected = false, int slide = 0) {
    ObjectRecord o = renderfixtures::Box(r, 0xFFFFFF, 0x000000, slide);
    o.RoundR = 60;
    return Add(doc, o, selected);
  }
  int Primary(QRect r) {
    const int i = Box(r, true);
    sel.primary = i;
    return i;
  }
  static DragInput At(QPoint p, Qt::KeyboardModifiers mods = {}) { return {p, p, p, mods}; }
  void Drag(QPoint from, QPoint to, Qt::KeyboardModifiers mods = {}) {
    mouse.Press(At(from, mods));
    mouse.Move(At((from + to) / 2, mods));
    mouse.Move(At(to, mods));
    mouse.Release(At(to, mods));
  }
  QPoint Corner(int i) const { return {doc.Object(i).Points[0].x, doc.Object(i).Points[0].y}; }
  QSize Size(int i) const {
    const Bounds b = CMathSub::BoundingRect(StoredPoints(doc.Object(i)));
    return {b.right - b.left, b.bottom - b.top};
  }

  Document doc;
  EditPath edits{doc};
  SelectionState sel;
  ConsoleFlags console;
  FakeHost host;
  EditorMouse mouse{edits, sel, console, host};
  int steps = 0;  // snapshots that became undo steps
  int snapshotSlide = -1;
};

TEST_F(Mouse, MovingTheBodyMovesTheSelectionOnceAndShortDragsDoNothing) {
  struct Case {
    const char* name;
    float zoom;
    QPoint drag;
    QPoint moved;  // slide units
    int steps;
  };
  const Case cases[] = {
      {"plain", 1.0f, {30, 15}, {30, 15}, 1},
      {"one pixel is a click", 1.0f, {1, 1}, {0, 0}, 0},
      {"zoom 2 halves", 2.0f, {0, 40}, {0, 20}, 1},
      {"zoom 4, three pixels truncate to nothing", 4.0f, {3, 0}, {0, 0}, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    SetUp();
    doc.SetObjectCount(0);
    steps = 0;
    doc.Header().Zoom = c.zoom;
    const int i = Primary(QRect(100, 100, 101, 101));
    const int other = Box(QRect(400, 100, 101, 101), true);
    const QPoint press = ToView(QPoint(150, 170), c.zoom);
    Drag(press, press + c.drag);
    EXPECT_EQ(Corner(i), QPoint(100, 100) + c.moved);
    EXPECT_EQ(Corner(other), QPoint(400, 100) + c.moved);  // selected with it
    EXPECT_EQ(steps, c.steps);
    EXPECT_EQ(sel.primary, i);
  }
}

TEST_F(Mouse, MovesStayOnTheSlideAndLeaveOtherSlidesAlone) {
  const int i = Box(QRect(900, 100, 101, 101));
  const int elsewhere = Box(QRect(100, 100, 50, 50), true, 1);  // selected earlier on slide 1
  Drag(QPoint(950, 150), QPoint(1200, 150));
  EXPECT_EQ(MarginBounds(doc.Object(i)).right, doc.Header().SlideW);
  EXPECT_EQ(Corner(elsewhere), QPoint(100, 100));
  EXPECT_EQ(doc.Object(elsewhere).Slide, 1);
}

TEST_F(Mouse, DroppingOnAThumbnailMovesTheObjectsToThatSlide) {
  const int i = Box(QRect(100, 100, 101, 101));
  host.slideAt = [](QPoint global) {
    return global.x() >= kListX ? SlideDrop{1, QPointF(0.5, 0.5)} : SlideDrop{};
  };
  mouse.Press(At(QPoint(150, 150)));
  mouse.Move(At(QPoint(kListX + 10, 40)));
  EXPECT_EQ(doc.Header().CurSlide, 1);  // the view follows the pointer over the list
  mouse.Release(At(QPoint(kListX + 10, 40)));
  EXPECT_EQ(doc.Object(i).Slide, 1);
  // The press point lands on the thumbnail's middle.
  EXPECT_EQ(Corner(i), QPoint(100 + 523 - 150, 100 + 359 - 150));
  EXPECT_EQ(host.leftSlides, std::vector<int>{0});
  EXPECT_EQ(steps, 1);
  EXPECT_EQ(snapshotSlide, 0);  // undo returns to the slide the drag began on
  EXPECT_EQ(sel.primary, i);
}

TEST_F(Mouse, ArrowKeysMoveBySteps) {
  const int i = Primary(QRect(100, 100, 101, 101));
  doc.Header().Zoom = 4.0f;
  EXPECT_TRUE(mouse.Key(Qt::Key_Right, Qt::ControlModifier));
  EXPECT_EQ(Corner(i), QPoint(101, 100));  // one pixel at zoom 4 is still one unit
  doc.Header().Zoom = 1.0f;
  EXPECT_TRUE(mouse.Key(Qt::Key_Up, {}));
  EXPECT_EQ(Corner(i), QPoint(101, 90));
  EXPECT_EQ(steps, 2);  // each key press is one step
  sel = SelectionState{};
  EXPECT_FALSE(mouse.Key(Qt::Key_Up, {}));  // nothing to move: the view may scroll
}

TEST_F(Mouse, ArrowKeysMoveAFreeVertexWithoutAStep) {
  const int i = Primary(QRect(100, 100, 101, 101));
  sel.vertex = 2;
  EXPECT_TRUE(mouse.Key(Qt::Key_Left, {}));
  EXPECT_EQ(doc.Object(i).Points[2].x, 190);
  EXPECT_EQ(Corner(i), QPoint(100, 100));
  doc.Object(i).PointFixed[2] = 1;
  EXPECT_TRUE(mouse.Key(Qt::Key_Left, {}));
  EXPECT_EQ(doc.Object(i).Points[2].x, 190);
  EXPECT_EQ(steps, 0);
}

TEST_F(Mouse, ResizeMovesTheHandlesSidesAndNeverFlips) {
  struct Case {
    const char* name;
    int handle;
    QPoint by;
    QSize size;
    QPoint corner;
    int steps;
  };
  // The box runs 100..200 both ways; handle 0 is its top-left corner.
  const Case cases[] = {
      {"bottom-right grows", 2, {50, 30}, {150, 130}, {100, 100}, 1},
      {"top-left shrinks", 0, {20, 10}, {80, 90}, {120, 110}, 1},
      {"right side only", 5, {-40, 25}, {60, 100}, {100, 100}, 1},
      {"past the opposite side", 0, {300, 300}, {1, 1}, {199, 199}, 1},
      {"a click", 2, {1, -1}, {100, 100}, {100, 100}, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    SetUp();
    doc.SetObjectCount(0);
    steps = 0;
    const int i = Primary(QRect(QPoint(100, 100), QPoint(200, 200)));
    const QPoint handle = FrameOf(doc.Object(i), 1.0f).handles[c.handle];
    Drag(handle, handle + c.by);
    EXPECT_EQ(Size(i), c.size);
    EXPECT_EQ(Corner(i), c.corner);
    EXPECT_EQ(steps, c.steps);
  }
}

TEST_F(Mouse, AnglesSnapToZeroNearAFullTurn) {
  const struct {
    double in, out;
  } cases[] = {{6.285, 0}, {6.281, 0}, {0.011, 0}, {0.013, 0.013}, {1.0, 1.0}, {-0.5, kTwoPi - 0.5}, {6.27, 6.27}};
  for (const auto& c : cases) EXPECT_NEAR(SnapAngle(c.in), c.out, 1e-9) << c.in;
  // The pointer crossing the seam of atan2 behind the centre is a small turn.
  EXPECT_NEAR(PointerTurn(QPoint(0, 0), QPoint(-100, -1), QPoint(-100, 1)), -0.02, 1e-3);
}

TEST_F(Mouse, RotatingTurnsWhatFitsAndAPressAloneIsAStep) {
  const int i = Primary(QRect(400, 300, 101, 101));
  const int edge = Box(QRect(300, 0, 201, 21), true);  // turned upright it leaves the slide
  const QPoint centre(doc.Object(i).CenterX, doc.Object(i).CenterY);
  const QPoint start = centre + QPoint(0, -60);
  mouse.Press(At(start));
  mouse.Move(At(centre + QPoint(42, -42)));
  mouse.Move(At(centre + QPoint(60, 0)));  // a quarter turn clockwise on screen
  mouse.Release(At(centre + QPoint(60, 0)));
  EXPECT_NEAR(doc.Object(i).Angle, kTwoPi - kHalfPi, 1e-6);
  EXPECT_EQ(doc.Object(edge).Angle, 0);
  EXPECT_EQ(steps, 1);
  const Document before = doc;
  mouse.Press(At(start));
  mouse.Release(At(start));
  EXPECT_EQ(steps, 2);
  EXPECT_EQ(doc.Object(i).Angle, before.Object(i).Angle);
}

TEST_F(Mouse, TheWheelOverACircleTurnsByDegrees) {
  const int i = Primary(QRect(400, 300, 101, 101));
  const QPoint onCircle(doc.Object(i).CenterX + 60, doc.Object(i).CenterY);
  mouse.Wheel(At(onCircle, Qt::ControlModifier), -120, false);
  EXPECT_NEAR(doc.Object(i).Angle, kTwoPi - kPi / 180, 1e-6);
  EXPECT_EQ(steps, 1);
  EXPECT_EQ(mouse.Wheel(At(QPoint(900, 650)), -120, false), QPoint(0, 10));  // elsewhere the view scrolls
  EXPECT_EQ(mouse.Wheel(At(QPoint(900, 650), Qt::ShiftModifier), 120, false), QPoint(-10, 0));
}

TEST_F(Mouse, TheRotationRadiusStaysWithinItsLimits) {
  const struct {
    int dx;
    int radius;
  } cases[] = {{20, 40}, {100, 100}, {300, 140}};
  for (const auto& c : cases) {
    SetUp();
    doc.SetObjectCount(0);
    steps = 0;
    const int i = Primary(QRect(400, 300, 101, 101));
    const QPoint handle(doc.Object(i).CenterX + 60, doc.Object(i).CenterY);
    Drag(handle, QPoint(doc.Object(i).CenterX + c.dx, handle.y()));
    EXPECT_EQ(doc.Object(i).RoundR, c.radius) << c.dx;
    EXPECT_EQ(steps, 0);
  }
}

TEST_F(Mouse, TheRotationCentreMovesWithoutMovingTheFigure) {
  const int i = Primary(QRect(400, 300, 101, 101));
  doc.Object(i).Angle = 0.5;
  const std::vector<QPoint> drawn = DrawnPoints(doc.Object(i));
  const QPoint centre(doc.Object(i).CenterX, doc.Object(i).CenterY);
  Drag(centre, centre + QPoint(20, -10));
  EXPECT_EQ(QPoint(doc.Object(i).CenterX, doc.Object(i).CenterY), centre + QPoint(20, -10));
  const std::vector<QPoint> after = DrawnPoints(doc.Object(i));
  for (std::size_t k = 0; k < drawn.size(); ++k) EXPECT_LE(CMathSub::Distance(drawn[k], after[k]), 1.5);
  EXPECT_EQ(steps, 1);
}

TEST_F(Mouse, ShiftClickOnThePrimaryPassesItOn) {
  const int a = Box(QRect(100, 100, 101, 101), true);
  const int b = Primary(QRect(400, 100, 101, 101));
  EXPECT_FALSE(mouse.Press(At(QPoint(450, 170), Qt::ShiftModifier)));  // no drag follows
  EXPECT_FALSE(doc.View(b).Selected);
  EXPECT_EQ(sel.primary, a);
}

TEST_F(Mouse, VerticesMoveWhenFreeAndFarEnough) {
  ObjectRecord triangle = editorfixtures::Shape(objkind::Polygon, {{100, 100}, {300, 150}, {150, 300}});
  triangle.RoundR = 60;
  const int i = Add(doc, triangle, true);
  sel.primary = i;
  Drag(QPoint(300, 150), QPoint(303, 152));  // under 5 units
  EXPECT_EQ(steps, 0);
  Drag(QPoint(300, 150), QPoint(360, 180));
  EXPECT_EQ(doc.Object(i).Points[1].x, 360);
  EXPECT_EQ(doc.Object(i).Points[1].y, 180);
  EXPECT_EQ(steps, 1);
  doc.Object(i).PointFixed[1] = 1;
  EXPECT_FALSE(mouse.Press(At(QPoint(360, 180))));
  EXPECT_EQ(host.info, "No 2");
}

TEST_F(Mouse, TheSelectedEdgeSlidesAlongItsNormal) {
  const int i = Primary(QRect(100, 100, 101, 101));
  doc.Object(i).RoundR = 120;
  sel.vertex = kEdge;
  sel.edgeA = 1;  // the right edge, 1..2
  sel.edgeB = 2;
  Drag(QPoint(200, 120), QPoint(240, 140));
  EXPECT_EQ(doc.Object(i).Points[1].x, 240);
  EXPECT_EQ(doc.Object(i).Points[2].x, 240);
  EXPECT_EQ(doc.Object(i).Points[1].y, 100);
  EXPECT_EQ(sel.edgeA, -1);
  EXPECT_EQ(steps, 1);
}

TEST_F(Mouse, TheWidthBarStopsAtTheObjectsOfEverySlide) {
  Box(QRect(100, 100, 400, 101), false, 1);  // on another slide, right edge 499
  const int right = MarginBounds(doc.Object(0)).right + 10;
  const int w = doc.Header().SlideW;
  Drag(QPoint(w, 300), QPoint(200, 300));
  EXPECT_EQ(host.asked, 1);
  EXPECT_EQ(doc.Header().SlideW, right);
  EXPECT_EQ(doc.Header().PageSize, 4);
  EXPECT_EQ(steps, 0);
  host.answer = false;
  doc.Header().PageSize = 3;
  Drag(QPoint(right, 300), QPoint(right + 300, 300));
  EXPECT_EQ(doc.Header().SlideW, right);  // No keeps the size
  EXPECT_EQ(MinSlideExtent(96), 188);
  EXPECT_EQ(MaxSlideExtent(96), 5669);
}

TEST_F(Mouse, ARubberBandSelectsWhatItEncloses) {
  const int in = Box(QRect(100, 100, 50, 50));
  const int out = Box(QRect(300, 100, 50, 50));
  Drag(QPoint(90, 90), QPoint(200, 200));
  EXPECT_TRUE(doc.View(in).Selected);
  EXPECT_FALSE(doc.View(out).Selected);
  EXPECT_EQ(sel.primary, in);
}

TEST_F(Mouse, QuickClicksOnTheZoomButtonsEachCount) {
  const QPoint plus = QPoint(1130, 830) + QPoint(-65 + 65, -65 + 20);  // the plus sign
  for (int i = 0; i < 15; ++i) {
    mouse.Press(At(plus));
    mouse.Release(At(plus));
    mouse.DoubleClick(At(plus));
    mouse.Release(At(plus));
  }
  EXPECT_FLOAT_EQ(doc.Header().Zoom, 1.30f);
}

TEST_F(Mouse, TheRingZoomsSmoothlyAcrossItsSeam) {
  console = {true, true};
  const QPoint c(1130, 830);
  mouse.Press(At(c + QPoint(-69, -2)));
  mouse.Move(At(c + QPoint(-69, 2)));  // across the seam behind the centre
  EXPECT_NEAR(doc.Header().Zoom, 0.95f, 0.011f);
  for (int k = 0; k < 10; ++k) mouse.Move(At(c + QPoint(-69, 2 - k)));  // small steps add up
  mouse.Release(At(c + QPoint(-69, -7)));
  EXPECT_GT(doc.Header().Zoom, 1.05f);
}

TEST_F(Mouse, ConsoleMovesByDragAndArrowKeys) {
  const QPoint c(1130, 830);
  Drag(c + QPoint(-30, 0), c + QPoint(-330, -300));
  EXPECT_EQ(QPoint(doc.Header().ConsoleX, doc.Header().ConsoleY), c - QPoint(300, 300));
  EXPECT_TRUE(console.active);
  EXPECT_TRUE(mouse.Key(Qt::Key_Left, Qt::ControlModifier));
  EXPECT_EQ(doc.Header().ConsoleX, 829);
  EXPECT_EQ(steps, 0);
}

TEST_F(Mouse, TheInPlaceEditorCommitsOnTheNextPress) {
  const int i = Box(QRect(100, 100, 201, 101));
  mouse.DoubleClick(At(QPoint(150, 150)));
  EXPECT_EQ(host.opened, i);
  EXPECT_EQ(sel.primary, i);
  const QRect box = mouse.TextBox();
  EXPECT_EQ(box, QRect(QPoint(100, 100), QPoint(300, 205)));
  // A handle drag moves the editor; the text stays open.
  Drag(QPoint(302, 207), QPoint(352, 227));
  EXPECT_EQ(host.editorBox, QRect(QPoint(100, 100), QPoint(352, 227)));
  EXPECT_EQ(host.opened, i);
  host.editorText = QString::fromUtf8("こんにちは");
  EXPECT_FALSE(mouse.Press(At(QPoint(600, 600))));
  EXPECT_EQ(host.opened, -1);
  EXPECT_EQ(ObjectText(doc, i), QString::fromUtf8("こんにちは"));
  EXPECT_EQ(sel.primary, -1);
  EXPECT_EQ(steps, 1);
  mouse.DoubleClick(At(QPoint(150, 150)));
  mouse.Press(At(QPoint(600, 600)));  // the same text again: no step
  EXPECT_EQ(steps, 1);
}

TEST_F(Mouse, ADoubleClickOnAnImageOpensItsProperties) {
  Add(doc, editorfixtures::Rect(objclass::Image, objkind::Image, QRect(100, 100, 101, 101)));
  mouse.DoubleClick(At(QPoint(150, 150)));
  EXPECT_EQ(host.imageProperties, 0);
  EXPECT_EQ(host.opened, -1);
}

TEST_F(Mouse, AShapeHandleReshapesWithoutAStep) {
  ObjectRecord o = renderfixtures::Box(QRect(300, 300, 201, 101), 0xFFFFFF, 0x000000);
  o.ObjKind = objkind::RoundRect;
  o.RoundR = 60;
  ASSERT_TRUE(DefaultOutline(o, 0, 6));
  const int i = Add(doc, o, true);
  sel.primary = i;
  const QPoint handle = ShapeHandles(doc.Object(i), 1.0f).at(0);
  const Document before = doc;
  Drag(handle, handle + QPoint(6, 0));
  EXPECT_NE(renderfixtures::DocumentBytes(doc), renderfixtures::DocumentBytes(before));
  EXPECT_EQ(steps, 0);
}

TEST(Feedback, AGlowLineIsPalestOutside) {
  QImage image(9, 9, QImage::Format_RGB32);
  image.fill(Qt::white);
  gdi::Dc dc(image);
  Feedback f;
  f.Glow({QPoint(0, 4), QPoint(8, 4)}, false);
  PaintFeedback(dc, f);
  EXPECT_EQ(gdi::FromQRgb(image.pixel(4, 4)), kGlowColours[2]);
  EXPECT_EQ(gdi::FromQRgb(image.pixel(4, 2)), 0xFFFFFFu);
  EXPECT_NE(gdi::FromQRgb(image.pixel(4, 3)), 0xFFFFFFu);
  EXPECT_EQ(f.Area().contains(QRect(0, 4, 9, 1)), true);
}

TEST(InPlaceText, InputIsCountedInCp932AndNeverSplit) {
  const struct {
    const char* name;
    const char* kept;
    const char* typed;
    int limit;
    const char* accepted;
    TextRefusal refusal;
  } cases[] = {
      {"fits", "", "abc", 990, "abc", TextRefusal::None},
      {"a double-byte character is not split", "", "あいう", 5, "あい", TextRefusal::TooLong},
      {"the text around counts", "1234", "あい", 6, "あ", TextRefusal::TooLong},
      {"a character CP932 cannot hold is left out", "", "a😀b", 990, "ab", TextRefusal::NotCp932},
      {"full already", "12345", "x", 5, "", TextRefusal::TooLong},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const InputFit fit = FitInput(QString::fromUtf8(c.kept), QString::fromUtf8(c.typed), c.limit);
    EXPECT_EQ(fit.accepted, QString::fromUtf8(c.accepted));
    EXPECT_EQ(fit.refusal, c.refusal);
  }
  ObjectRecord d{};
  d.ObjClass = objclass::DText;
  EXPECT_EQ(TextLimit(d), 50);
}

}  // namespace
