#include "editor/PropertyCommands.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>

#include "core/EditPath.h"
#include "tests/editor/EditorFixtures.h"

namespace {

using editorfixtures::Add;

// Slide 0: a selected text box (primary), a selected figure without text, an
// unselected text box; slide 1: a selected text box.
// Every "none" colour set, and a gradient, so that clearing them shows.
ObjectRecord Coloured(ObjectRecord r) {
  r.GradePattern = 2;
  r.refKage = r.refTextBk = 0x10;
  return r;
}

struct Scene {
  Document doc;
  PropertyScope scope;
  int textBox, plain, unselected, otherSlide;

  Scene() {
    editorfixtures::Reset(doc);
    ObjectRecord text = Coloured(editorfixtures::Rect(objclass::Figure, objkind::Polygon, QRect(10, 10, 50, 50)));
    std::strcpy(text.Text, "abc");
    textBox = Add(doc, text, true);
    plain = Add(doc, Coloured(editorfixtures::Rect(objclass::Figure, objkind::Ellipse, QRect(100, 10, 50, 50))), true);
    unselected = Add(doc, text, false);
    ObjectRecord later = text;
    later.Slide = 1;
    otherSlide = Add(doc, later, true);
    scope.slide = 0;
    scope.selection.primary = textBox;
  }
};

TEST(PropertyCommandsTest, EachPropertyReachesItsFieldOnTheRightObjects) {
  struct Case {
    const char* what;
    PropertyChange change;
    std::function<int(const ObjectRecord&)> field;
    int expected;
    bool textOnly;
  };
  const Case cases[] = {
      {"size", {ID_FONT_SIZE, 36}, [](auto& r) { return r.FontSize; }, 36, true},
      {"bold", {ID_FONT_BOLD, 1}, [](auto& r) { return r.FontBold; }, 1, true},
      {"underline", {ID_FONT_UNDER, 1}, [](auto& r) { return r.FontUnder; }, 1, true},
      {"text colour", {ID_FONT_COL, 0x123456}, [](auto& r) { return r.refText; }, 0x123456, true},
      {"no text ground", {ID_FONT_BK_COL_NON}, [](auto& r) { return r.refTextBk; }, -1, true},
      {"bottom", {ID_V_BTM}, [](auto& r) { return r.AlineV; }, 2, true},
      {"right", {ID_H_RIGHT}, [](auto& r) { return r.AlineH; }, 2, true},
      {"wrap", {ID_WORD_WRAP, 1}, [](auto& r) { return r.WordWrap; }, 1, true},
      {"margin", {ID_MARGIN_B, 7}, [](auto& r) { return r.MarginB; }, 7, true},
      {"fill", {ID_BK_COL, 0xFF}, [](auto& r) { return r.refMen; }, 0xFF, false},
      {"fill drops gradient", {ID_BK_COL, 0xFF}, [](auto& r) { return r.GradePattern; }, -1, false},
      {"second fill", {ID_SECOND_BK, 0xFF00}, [](auto& r) { return r.refSecondMen; }, 0xFF00, false},
      {"line colour", {ID_LINE_COL, 0xFF00}, [](auto& r) { return r.refLine; }, 0xFF00, false},
      {"width", {ID_LINE_SIZE, 9}, [](auto& r) { return r.Futosa; }, 9, false},
      {"dot dash", {ID_LINE_DASHDOT}, [](auto& r) { return r.LineStyle; }, 3, false},
      {"doublet", {ID_LINE_DOUBLET}, [](auto& r) { return r.LineStyle; }, 5, false},
      {"end style both ends", {ID_END_STYLE2}, [](auto& r) { return r.Ends[0].EndStyle * 10 + r.Ends[1].EndStyle; }, 22, false},
      {"end size", {ID_END_SIZE, 12}, [](auto& r) { return r.Ends[1].EndSize; }, 12, false},
      {"shadow x", {ID_KAGE_X, -4}, [](auto& r) { return r.KageX; }, -4, false},
      {"no shadow", {ID_KAGE_COL_NON}, [](auto& r) { return r.refKage; }, -1, false},
      {"light", {ID_LIGHT, 5}, [](auto& r) { return r.LightDir; }, 5, false},
      {"no fill", {ID_BK_COL_NON}, [](auto& r) { return r.refMen; }, -1, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Scene s;
    const ObjectRecord plainBefore = s.doc.Object(s.plain);
    EXPECT_TRUE(ApplyProperty(s.doc, s.scope, c.change));
    EXPECT_EQ(c.field(s.doc.Object(s.textBox)), c.expected);
    if (c.textOnly)
      EXPECT_EQ(std::memcmp(&plainBefore, &s.doc.Object(s.plain), sizeof plainBefore), 0) << "a figure without text changed";
    else
      EXPECT_EQ(c.field(s.doc.Object(s.plain)), c.expected);
    EXPECT_NE(c.field(s.doc.Object(s.unselected)), c.expected) << "an unselected object changed";
    EXPECT_NE(c.field(s.doc.Object(s.otherSlide)), c.expected) << "another slide changed";
  }
}

TEST(PropertyCommandsTest, SameValueAgainChangesNothing) {
  const PropertyChange changes[] = {{ID_FONT_SIZE, 30}, {ID_H_CEN}, {ID_LINE_DASH}, {ID_KAGE_COL, 0x11}, {ID_LIGHT, 3},
                                    {ID_FONT_NAME, 0, QStringLiteral("ＭＳ ゴシック")}, {ID_CURVE_CHANGE, 1}};
  for (const PropertyChange& c : changes) {
    SCOPED_TRACE(c.id);
    Scene s;
    EXPECT_TRUE(ApplyProperty(s.doc, s.scope, c));
    EXPECT_FALSE(ApplyProperty(s.doc, s.scope, c));
  }
}

TEST(PropertyCommandsTest, OneUndoStepPerChangeAndNoneWhenNothingChanges) {
  Scene s;
  EditPath edits(s.doc);
  int steps = 0;
  edits.SetSnapshotTaker([](const Document&) {}, [&steps](bool changed) { steps += changed ? 1 : 0; });
  const auto apply = [&](PropertyChange c) {
    return edits.Apply(EditKind::Undoable, [&](Document& d) { return ApplyProperty(d, s.scope, c); });
  };
  EXPECT_TRUE(apply({ID_FONT_BOLD, 1}));
  EXPECT_FALSE(apply({ID_FONT_BOLD, 1}));
  EXPECT_FALSE(apply({ID_FONT_NAME, 0, QString()}));  // an empty control leaves everything
  EXPECT_TRUE(apply({ID_LINE_SIZE, 4}));
  EXPECT_EQ(steps, 2);
  EXPECT_TRUE(edits.IsModified());
}

TEST(PropertyCommandsTest, FontNameIsCutAtACharacterBoundary) {
  Scene s;
  const QString longName = QString(20, QChar(0x3042));  // 40 bytes in CP932
  EXPECT_TRUE(ApplyProperty(s.doc, s.scope, {ID_FONT_NAME, 0, longName}));
  EXPECT_EQ(std::strlen(s.doc.Object(s.textBox).FontName), 30u);
  EXPECT_FALSE(ApplyProperty(s.doc, s.scope, {ID_FONT_NAME, 0, QStringLiteral("\U0001F600")}));  // no CP932 form
}

TEST(PropertyCommandsTest, SpacingStepsStopAtTheirLimits) {
  struct Case {
    int id, start, expected;
    bool changed;
  };
  const Case cases[] = {
      {ID_CHAR_WIDE, 49, 50, true}, {ID_CHAR_WIDE, 50, 50, false}, {ID_CHAR_NARROW, 1, 0, true},
      {ID_CHAR_NARROW, 0, 0, false}, {ID_LINE_UP, 3, 4, true}, {ID_LINE_DOWN, 0, 0, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.id);
    Scene s;
    ObjectRecord& r = s.doc.Object(s.textBox);
    const bool chars = c.id == ID_CHAR_WIDE || c.id == ID_CHAR_NARROW;
    (chars ? r.CharMargin : r.LineMargin) = static_cast<std::uint16_t>(c.start);
    EXPECT_EQ(PropertyEnabled(s.doc, s.scope, c.id), c.changed);
    EXPECT_EQ(ApplyProperty(s.doc, s.scope, {c.id}), c.changed);
    EXPECT_EQ(chars ? r.CharMargin : r.LineMargin, c.expected);
  }
}

// A line whose start vertex is selected: line, width and style go to that
// end; the end commands to the named end; "no fill" clears the arrow fill.
TEST(PropertyCommandsTest, AnEndVertexOfALineRedirectsLineChangesToThatEnd) {
  struct Case {
    int vertex;
    PropertyChange change;
    std::function<int(const ObjectRecord&)> field;
    int expected;
  };
  const Case cases[] = {
      {0, {ID_LINE_COL, 0x77}, [](auto& r) { return r.Ends[0].refEndLine * 1000 + (r.refLine == 0x77); }, 0x77 * 1000},
      {2, {ID_LINE_SIZE, 6}, [](auto& r) { return r.Ends[1].EndFutosa * 100 + r.Ends[0].EndFutosa; }, 600},
      {2, {ID_LINE_DOT}, [](auto& r) { return r.Ends[1].EndLineStyle; }, 2},
      {1, {ID_LINE_SIZE, 6}, [](auto& r) { return r.Futosa; }, 6},  // a middle vertex: the line itself
      {1, {ID_END_LEN, 9}, [](auto& r) { return r.Ends[1].EndLen * 100 + r.Ends[0].EndLen; }, 900},
      {0, {ID_BK_COL_NON}, [](auto& r) { return r.Ends[0].refEnd * 10 + (r.refMen == -1); }, -10},
      {-2, {ID_BK_COL_NON}, [](auto& r) { return r.Ends[0].refEnd + r.Ends[1].refEnd; }, -2},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.vertex);
    Document doc;
    editorfixtures::Reset(doc);
    ObjectRecord line = editorfixtures::Shape(objkind::Line, {{0, 0}, {50, 0}, {100, 0}});
    for (LineEnd& e : line.Ends) e = LineEnd{};
    const int i = Add(doc, line, true);
    PropertyScope scope{0, {i, c.vertex}};
    EXPECT_TRUE(ApplyProperty(doc, scope, c.change));
    EXPECT_EQ(c.field(doc.Object(i)), c.expected);
  }
}

TEST(PropertyCommandsTest, WithoutAPrimaryOnlyTheSlideColoursChange) {
  Scene s;
  s.scope.selection = {};
  s.doc.Header().BackGradePattern = 3;
  EXPECT_TRUE(ApplyProperty(s.doc, s.scope, {ID_BK_COL, 0xABCDEF}));
  EXPECT_EQ(s.doc.Header().refBack, 0xABCDEF);
  EXPECT_EQ(s.doc.Header().BackGradePattern, -1);
  EXPECT_TRUE(ApplyProperty(s.doc, s.scope, {ID_LINE_COL, 0x00FF00}));
  EXPECT_EQ(s.doc.Header().refFrame, 0x00FF00);
  EXPECT_FALSE(ApplyProperty(s.doc, s.scope, {ID_LINE_COL, 0x00FF00}));
  EXPECT_FALSE(ApplyProperty(s.doc, s.scope, {ID_FONT_SIZE, 20}));
  EXPECT_FALSE(PropertyEnabled(s.doc, s.scope, ID_FONT_SIZE));
  EXPECT_TRUE(PropertyEnabled(s.doc, s.scope, ID_BK_COL));
  EXPECT_NE(s.doc.Object(s.textBox).FontSize, 20);
}

}  // namespace
