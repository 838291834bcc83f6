#include "editor/PropertyCommands.h"

#include <algorithm>
#include <cstring>
#include <functional>

#include "base/Cp932.h"
#include "core/Document.h"
#include "editor/VertexCommands.h"

namespace {

using Setter = std::function<void(ObjectRecord&)>;

struct Rule {
  bool textOnly = false;  // only objects whose Text is not empty
  Setter set;
};

bool IsLine(const ObjectRecord& r) { return r.ObjClass == objclass::Figure && r.ObjKind == objkind::Line; }

// The end a line, width or style change goes to: the primary line's end vertex
// when one is selected, else -1 (the object's own line).
int LineEndOfVertex(const Document& doc, const SelectionState& sel) {
  if (sel.primary < 0 || sel.vertex < 0) return -1;
  const ObjectRecord& p = doc.Object(sel.primary);
  if (!IsLine(p)) return -1;
  if (sel.vertex == 0) return 0;
  if (sel.vertex == p.PointNum - 1) return 1;
  return -1;
}

// The end the line-end commands name: vertex 0 the start, any other vertex the
// finish, and both (-1) when no vertex is selected.
int NamedEnd(const SelectionState& sel) {
  if (sel.primary < 0 || sel.vertex < 0) return -1;
  return sel.vertex == 0 ? 0 : 1;
}

Setter OnEnds(int end, const std::function<void(LineEnd&)>& set) {
  return [end, set](ObjectRecord& r) {
    for (int e = 0; e < 2; ++e)
      if (end < 0 || end == e) set(r.Ends[e]);
  };
}

std::uint16_t U16(int v) { return static_cast<std::uint16_t>(std::clamp(v, 0, 0xFFFF)); }

Setter Step(std::uint16_t ObjectRecord::*field, int delta) {
  return [field, delta](ObjectRecord& r) { r.*field = U16(std::clamp(r.*field + delta, 0, 50)); };
}

Setter Flag(std::int32_t ObjectRecord::*field, int on) {
  return [field, on](ObjectRecord& r) { r.*field = on ? 1 : 0; };
}

template <typename T>
Setter Value(T ObjectRecord::*field, T value) {
  return [field, value](ObjectRecord& r) { r.*field = value; };
}

// A line's own line, or the selected end's.
Setter LineOrEnd(int end, const Setter& own, const std::function<void(LineEnd&)>& onEnd) {
  if (end < 0) return own;
  return OnEnds(end, onEnd);
}

Rule TextRule(int id, const PropertyChange& c) {
  const int v = c.number;
  switch (id) {
    case ID_FONT_SIZE: return {true, Value(&ObjectRecord::FontSize, U16(v))};
    case ID_FONT_BOLD: return {true, Flag(&ObjectRecord::FontBold, v)};
    case ID_FONT_ITALIC: return {true, Flag(&ObjectRecord::FontItalic, v)};
    case ID_FONT_DEL: return {true, Flag(&ObjectRecord::FontDel, v)};
    case ID_FONT_UNDER: return {true, Flag(&ObjectRecord::FontUnder, v)};
    case ID_FONT_COL: return {true, Value(&ObjectRecord::refText, static_cast<COLORREF>(v))};
    case ID_FONT_BK: return {true, Value(&ObjectRecord::refTextBk, static_cast<COLORREF>(v))};
    case ID_FONT_BK_COL_NON: return {true, Value(&ObjectRecord::refTextBk, kNoColor)};
    case ID_V_TOP: return {true, Value<std::uint16_t>(&ObjectRecord::AlineV, 0)};
    case ID_V_CEN: return {true, Value<std::uint16_t>(&ObjectRecord::AlineV, 1)};
    case ID_V_BTM: return {true, Value<std::uint16_t>(&ObjectRecord::AlineV, 2)};
    case ID_H_LEFT: return {true, Value<std::uint16_t>(&ObjectRecord::AlineH, 0)};
    case ID_H_CEN: return {true, Value<std::uint16_t>(&ObjectRecord::AlineH, 1)};
    case ID_H_RIGHT: return {true, Value<std::uint16_t>(&ObjectRecord::AlineH, 2)};
    case ID_CHAR_WIDE: return {true, Step(&ObjectRecord::CharMargin, 1)};
    case ID_CHAR_NARROW: return {true, Step(&ObjectRecord::CharMargin, -1)};
    case ID_LINE_UP: return {true, Step(&ObjectRecord::LineMargin, 1)};
    case ID_LINE_DOWN: return {true, Step(&ObjectRecord::LineMargin, -1)};
    case ID_WORD_WRAP: return {true, Flag(&ObjectRecord::WordWrap, v)};
    case ID_MARGIN_L: return {true, Value(&ObjectRecord::MarginL, U16(v))};
    case ID_MARGIN_R: return {true, Value(&ObjectRecord::MarginR, U16(v))};
    case ID_MARGIN_T: return {true, Value(&ObjectRecord::MarginT, U16(v))};
    case ID_MARGIN_B: return {true, Value(&ObjectRecord::MarginB, U16(v))};
    case ID_FONT_NAME: {
      const std::optional<QByteArray> name = EncodeCp932(c.text);
      if (!name || name->isEmpty()) return {};
      const QByteArray bytes = *name;
      return {true, [bytes](ObjectRecord& r) { StoreCp932Bytes(r.FontName, sizeof r.FontName, bytes); }};
    }
    default: return {};
  }
}

int LineStyleOf(int id) {
  switch (id) {
    case ID_LINE_SOLID: return 0;
    case ID_LINE_DASH: return 1;
    case ID_LINE_DOT: return 2;
    case ID_LINE_DASHDOT: return 3;
    case ID_LINE_DASHDOTDOT: return 4;
    case ID_LINE_DOUBLET: return 5;
    default: return -1;
  }
}

Rule FigureRule(const Document& doc, const PropertyScope& scope, int id, int v) {
  const int lineEnd = LineEndOfVertex(doc, scope.selection);
  const int named = NamedEnd(scope.selection);
  const COLORREF colour = static_cast<COLORREF>(v);
  if (const int style = LineStyleOf(id); style >= 0) {
    return {false, LineOrEnd(lineEnd, Value(&ObjectRecord::LineStyle, U16(style)),
                             [style](LineEnd& e) { e.EndLineStyle = U16(style); })};
  }
  switch (id) {
    case ID_BK_COL:
      return {false, [colour](ObjectRecord& r) { r.refMen = colour, r.GradePattern = -1; }};
    case ID_SECOND_BK: return {false, Value(&ObjectRecord::refSecondMen, colour)};
    case ID_LINE_COL:
      return {false, LineOrEnd(lineEnd, Value(&ObjectRecord::refLine, colour),
                               [colour](LineEnd& e) { e.refEndLine = colour; })};
    case ID_LINE_SIZE:
      return {false, LineOrEnd(lineEnd, Value(&ObjectRecord::Futosa, U16(v)),
                               [v](LineEnd& e) { e.EndFutosa = U16(v); })};
    case ID_CURVE_CHANGE:
      return {false, [v](ObjectRecord& r) {
                if (r.ObjClass == objclass::Figure) SetCurve(r, v != 0);
              }};
    case ID_END_COL: return {false, OnEnds(named, [colour](LineEnd& e) { e.refEnd = colour; })};
    case ID_END_STYLE0:
    case ID_END_STYLE1:
    case ID_END_STYLE2:
    case ID_END_STYLE3: {
      const auto style = static_cast<std::uint16_t>(id - ID_END_STYLE0);
      return {false, OnEnds(named, [style](LineEnd& e) { e.EndStyle = style; })};
    }
    case ID_END_LEN: return {false, OnEnds(named, [v](LineEnd& e) { e.EndLen = U16(v); })};
    case ID_END_SIZE: return {false, OnEnds(named, [v](LineEnd& e) { e.EndSize = U16(v); })};
    case ID_KAGE_COL: return {false, Value(&ObjectRecord::refKage, colour)};
    case ID_KAGE_X: return {false, Value(&ObjectRecord::KageX, v)};
    case ID_KAGE_Y: return {false, Value(&ObjectRecord::KageY, v)};
    case ID_KAGE_COL_NON: return {false, Value(&ObjectRecord::refKage, kNoColor)};
    case ID_LIGHT: return {false, Value(&ObjectRecord::LightDir, U16(v))};
    case ID_LINE_COL_NON:
      return {false, LineOrEnd(lineEnd, Value(&ObjectRecord::refLine, kNoColor),
                               [](LineEnd& e) { e.refEndLine = kNoColor; })};
    case ID_BK_COL_NON:
      // A line has no face: "no fill" takes away the arrow heads' fill instead.
      return {false, [lineEnd](ObjectRecord& r) {
                if (IsLine(r)) {
                  for (int e = 0; e < 2; ++e)
                    if (lineEnd < 0 || lineEnd == e) r.Ends[e].refEnd = kNoColor;
                } else {
                  r.refMen = kNoColor;
                  r.GradePattern = -1;
                }
              }};
    default: return {};
  }
}

// Without a primary object the fill and line colours go to the slide ground and frame.
bool ApplyToHeader(Document& doc, const PropertyChange& change) {
  DocHeader& h = doc.Header();
  const DocHeader before = h;
  const auto colour = static_cast<COLORREF>(change.number);
  if (change.id == ID_BK_COL) {
    h.refBack = colour;
    h.BackGradePattern = -1;
  } else if (change.id == ID_LINE_COL) {
    h.refFrame = colour;
  } else {
    return false;
  }
  return std::memcmp(&before, &h, sizeof h) != 0;
}

}  // namespace

