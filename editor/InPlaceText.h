// The in-place text editor's rules, apart from its widget: how it looks for
// an object, how much CP932 text it takes, and how its text is stored.
#pragma once

#include <QRect>
#include <QString>
#include <QStringView>

#include "base/Color.h"
#include "render/MakeFont.h"

class Document;
class EditPath;
struct ObjectRecord;

inline constexpr int kTextLimit = 990;        // CP932 bytes of a figure's text
inline constexpr int kDesignTextLimit = 50;   // of a design text
int TextLimit(const ObjectRecord& rec);

enum class TextRefusal { None, NotCp932, TooLong };

struct InputFit {
  QString accepted;  // the part of the typed text that goes in
  TextRefusal refusal = TextRefusal::None;
};

// Of `typed`, going in where the text around it is `kept`, the characters
// CP932 can hold, up to `limit` bytes in all; never half a character.
InputFit FitInput(QStringView kept, QStringView typed, int limit);
// What the status bar says about a refusal; empty for none.
QString RefusalNote(TextRefusal refusal, int limit);

// How the editor looks over object `index`.
struct TextEditLook {
  QRect box;  // view pixels: the object's bounds with 5 more below
  LogFont font;
  COLORREF background = 0;
  COLORREF text = 0;
  int align = 0;  // AlineH: 0 left, 1 centre, 2 right
  bool multiLine = true;
  int limit = kTextLimit;
};
TextEditLook StartTextEdit(const Document& doc, int index);
// The object's text as the editor shows it.
QString ObjectText(const Document& doc, int index);

// Stores `text` in object `index` as one undo step when it differs from the
// text there. False when nothing changed.
bool CommitText(EditPath& edits, int index, const QString& text);
