#include "editor/ContextMenus.h"

#include <gtest/gtest.h>

#include <QMenu>
#include <set>

#include "EditorFixtures.h"
#include "editor/MiradoView.h"

namespace {

using editorfixtures::Add;
using editorfixtures::Rect;
using editorfixtures::Shape;

class ContextMenus : public ::testing::Test {
 protected:
  void SetUp() override { editorfixtures::Reset(doc); }
  ItemState State(SubMenu menu, int id, int primary = 0) {
    MenuContext ctx{doc, 0, SelectionState{primary}};
    ctx.selection.vertex = vertex;
    return MenuItemState(menu, id, ctx);
  }
  Document doc;
  int vertex = -2;
};

TEST_F(ContextMenus, SubmenuByWhatLiesUnderThePointer) {
  const int image = Add(doc, Rect(objclass::Image, objkind::Image, QRect(0, 0, 10, 10)));
  const int text = Add(doc, Rect(objclass::DText, objkind::DText, QRect(0, 0, 10, 10)));
  const int star = Add(doc, Rect(objclass::Figure, objkind::Star, QRect(0, 0, 10, 10)));
  const int round = Add(doc, Rect(objclass::Figure, objkind::RoundRect, QRect(0, 0, 10, 10)));
  const int poly = Add(doc, Shape(objkind::Polygon, {{0, 0}, {10, 0}, {10, 10}}));
  const int chr = Add(doc, Shape(objkind::Char, {{0, 0}, {10, 0}, {10, 10}}));
  const int line = Add(doc, Shape(objkind::Line, {{0, 0}, {10, 0}, {10, 10}}));
  struct Case { const char* name; bool console; ObjectHit hit; bool inside; SubMenu menu; } cases[] = {
      {"console", true, {}, true, SubMenu::Zoom},
      {"console over an object", true, {image, 1}, true, SubMenu::Zoom},
      {"empty slide", false, {}, true, SubMenu::View},
      {"outside the slide", false, {}, false, SubMenu::None},
      {"image", false, {image, 1}, true, SubMenu::Image},
      {"design text", false, {text, 3}, true, SubMenu::DText},
      {"star vertex", false, {star, 2, 1}, true, SubMenu::Special},
      {"round rect", false, {round, 2}, true, SubMenu::Special},
      {"polygon body", false, {poly, 2, kBody}, true, SubMenu::Poly},
      {"polygon edge", false, {poly, 2, kEdge, 0, 2}, true, SubMenu::Side},
      {"polygon vertex", false, {poly, 2, 2}, true, SubMenu::Pos},
      {"character vertex", false, {chr, 2, 0}, true, SubMenu::Pos},
      {"character edge", false, {chr, 2, kEdge, 0, 1}, true, SubMenu::Side},
      {"line body", false, {line, 2, kBody}, true, SubMenu::Line},
      {"line edge", false, {line, 2, kEdge, 1, 2}, true, SubMenu::Line},
      {"line start", false, {line, 2, 0}, true, SubMenu::End},
      {"line finish", false, {line, 2, 2}, true, SubMenu::End},
      {"line inner vertex", false, {line, 2, 1}, true, SubMenu::Pos},
  };
  for (const Case& c : cases) EXPECT_EQ(ChooseSubMenu(doc, c.console, c.hit, c.inside), c.menu) << c.name;
}

TEST_F(ContextMenus, EverySubmenuHasItsItems) {
  const std::pair<SubMenu, const char*> names[] = {
      {SubMenu::Zoom, "ZOOM"}, {SubMenu::View, "VIEW"}, {SubMenu::Image, "IMAGE"}, {SubMenu::DText, "D_TEXT"},
      {SubMenu::Special, "SPECIAL"}, {SubMenu::Poly, "POLY"}, {SubMenu::Side, "SIDE"}, {SubMenu::Pos, "POS"},
      {SubMenu::Line, "LINE"}, {SubMenu::End, "END"}};
  for (const auto& [menu, name] : names) {
    EXPECT_STREQ(SubMenuName(menu), name);
    std::set<int> ids;
    for (const MenuItem& item : MenuItems(menu)) {
      if (item.id == 0) continue;
      EXPECT_TRUE(ids.insert(item.id).second) << name << " repeats " << item.id;
      EXPECT_NE(QString::fromUtf8(item.label).indexOf('&'), -1) << name << " " << item.id;
    }
    EXPECT_GE(ids.size(), 2u) << name;
  }
  EXPECT_TRUE(MenuItems(SubMenu::None).empty());
  const auto has = [](SubMenu m, int id) {
    for (const MenuItem& item : MenuItems(m))
      if (item.id == id) return true;
    return false;
  };
  for (SubMenu m : {SubMenu::Image, SubMenu::Poly, SubMenu::Special, SubMenu::Line, SubMenu::DText})
    EXPECT_TRUE(has(m, ID_SWAP_ORDER)) << SubMenuName(m);
  EXPECT_TRUE(has(SubMenu::Side, ID_ADD_POINT3));
  EXPECT_TRUE(has(SubMenu::Pos, ID_DEL_POINT));
  EXPECT_TRUE(has(SubMenu::End, ID_END_SWAP));
  EXPECT_TRUE(has(SubMenu::Zoom, ID_CONSOLE_ALWAYS));
}

TEST_F(ContextMenus, SwapNeedsExactlyTwoSelectedOnTheSlide) {
  Add(doc, Shape(objkind::Polygon, {{0, 0}, {10, 0}, {10, 10}}), true);
  Add(doc, Shape(objkind::Polygon, {{0, 0}, {10, 0}, {10, 10}}), false);
  Add(doc, Shape(objkind::Polygon, {{0, 0}, {10, 0}, {10, 10}}, 1), true);
  EXPECT_TRUE(State(SubMenu::Poly, ID_SWAP_ORDER).greyed);
  doc.View(1).Selected = 1;
  EXPECT_FALSE(State(SubMenu::Poly, ID_SWAP_ORDER).greyed);
}

TEST_F(ContextMenus, ChecksFollowTheObjectAndTheDocument) {
  ObjectRecord poly = Shape(objkind::Polygon, {{0, 0}, {10, 0}, {10, 10}});
  poly.TextRotate = 1;
  poly.Curve = 1;
  Add(doc, poly, true);
  EXPECT_FALSE(State(SubMenu::Poly, ID_TEXT_ROTATE).checked);  // polygons show the flag inverted
  EXPECT_TRUE(State(SubMenu::Line, ID_TEXT_ROTATE).checked);
  EXPECT_TRUE(State(SubMenu::Special, ID_TEXT_ROTATE).checked);
  EXPECT_TRUE(State(SubMenu::Poly, ID_POINT_CURVE).checked);
  EXPECT_FALSE(State(SubMenu::Poly, ID_SHOW_POINT_NO).checked);
  doc.Header().ShowPointNo = 1;
  EXPECT_TRUE(State(SubMenu::Poly, ID_SHOW_POINT_NO).checked);
  EXPECT_FALSE(State(SubMenu::Zoom, ID_CONSOLE_ALWAYS, -1).checked);
  doc.Header().ConsoleAlways = 1;
  EXPECT_TRUE(State(SubMenu::Zoom, ID_CONSOLE_ALWAYS, -1).checked);
  vertex = 2;
  EXPECT_FALSE(State(SubMenu::Pos, ID_FIX_POINT).checked);
  doc.Object(0).PointFixed[2] = 1;
  EXPECT_TRUE(State(SubMenu::Pos, ID_FIX_POINT).checked);
  EXPECT_FALSE(State(SubMenu::Pos, ID_DEL_POINT).greyed);
  doc.Object(0).PointNum = 2;
  EXPECT_TRUE(State(SubMenu::Pos, ID_DEL_POINT).greyed);
}

TEST_F(ContextMenus, AnchorCurveOnlyForSpeechBalloons) {
  ObjectRecord slip = Rect(objclass::Figure, objkind::SlipCloud, QRect(0, 0, 10, 10));
  slip.AnchorCurve = 1;
  Add(doc, slip, true);
  ItemState s = State(SubMenu::Special, ID_ANCHOR_CURVE);
  EXPECT_TRUE(s.checked);
  EXPECT_FALSE(s.greyed);
  doc.Object(0).ObjKind = objkind::Star;
  EXPECT_TRUE(State(SubMenu::Special, ID_ANCHOR_CURVE).greyed);
}

TEST_F(ContextMenus, DesignTextAndImageStates) {
  ObjectRecord text = Rect(objclass::DText, objkind::DText, QRect(0, 0, 10, 10));
  text.CharOnlyRotate = 1;
  Add(doc, text, true);
  EXPECT_TRUE(State(SubMenu::DText, ID_CHAR_ONLY_ROTATE).checked);
  EXPECT_FALSE(State(SubMenu::DText, ID_TEXT_ROTATE).checked);
  Add(doc, Rect(objclass::Image, objkind::Image, QRect(0, 0, 10, 10)), true);
  EXPECT_TRUE(State(SubMenu::Image, ID_TRANS_OFF, 1).greyed);
  doc.Object(1).TransOn = 1;
  EXPECT_FALSE(State(SubMenu::Image, ID_TRANS_OFF, 1).greyed);
  MenuContext ctx{doc, 0, SelectionState{1}};
  ctx.transPicking = true;
  EXPECT_TRUE(MenuItemState(SubMenu::Image, ID_TRANS_PICK, ctx).checked);
}

TEST_F(ContextMenus, ViewMenuGreysPasteAndSelectAll) {
  MenuContext ctx{doc, 0, SelectionState{}};
  EXPECT_TRUE(MenuItemState(SubMenu::View, ID_EDIT_PASTE, ctx).greyed);
  EXPECT_TRUE(MenuItemState(SubMenu::View, ID_SELECT_ALL, ctx).greyed);
  ctx.canPaste = true;
  Add(doc, Shape(objkind::Polygon, {{0, 0}, {10, 0}, {10, 10}}, 1));  // any slide counts
  EXPECT_FALSE(MenuItemState(SubMenu::View, ID_EDIT_PASTE, ctx).greyed);
  EXPECT_FALSE(MenuItemState(SubMenu::View, ID_SELECT_ALL, ctx).greyed);
}

TEST_F(ContextMenus, VertexInsertionKeepsCountAndCurveStructure) {
  struct Case { std::uint16_t kind; int points; bool curve; int n; bool allowed; } cases[] = {
      {objkind::Polygon, 4, false, 3, true},   {objkind::Polygon, 198, false, 2, true},
      {objkind::Polygon, 198, false, 3, false}, {objkind::Polygon, 6, true, 3, true},
      {objkind::Polygon, 6, true, 1, false},   {objkind::Line, 7, true, 3, true},
      {objkind::Line, 7, true, 2, false},      {objkind::Line, 2, false, 1, true},
      {objkind::Polygon, 198, true, 3, false},
  };
  for (const Case& c : cases) {
    ObjectRecord r{};
    r.ObjKind = c.kind;
    r.PointNum = static_cast<std::uint16_t>(c.points);
    r.Curve = c.curve;
    EXPECT_EQ(CanInsertVertices(r, c.n), c.allowed) << c.kind << " " << c.points << " +" << c.n;
  }
  Add(doc, Shape(objkind::Line, {{0, 0}, {10, 0}}), true);
  doc.Object(0).PointNum = 199;
  EXPECT_FALSE(State(SubMenu::Line, ID_ADD_POINT1).greyed);
  EXPECT_TRUE(State(SubMenu::Side, ID_ADD_POINT2).greyed);
}

TEST_F(ContextMenus, FilledMenuKeepsLaterCommandsPresentButDisabled) {
  ObjectRecord line = Shape(objkind::Line, {{0, 0}, {10, 0}});
  line.Curve = 1;
  Add(doc, line, true);
  QMenu menu;
  MenuContext ctx{doc, 0, SelectionState{0}};
  FillContextMenu(menu, SubMenu::Line, ctx, [](int id) { return id != ID_EDIT_COPY; });
  int items = 0;
  for (QAction* a : menu.actions()) {
    if (a->isSeparator()) continue;
    ++items;
    const int id = a->data().toInt();
    if (id == ID_EDIT_COPY) {
      EXPECT_FALSE(a->isEnabled());
    } else if (id == ID_TEXT_DLG) {
      EXPECT_TRUE(a->isEnabled());
    } else if (id == ID_POINT_CURVE) {
      EXPECT_TRUE(a->isChecked());
    } else if (id == ID_ADD_POINT1) {
      EXPECT_FALSE(a->isEnabled());  // a curved line needs 3 more
    }
  }
  int expected = 0;
  for (const MenuItem& item : MenuItems(SubMenu::Line)) expected += item.id != 0;
  EXPECT_EQ(items, expected);
}

}  // namespace
