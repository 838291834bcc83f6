#include "editor/GradeApply.h"

#include <algorithm>

#include "core/EditPath.h"

namespace {

constexpr COLORREF kWhite = 0xFFFFFF;

void CopyColours(const GradeValue& value, COLORREF (&to)[kGradeColours]) {
  std::copy(std::begin(value.colours), std::end(value.colours), to);
}

}  // namespace

GradeValue GradeInput(const Document& doc, int primary) {
  GradeValue value;
  if (primary >= 0 && primary < doc.ObjCount()) {
    const ObjectRecord& r = doc.Object(primary);
    value.pattern = r.GradePattern;
    std::copy(std::begin(r.refGrade), std::end(r.refGrade), value.colours);
    value.round = r.GradeRound != 0;
  } else {
    const DocHeader& h = doc.Header();
    value.pattern = h.BackGradePattern;
    std::copy(std::begin(h.refBackGrade), std::end(h.refBackGrade), value.colours);
  }
  return value;
}

bool ApplyGrade(EditPath& edits, const GradeValue& value, bool objects) {
  return edits.Apply(EditKind::Undoable, [&](Document& doc) {
    if (!objects) {
      doc.Header().BackGradePattern = value.pattern;
      CopyColours(value, doc.Header().refBackGrade);
      return true;
    }
    bool changed = false;
    for (int i = 0; i < doc.ObjCount(); ++i) {
      if (!doc.View(i).Selected) continue;
      ObjectRecord& r = doc.Object(i);
      r.GradePattern = value.pattern;
      CopyColours(value, r.refGrade);
      r.GradeRound = value.round ? 1 : 0;
      r.refMen = kWhite;
      r.refSecondMen = kWhite;
      changed = true;
    }
    return changed;
  });
}
