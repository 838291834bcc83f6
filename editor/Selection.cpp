// Selection changes by clicks, Tab and the select-all and deselect-all commands.
#include "editor/Selection.h"

#include <vector>

#include "core/Document.h"

namespace {

std::vector<int> ObjectsOf(const Document& doc, int slide) {
  std::vector<int> list;
  for (int i = 0; i < doc.ObjCount(); ++i)
    if (doc.Object(i).Slide == slide) list.push_back(i);
  return list;
}

void SetPrimary(SelectionState& sel, int index) {
  if (sel.primary == index) return;
  sel = SelectionState{index};
}

}  // namespace

void MakePrimary(const Document& doc, SelectionState& sel, int index) {
  doc.View(index).Selected = 1;
  SetPrimary(sel, index);
}

ClickResult ClickSelect(const Document& doc, int slide, SelectionState& sel, int index, bool ctrl, bool shift) {
  const bool wasPrimary = sel.primary == index;
  if (sel.primary < 0) {
    MakePrimary(doc, sel, index);
    return {true, true};
  }
  if (doc.View(index).Selected) {
    if (!ctrl && shift) {
      doc.View(index).Selected = 0;
      if (wasPrimary) SetPrimary(sel, FirstSelected(doc, slide));
      return {true, false};
    }
    MakePrimary(doc, sel, index);
    return {!wasPrimary, true};
  }
  if (ctrl) {
    MakePrimary(doc, sel, index);
    return {true, false};
  }
  DeselectAll(doc, slide, sel);
  MakePrimary(doc, sel, index);
  return {true, true};
}

void DeselectAll(const Document& doc, int slide, SelectionState& sel) {
  for (int i : ObjectsOf(doc, slide)) doc.View(i).Selected = 0;
  sel = SelectionState{};
}

void SelectAll(const Document& doc, int slide, SelectionState& sel) {
  for (int i : ObjectsOf(doc, slide)) MakePrimary(doc, sel, i);
}

bool TabSelect(const Document& doc, int slide, SelectionState& sel, bool backwards) {
  const std::vector<int> list = ObjectsOf(doc, slide);
  const int n = static_cast<int>(list.size());
  if (n == 0) return false;
  int at = -1;
  for (int k = 0; k < n; ++k)
    if (list[k] == sel.primary) at = k;
  if (n == 1 && at == 0) return false;
  int next = 0;
  if (at >= 0) next = (at + (backwards ? n - 1 : 1)) % n;
  else if (backwards) next = n - 1;
  if (sel.primary >= 0) doc.View(sel.primary).Selected = 0;
  MakePrimary(doc, sel, list[next]);
  return true;
}

int SelectedOnSlide(const Document& doc, int slide) {
  int count = 0;
  for (int i : ObjectsOf(doc, slide)) count += doc.View(i).Selected ? 1 : 0;
  return count;
}

int FirstSelected(const Document& doc, int slide) {
  for (int i : ObjectsOf(doc, slide))
    if (doc.View(i).Selected) return i;
  return -1;
}
