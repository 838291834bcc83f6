// The per-object properties the ribbon sets over the selection: font, text
// colours, alignment and spacing of text, margins, fill, line, line ends,
// shadow and light. Each change carries its value; whoever calls runs it
// through the edit path, which keeps one undo step when something changed
// and none when every selected object already had the value.
#pragma once

#include <QString>

#include "editor/Selection.h"

class Document;

// Ribbon command identifiers of the property commands.
enum PropertyCommand : int {
  ID_FONT_NAME = 310, ID_FONT_SIZE = 32798,
  ID_FONT_BOLD = 315, ID_FONT_ITALIC = 316, ID_FONT_DEL = 317, ID_FONT_UNDER = 318,
  ID_FONT_COL = 320, ID_FONT_BK = 329,
  ID_V_TOP = 321, ID_V_CEN = 322, ID_V_BTM = 323,
  ID_H_LEFT = 324, ID_H_CEN = 325, ID_H_RIGHT = 326,
  ID_CHAR_WIDE = 502, ID_CHAR_NARROW = 503, ID_LINE_UP = 374, ID_LINE_DOWN = 375,
  ID_WORD_WRAP = 373,
  ID_MARGIN_L = 311, ID_MARGIN_R = 312, ID_MARGIN_T = 313, ID_MARGIN_B = 314,
  ID_BK_COL = 394, ID_SECOND_BK = 532, ID_LINE_COL = 32815, ID_LINE_SIZE = 32816,
  ID_LINE_SOLID = 32817, ID_LINE_DASH = 32819, ID_LINE_DOT = 32818,
  ID_LINE_DASHDOT = 32859, ID_LINE_DASHDOTDOT = 32860, ID_LINE_DOUBLET = 451,
  ID_CURVE_CHANGE = 488,
  ID_END_COL = 338, ID_END_STYLE0 = 340, ID_END_STYLE1 = 341, ID_END_STYLE2 = 342, ID_END_STYLE3 = 343,
  ID_END_LEN = 392, ID_END_SIZE = 339,
  ID_KAGE_COL = 526, ID_KAGE_X = 527, ID_KAGE_Y = 528,
  ID_FONT_BK_COL_NON = 613, ID_BK_COL_NON = 614, ID_LINE_COL_NON = 615, ID_KAGE_COL_NON = 616,
  ID_LIGHT = 529,
};

// One property change. `number` is the value of numeric, colour and on/off
// properties (a toggle button passes its new state); ID_FONT_NAME takes
// `text`. The fixed-value commands (alignment buttons, line styles, end
// styles, the "none" colours, the spacing steps) ignore both.
struct PropertyChange {
  int id = 0;
  int number = 0;
  QString text{};
};

// Where a change lands: the current slide's selected objects, the primary
// and its selected vertex (an end vertex of a line redirects line changes to
// that end).
struct PropertyScope {
  int slide = 0;
  SelectionState selection;
};

// Applies `change` to every selected object of the scope's slide (text
// properties only to objects with text). Without a primary only the fill and
// line colours act, on the slide background and frame. Returns whether any
// record or the header changed; false too for an unknown id or an empty font name.
bool ApplyProperty(Document& doc, const PropertyScope& scope, const PropertyChange& change);

// Whether the command can act now: every property needs a primary object
// except the fill and line colours; the spacing steps stop at 0 and 50 for the primary.
bool PropertyEnabled(const Document& doc, const PropertyScope& scope, int id);
