// The context menus' item tables and the rules for their states.
#include "editor/ContextMenus.h"

#include <algorithm>
#include <array>

#include "core/Document.h"
#include "geometry/ShapeHandles.h"

namespace {

constexpr MenuItem kSep{0, ""};

constexpr MenuItem kZoom[] = {
    {ID_ZOOM_100, "100%(&1)"}, {ID_ZOOM_200, "200%(&2)"}, {ID_ZOOM_300, "300%(&3)"},
    {ID_ZOOM_400, "400%(&4)"}, {ID_ZOOM_FIT, "スライド全体を表示(&F)"}, kSep,
    {ID_CONSOLE_TOP_LEFT, "ズームコンソールを左上に表示(&Z)"},
    {ID_CONSOLE_ALWAYS, "ズームコンソールを常に表示(&Z)"},
};

constexpr MenuItem kView[] = {
    {ID_EDIT_PASTE, "貼り付け(&P)"}, {ID_SELECT_ALL, "すべて選択(&A)"}, kSep,
    {ID_IMAGE_ADD, "イメージをファイルから追加(&F)"},
};

constexpr MenuItem kImage[] = {
    {ID_EDIT_COPY, "コピー(&C)"}, {ID_EDIT_DELETE, "削除(&D)"}, kSep,
    {ID_TO_FRONT, "最前面へ(&A)"}, {ID_TO_BACK, "最背面へ(&Z)"}, {ID_SWAP_ORDER, "前面・背面交換(&X)"}, kSep,
    {ID_TRANS_PICK, "透過色の指定(&T)"}, {ID_TRANS_OFF, "透過色の解除(&K)"}, kSep,
    {ID_IMAGE_CHANGE, "イメージを変更(&M)"}, {ID_IMAGE_SAVE, "イメージをファイルに保存(&F)"}, kSep,
    {ID_CENTER_HERE, "ここを回転の中心にする(&H)"}, {ID_CENTER_MIDDLE, "回転の中心をオブジェクトの中央にする(&M)"}, kSep,
    {ID_IMAGE_PROPERTY, "プロパティ(&P)"},
};

constexpr MenuItem kDText[] = {
    {ID_TEXT_DLG, "テキストの編集(&T)"}, kSep,
    {ID_EDIT_COPY, "コピー(&C)"}, {ID_EDIT_DELETE, "削除(&D)"}, kSep,
    {ID_TO_FRONT, "最前面へ(&A)"}, {ID_TO_BACK, "最背面へ(&Z)"}, {ID_SWAP_ORDER, "前面・背面交換(&X)"}, kSep,
    {ID_TEXT_ROTATE, "文字も同時に回転させる(&O)"}, {ID_CHAR_ONLY_ROTATE, "文字のみを回転させる(&R)"}, kSep,
    {ID_CENTER_HERE, "ここを回転の中心にする(&H)"}, {ID_CENTER_MIDDLE, "回転の中心をオブジェクトの中央にする(&M)"}, kSep,
    {ID_SET_DEFAULT, "初期値にする(&I)"},
};

constexpr MenuItem kSpecial[] = {
    {ID_TEXT_DLG, "テキストの編集(&T)"}, kSep,
    {ID_EDIT_COPY, "コピー(&C)"}, {ID_EDIT_DELETE, "削除(&D)"}, kSep,
    {ID_TO_FRONT, "最前面へ(&A)"}, {ID_TO_BACK, "最背面へ(&Z)"}, {ID_SWAP_ORDER, "前面・背面交換(&X)"}, kSep,
    {ID_TEXT_ROTATE, "テキストも回転(&O)"}, {ID_ANCHOR_CURVE, "アンカーを曲線にする(&A)"}, kSep,
    {ID_TO_POLYGON, "⇒ 多角形(&P)"}, {ID_TO_LINE, "⇒ 線(&W)"}, kSep,
    {ID_CENTER_HERE, "ここを回転の中心にする(&H)"}, {ID_CENTER_MIDDLE, "回転の中心をオブジェクトの中央にする(&M)"}, kSep,
    {ID_SET_DEFAULT, "初期値にする(&I)"},
};

constexpr MenuItem kPoly[] = {
    {ID_TEXT_DLG, "テキストの編集(&T)"}, kSep,
    {ID_EDIT_COPY, "コピー(&C)"}, {ID_EDIT_DELETE, "削除(&D)"}, kSep,
    {ID_TO_FRONT, "最前面へ(&A)"}, {ID_TO_BACK, "最背面へ(&Z)"}, {ID_SWAP_ORDER, "前面・背面交換(&X)"}, kSep,
    {ID_TEXT_ROTATE, "テキストも回転(&O)"}, {ID_SHOW_POINT_NO, "折点№の表示(&N)"},
    {ID_POINT_NO_COLOR, "折点№色の変更(&L)"}, {ID_POINT_CURVE, "折点間を曲線で結ぶ(&U)"},
    {ID_TO_LINE, "多角形 ⇒ 線(&W)"}, kSep,
    {ID_FIX_ALL, "すべての折点を固定(&A)"}, {ID_FREE_ALL, "すべての折点の固定を解除(&U)"}, kSep,
    {ID_CENTER_HERE, "ここを回転の中心にする(&H)"}, {ID_CENTER_MIDDLE, "回転の中心をオブジェクトの中央にする(&M)"}, kSep,
    {ID_SET_DEFAULT, "初期値にする(&I)"},
};

constexpr MenuItem kLevel[] = {
    {ID_LEVEL_H_SMALL, "水平にする [数字の小さい折点№基準] (&H)"},
    {ID_LEVEL_V_SMALL, "垂直にする [数字の小さい折点№基準] (&V)"},
    {ID_LEVEL_H_LARGE, "水平にする [数字の大きい折点№基準] (&K)"},
    {ID_LEVEL_V_LARGE, "垂直にする [数字の大きい折点№基準] (&B)"},
};

constexpr MenuItem kSide[] = {
    {ID_ADD_POINT1, "折点を1個追加(&1)"}, {ID_ADD_POINT2, "折点を2個追加(&2)"}, {ID_ADD_POINT3, "折点を3個追加(&3)"}, kSep,
    kLevel[0], kLevel[1], kLevel[2], kLevel[3],
};

constexpr MenuItem kLine[] = {
    {ID_TEXT_DLG, "テキストの編集(&T)"}, kSep,
    {ID_EDIT_COPY, "コピー(&C)"}, {ID_EDIT_DELETE, "削除(&D)"}, kSep,
    {ID_TO_FRONT, "最前面へ(&A)"}, {ID_TO_BACK, "最背面へ(&Z)"}, {ID_SWAP_ORDER, "前面・背面交換(&X)"}, kSep,
    {ID_ADD_POINT1, "折点を1個追加(&1)"}, {ID_ADD_POINT2, "折点を2個追加(&2)"}, {ID_ADD_POINT3, "折点を3個追加(&3)"}, kSep,
    kLevel[0], kLevel[1], kLevel[2], kLevel[3], kSep,
    {ID_TEXT_ROTATE, "テキストも回転(&O)"}, {ID_SHOW_POINT_NO, "折点№の表示(&N)"},
    {ID_POINT_NO_COLOR, "折点№色の変更(&L)"}, {ID_POINT_CURVE, "折点間を曲線で結ぶ(&U)"},
    {ID_TO_POLYGON, "線 ⇒ 多角形(&P)"}, kSep,
    {ID_FIX_ALL, "すべての折点を固定(&A)"}, {ID_FREE_ALL, "すべての折点の固定を解除(&U)"}, kSep,
    {ID_CENTER_HERE, "ここを回転の中心にする(&H)"}, {ID_CENTER_MIDDLE, "回転の中心をオブジェクトの中央にする(&M)"}, kSep,
    {ID_SET_DEFAULT, "初期値にする(&I)"},
};

constexpr MenuItem kPos[] = {
    {ID_DEL_POINT, "この折点を削除(&D)"}, {ID_FIX_POINT, "この折点の固定/解除(&L)"}, kSep,
    {ID_FIX_ALL, "すべての折点を固定(&A)"}, {ID_FREE_ALL, "すべての折点の固定を解除(&U)"}, kSep,
    {ID_POINT_COORD, "この折点を指定座標へ移動(&J)"},
};

constexpr MenuItem kEnd[] = {
    {ID_END_COPY_TO, "この終端の属性を別端へコピー(&C)"}, {ID_END_COPY_FROM, "別端の属性をこの終端へコピー(&P)"},
    {ID_END_SWAP, "別端の属性と交換(&X)"}, kSep,
    {ID_POINT_COORD, "座標を指定して移動(&J)"},
};

struct MenuRow {
  SubMenu menu;
  const char* name;
  std::span<const MenuItem> items;
};

const std::array<MenuRow, 10> kMenus{{
    {SubMenu::Zoom, "ZOOM", kZoom},       {SubMenu::View, "VIEW", kView},
    {SubMenu::Image, "IMAGE", kImage},    {SubMenu::DText, "D_TEXT", kDText},
    {SubMenu::Special, "SPECIAL", kSpecial}, {SubMenu::Poly, "POLY", kPoly},
    {SubMenu::Side, "SIDE", kSide},       {SubMenu::Pos, "POS", kPos},
    {SubMenu::Line, "LINE", kLine},       {SubMenu::End, "END", kEnd},
}};

const MenuRow* Find(SubMenu menu) {
  for (const MenuRow& row : kMenus)
    if (row.menu == menu) return &row;
  return nullptr;
}

bool IsSlipShape(int kind) { return kind >= objkind::SlipRect && kind <= objkind::SlipSCloud; }

ItemState Check(bool on) { return {true, on, false}; }
ItemState Grey(bool greyed) { return {false, false, greyed}; }

}  // namespace

