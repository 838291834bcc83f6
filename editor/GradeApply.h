// Where the gradient dialog's value comes from and goes to: the selected
// objects (when there is a primary object) or the background all slides share.
#pragma once

#include "editor/GradeEditor.h"

class Document;
class EditPath;

// The primary object's gradient, or the background's (no turn flag) when
// `primary` is not an object.
GradeValue GradeInput(const Document& doc, int primary);

// With objects: every selected object takes the pattern, colours and turn flag,
// and white fill colours; without: the background takes pattern and colours.
// One undoable change; false when no object was selected.
bool ApplyGrade(EditPath& edits, const GradeValue& value, bool objects);
