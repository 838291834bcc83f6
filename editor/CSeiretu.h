// The alignment operations of the 整列 menu: edges to the primary object,
// the selection centred on the slide, even spacing, and the primary's size.
// Each works on the selected objects of the current slide and their boxes
// as the selection frame shows them.
#pragma once

class Document;

enum class SeiretuOp {
  ToLeft,    // ID_TO_LEFT
  ToRight,   // ID_TO_RIGHT
  ToTop,     // ID_TO_TOP
  ToBottom,  // ID_TO_BOTTOM
  ToVCen,    // ID_TO_V_CEN: the selection centred vertically on the slide
  ToHCen,    // ID_TO_H_CEN
  ToHKin,    // ID_TO_H_KIN: equal horizontal spacing
  ToVKin,    // ID_TO_V_KIN
  SameW,     // ID_SAME_W
  SameH,     // ID_SAME_H
  SameWH,    // ID_SAME_WH
};

class CSeiretu {
 public:
  CSeiretu(Document& doc, int primary) : doc_(doc), primary_(primary) {}

  // Runs `op`; false when nothing moved (no primary, too few objects).
  bool Run(SeiretuOp op);

  // Edges and sizes need 2 selected objects on the current slide, spacing 3;
  // centring is always on.
  static bool IsEnabled(const Document& doc, SeiretuOp op);

 private:
  bool ToEdge(SeiretuOp op);
  bool Centre(bool horizontal);
  bool Spread(bool horizontal);
  bool SameSize(bool width, bool height);

  Document& doc_;
  int primary_;
};