std::span<const MenuItem> MenuItems(SubMenu menu) {
  const MenuRow* row = Find(menu);
  return row ? row->items : std::span<const MenuItem>();
}

const char* MenuItemLabel(int id) {
  for (const MenuRow& row : kMenus)
    for (const MenuItem& item : row.items)
      if (item.id == id) return item.label;
  return "";
}

const char* SubMenuName(SubMenu menu) {
  const MenuRow* row = Find(menu);
  return row ? row->name : "";
}

SubMenu ChooseSubMenu(const Document& doc, bool onConsole, const ObjectHit& hit, bool insideSlide) {
  if (onConsole) return SubMenu::Zoom;
  if (!hit.Hit()) return insideSlide ? SubMenu::View : SubMenu::None;
  const ObjectRecord& r = doc.Object(hit.index);
  if (r.ObjClass == objclass::Image) return SubMenu::Image;
  if (r.ObjClass == objclass::DText) return SubMenu::DText;
  if (HasShapeHandles(r.ObjKind)) return SubMenu::Special;
  if (r.ObjKind == objkind::Line) {
    if (hit.vertex < 0) return SubMenu::Line;
    const bool end = hit.vertex == 0 || hit.vertex == r.PointNum - 1;
    return end ? SubMenu::End : SubMenu::Pos;
  }
  if (hit.vertex == kEdge) return SubMenu::Side;
  if (hit.vertex >= 0) return SubMenu::Pos;
  return SubMenu::Poly;
}

