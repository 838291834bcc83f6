// What the ribbon's controls show: the attributes of the primary object (or
// of the slide when there is none), and the line end being edited.
#pragma once

#include <QString>
#include <array>

#include "base/Color.h"

class Document;
struct ObjectRecord;

struct RibbonValues {
  QString fontName = QStringLiteral("Meiryo UI");
  int fontSize = 11;
  bool bold = false, italic = false, strikeOut = false, underline = false;
  bool wordWrap = false, curve = false;
  int alineV = 0, alineH = 0, charMargin = 0, lineMargin = 0;
  std::array<int, 4> margins{1, 1, 1, 1};  // left, right, top, bottom
  COLORREF text = 0, textBack = kNoColor, fill = kNoColor, line = 0, end = 0, shadow = kNoColor;
  int lineWidth = 1, lineStyle = 0;  // the object's, or the edited end's
  int endStyle = 0, endLen = 5, endSize = 5;
  int shadowX = 0, shadowY = 0, lightDir = 0;
  bool endEdited = false;  // the line controls show a line end

  bool operator==(const RibbonValues&) const = default;
};

// The end of `record` that the selected vertex picks: 0 the start, 1 the
// finish, -1 none (not a vertex, or not an end).
int EditedEnd(const ObjectRecord& record, int selectedVertex);

// The controls loaded from object `index` (with its selected vertex), or
// with `index` -1 from the slide: only fill and line colour change then.
RibbonValues AttributesOf(const Document& doc, int index, int selectedVertex, RibbonValues shown);
