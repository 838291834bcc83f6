// The editing view's right-click menus: which submenu a point opens, the items
// of each submenu, and their check and grey states.
#pragma once

#include <span>

#include "editor/HitTest.h"
#include "editor/Selection.h"

class Document;
struct ObjectRecord;

// Command identifiers of the context menus.
enum MenuCommand : int {
  ID_EDIT_PASTE = 32786, ID_EDIT_COPY = 32792, ID_EDIT_DELETE = 32795, ID_SWAP_ORDER = 32797,
  ID_SELECT_ALL = 347, ID_TO_FRONT = 430, ID_TO_BACK = 431, ID_TEXT_DLG = 327, ID_SET_DEFAULT = 368,
  ID_TEXT_ROTATE = 485, ID_CHAR_ONLY_ROTATE = 501, ID_ANCHOR_CURVE = 535,
  ID_CENTER_HERE = 486, ID_CENTER_MIDDLE = 487,
  ID_SHOW_POINT_NO = 466, ID_POINT_NO_COLOR = 470, ID_POINT_CURVE = 467,
  ID_TO_POLYGON = 468, ID_TO_LINE = 469,
  ID_ADD_POINT1 = 474, ID_ADD_POINT2 = 475, ID_ADD_POINT3 = 476,
  ID_DEL_POINT = 465, ID_FIX_POINT = 477, ID_FIX_ALL = 479, ID_FREE_ALL = 480,
  ID_LEVEL_H_SMALL = 481, ID_LEVEL_V_SMALL = 482, ID_LEVEL_H_LARGE = 483, ID_LEVEL_V_LARGE = 484,
  ID_POINT_COORD = 533, ID_END_COPY_TO = 396, ID_END_COPY_FROM = 397, ID_END_SWAP = 399,
  ID_IMAGE_PROPERTY = 402, ID_TRANS_PICK = 495, ID_TRANS_OFF = 516, ID_IMAGE_SAVE = 595,
  ID_IMAGE_ADD = 611, ID_IMAGE_CHANGE = 612,
  ID_ZOOM_100 = 419, ID_ZOOM_200 = 420, ID_ZOOM_300 = 421, ID_ZOOM_400 = 422, ID_ZOOM_FIT = 423,
  ID_CONSOLE_TOP_LEFT = 424, ID_CONSOLE_ALWAYS = 425,
};

enum class SubMenu { None, Zoom, View, Image, DText, Special, Poly, Side, Pos, Line, End };

struct MenuItem {
  int id;             // 0: a separator
  const char* label;  // UTF-8 with its &-mnemonic
};

// The items of a submenu in order; empty for SubMenu::None.
std::span<const MenuItem> MenuItems(SubMenu menu);
const char* SubMenuName(SubMenu menu);  // "ZOOM", "VIEW", ...
// The label of the first item with command `id`; empty when no menu has it.
const char* MenuItemLabel(int id);

// The submenu for a right click: on the console disc, on an object (by its
// class, kind and the part hit), or on empty space inside or outside the slide.
SubMenu ChooseSubMenu(const Document& doc, bool onConsole, const ObjectHit& hit, bool insideSlide);

// What the items' states depend on besides the document.
struct MenuContext {
  const Document& doc;
  int slide = 0;
  SelectionState selection;
  bool canPaste = false;       // the clipboard holds something the view can paste
  bool transPicking = false;   // picking a transparent colour
};

struct ItemState {
  bool checkable = false;
  bool checked = false;
  bool greyed = false;
};
ItemState MenuItemState(SubMenu menu, int id, const MenuContext& ctx);

// Whether n vertices may be inserted: at most 200 points, and a curved outline
// keeps its structure (3k points closed, 3k + 1 for a line).
bool CanInsertVertices(const ObjectRecord& rec, int n);