bool CanInsertVertices(const ObjectRecord& rec, int n) {
  const int count = rec.PointNum + n;
  if (count > kMaxPoints) return false;
  if (!rec.Curve) return true;
  return rec.ObjKind == objkind::Line ? count % 3 == 1 : count % 3 == 0;
}

ItemState MenuItemState(SubMenu menu, int id, const MenuContext& ctx) {
  const Document& doc = ctx.doc;
  const int primary = ctx.selection.primary;
  const ObjectRecord* rec = primary >= 0 ? &doc.Object(primary) : nullptr;
  switch (id) {
    case ID_EDIT_PASTE: return Grey(!ctx.canPaste);
    case ID_SELECT_ALL: return Grey(doc.ObjCount() == 0);
    case ID_CONSOLE_ALWAYS: return Check(doc.Header().ConsoleAlways != 0);
    case ID_SWAP_ORDER: return Grey(SelectedOnSlide(doc, ctx.slide) != 2);
    case ID_TRANS_PICK: return Check(ctx.transPicking);
    case ID_SHOW_POINT_NO: return Check(doc.Header().ShowPointNo != 0);
    default: break;
  }
  if (!rec) return {};
  switch (id) {
    case ID_TRANS_OFF: return Grey(rec->TransOn == 0);
    case ID_POINT_CURVE: return Check(rec->Curve != 0);
    // Polygons show the opposite of the flag: checked means the text stays upright.
    case ID_TEXT_ROTATE: return Check(menu == SubMenu::Poly ? rec->TextRotate == 0 : rec->TextRotate != 0);
    case ID_ANCHOR_CURVE: return {true, rec->AnchorCurve != 0, !IsSlipShape(rec->ObjKind)};
    case ID_CHAR_ONLY_ROTATE: return Check(rec->CharOnlyRotate != 0);
    case ID_ADD_POINT1: case ID_ADD_POINT2: case ID_ADD_POINT3:
      return Grey(!CanInsertVertices(*rec, id - ID_ADD_POINT1 + 1));
    case ID_DEL_POINT: return Grey(rec->PointNum <= 2);
    case ID_FIX_POINT: {
      const int v = ctx.selection.vertex;
      return Check(v >= 0 && v < kMaxPoints && rec->PointFixed[v] != 0);
    }
    default: return {};
  }
}
