#include "editor/Selection.h"

#include <gtest/gtest.h>

#include <set>

#include "EditorFixtures.h"

namespace {

// Objects 0, 1 and 3 lie on slide 0, object 2 on slide 1.
class Selection : public ::testing::Test {
 protected:
  void SetUp() override {
    editorfixtures::Reset(doc);
    for (int slide : {0, 0, 1, 0}) editorfixtures::Add(doc, renderfixtures::Box(QRect(10, 10, 50, 50), 0, 0, slide));
  }
  void Select(std::set<int> indices) {
    for (int i = 0; i < doc.ObjCount(); ++i) doc.View(i).Selected = indices.count(i) ? 1 : 0;
  }
  std::set<int> Selected() const {
    std::set<int> s;
    for (int i = 0; i < doc.ObjCount(); ++i)
      if (doc.View(i).Selected) s.insert(i);
    return s;
  }
  Document doc;
  SelectionState sel;
};

TEST_F(Selection, ClickRules) {
  struct Case {
    const char* name;
    std::set<int> before;
    int primary;
    int click;
    bool ctrl, shift;
    std::set<int> after;
    int primaryAfter;
    bool drag;
  } cases[] = {
      {"no primary", {}, -1, 1, false, false, {1}, 1, true},
      {"no primary, with ctrl", {}, -1, 1, true, false, {1}, 1, true},
      {"selected becomes primary", {0, 1}, 0, 1, false, false, {0, 1}, 1, true},
      {"ctrl on selected", {0, 1}, 0, 1, true, false, {0, 1}, 1, true},
      {"shift on the primary", {0, 1, 3}, 1, 1, false, true, {0, 3}, 0, false},
      {"shift on another selected", {0, 1}, 0, 1, false, true, {0}, 0, false},
      {"shift on the only one", {3}, 3, 3, false, true, {}, -1, false},
      {"ctrl adds", {0}, 0, 3, true, false, {0, 3}, 3, false},
      {"plain click replaces", {0, 1}, 0, 3, false, false, {2, 3}, 3, true},
  };
  for (const Case& c : cases) {
    Select(c.before);
    if (c.name == std::string("plain click replaces")) doc.View(2).Selected = 1;  // another slide's flag stays
    sel = SelectionState{c.primary};
    const ClickResult r = ClickSelect(doc, 0, sel, c.click, c.ctrl, c.shift);
    EXPECT_EQ(Selected(), c.after) << c.name;
    EXPECT_EQ(sel.primary, c.primaryAfter) << c.name;
    EXPECT_EQ(r.dragMayFollow, c.drag) << c.name;
  }
}

TEST_F(Selection, ShiftOnThePrimaryPassesItToTheLowestSelectedOfTheSlide) {
  Select({1, 2, 3});
  sel = SelectionState{1};
  ClickSelect(doc, 0, sel, 1, false, true);
  EXPECT_EQ(sel.primary, 3);  // object 2 is on another slide
}

TEST_F(Selection, TabWrapsOverTheObjectsOfTheSlide) {
  sel = SelectionState{};
  ASSERT_TRUE(TabSelect(doc, 0, sel, false));
  EXPECT_EQ(sel.primary, 0);
  TabSelect(doc, 0, sel, false);
  EXPECT_EQ(sel.primary, 1);
  TabSelect(doc, 0, sel, false);
  EXPECT_EQ(sel.primary, 3);
  TabSelect(doc, 0, sel, false);
  EXPECT_EQ(sel.primary, 0);
  EXPECT_EQ(Selected(), std::set<int>{0});  // the previous primary is deselected each time
  TabSelect(doc, 0, sel, true);
  EXPECT_EQ(sel.primary, 3);
  sel = SelectionState{};
  TabSelect(doc, 0, sel, true);
  EXPECT_EQ(sel.primary, 3);
}

TEST_F(Selection, TabWithOneOrNoObject) {
  sel = SelectionState{};
  ASSERT_TRUE(TabSelect(doc, 1, sel, false));
  EXPECT_EQ(sel.primary, 2);
  EXPECT_FALSE(TabSelect(doc, 1, sel, false));
  EXPECT_EQ(sel.primary, 2);
  EXPECT_TRUE(doc.View(2).Selected);
  sel = SelectionState{};
  EXPECT_FALSE(TabSelect(doc, 5, sel, false));
}

TEST_F(Selection, SelectAllAndDeselectAllKeepToTheSlide) {
  Select({2});
  SelectAll(doc, 0, sel);
  EXPECT_EQ(Selected(), (std::set<int>{0, 1, 2, 3}));
  EXPECT_EQ(sel.primary, 3);
  sel.vertex = 1;
  sel.edgeA = 0;
  DeselectAll(doc, 0, sel);
  EXPECT_EQ(Selected(), std::set<int>{2});
  EXPECT_EQ(sel.primary, -1);
  EXPECT_EQ(sel.vertex, -2);
  EXPECT_EQ(sel.edgeA, -1);
  EXPECT_EQ(SelectedOnSlide(doc, 1), 1);
}

}  // namespace