bool ApplyProperty(Document& doc, const PropertyScope& scope, const PropertyChange& change) {
  const int primary = scope.selection.primary;
  if (primary < 0 || primary >= doc.ObjCount()) return ApplyToHeader(doc, change);
  Rule rule = TextRule(change.id, change);
  if (!rule.set) rule = FigureRule(doc, scope, change.id, change.number);
  if (!rule.set) return false;
  bool changed = false;
  for (int i = 0; i < doc.ObjCount(); ++i) {
    ObjectRecord& r = doc.Object(i);
    if (!doc.View(i).Selected || r.Slide != scope.slide) continue;
    if (rule.textOnly && r.Text[0] == '\0') continue;
    const ObjectRecord before = r;
    rule.set(r);
    changed = changed || std::memcmp(&before, &r, sizeof r) != 0;
  }
  return changed;
}

bool PropertyEnabled(const Document& doc, const PropertyScope& scope, int id) {
  const int p = scope.selection.primary;
  if (p < 0 || p >= doc.ObjCount()) return id == ID_BK_COL || id == ID_LINE_COL;
  const ObjectRecord& r = doc.Object(p);
  switch (id) {
    case ID_CHAR_NARROW: return r.CharMargin > 0;
    case ID_LINE_DOWN: return r.LineMargin > 0;
    case ID_CHAR_WIDE: return r.CharMargin < 50;
    case ID_LINE_UP: return r.LineMargin < 50;
    default: return true;
  }
}
