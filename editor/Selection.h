// The selection model of the editing view: selected flags on the current
// slide, one primary object, and the selected vertex or edge of the primary.
#pragma once

class Document;

struct SelectionState {
  int primary = -1;  // always a selected object, or -1
  int vertex = -2;   // a vertex of the primary, -1 after an edge hit, -2 after a body hit
  int edgeA = -1;    // the selected edge's end vertices, -1 when none
  int edgeB = -1;
};

struct ClickResult {
  bool changed = false;       // flags or primary changed: refresh and redraw
  bool dragMayFollow = true;  // false for Ctrl on an unselected object and Shift on a selected one
};

// A plain left click on object `index` of slide `slide`, with the modifiers held.
ClickResult ClickSelect(const Document& doc, int slide, SelectionState& sel, int index, bool ctrl, bool shift);
// Selects `index` and makes it primary.
void MakePrimary(const Document& doc, SelectionState& sel, int index);
// Clears every selected flag of the slide; no primary, vertex or edge remain.
void DeselectAll(const Document& doc, int slide, SelectionState& sel);
// Every object of the slide selected, the last one primary.
void SelectAll(const Document& doc, int slide, SelectionState& sel);
// Tab (or Shift+Tab): the primary moves to the next (previous) object of the
// slide, wrapping around. Returns whether anything changed.
bool TabSelect(const Document& doc, int slide, SelectionState& sel, bool backwards);

int SelectedOnSlide(const Document& doc, int slide);
// The lowest-index selected object of the slide, or -1.
int FirstSelected(const Document& doc, int slide);
