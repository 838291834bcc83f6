// The editing commands over the view's selection: clipboard, delete, drawing
// order, text, toggles, vertices and line ends, flips and turns, alignment
// and the operation guide. Each is registered with its enabled state; every
// change runs through the edit path as one undo step, and a command that
// changes nothing leaves no step. Questions and messages go to the owner.
#pragma once

#include <QMetaObject>
#include <QPoint>
#include <QSize>
#include <QString>
#include <functional>
#include <optional>

#include "base/Color.h"
#include "base/Failure.h"
#include "editor/PropertyCommands.h"

class CommandRegistry;
class CMiradoView;
class EditPath;
class QClipboard;
struct ObjectRecord;

// Ribbon identifiers of the alignment commands, and the operation guide's key.
enum EditCommand : int {
  ID_TO_LEFT = 32800, ID_TO_RIGHT = 32801, ID_TO_TOP = 32802, ID_TO_BOTTOM = 32803,
  ID_TO_V_CEN = 32804, ID_TO_H_CEN = 32805, ID_TO_H_KIN = 32807, ID_TO_V_KIN = 32806,
  ID_SAME_W = 32787, ID_SAME_H = 32788, ID_SAME_WH = 32875,
  ID_GUIDE = 625,
};

// What the owner lends the commands.
struct EditDialogs {
  std::function<int(int messageId, MsgStyle style)> ask;  // IDYES, IDNO or IDCANCEL
  std::function<void(const Failure&)> failed;
  // The text dialog on `text` with its byte limit; nullopt when cancelled.
  std::function<std::optional<QString>(const QString& text, int limit)> editText;
  std::function<std::optional<COLORREF>(COLORREF current)> chooseColor;
  // Where a vertex drawn at `at` goes on a slide of `slide` units; nullopt when cancelled.
  std::function<std::optional<QPoint>(QPoint at, QSize slide)> askPoint;
  // A line in the status bar's information area, cleared after `ms` (0: stays).
  std::function<void(const QString& text, int ms)> note;
  std::function<QClipboard*()> clipboard;
  std::function<void(bool on)> guideChanged;  // after F2
};

class EditCommands {
 public:
  EditCommands(EditPath& edits, CMiradoView& view, CommandRegistry& commands, EditDialogs dialogs);
  ~EditCommands();
  EditCommands(const EditCommands&) = delete;
  EditCommands& operator=(const EditCommands&) = delete;

  // Pasting stays off, the clipboard unasked, until RecheckClipboard: the first
  // question loads every image reader and asks the clipboard's owner, which
  // start-up leaves until the window is on the screen.
  void DeferClipboardCheck() { canPaste_ = false; }
  void RecheckClipboard() { canPaste_.reset(); }
  // A property change over the selection (the ribbon's controls call this).
  bool SetProperty(const PropertyChange& change);
  // Whether property command `id` can act on the selection now.
  bool PropertyAvailable(int id) const;

 private:
  void RegisterClipboard();
  bool CanPaste() const;
  void RegisterOrder();
  void RegisterObjectToggles();
  void RegisterVertices();
  void RegisterLineEnds();
  void RegisterTurns();
  void RegisterAlignment();
  void Add(int id, const char* name, const char* label, std::function<void()> run,
           std::function<bool()> enabled);

  void Copy();
  void Paste();
  void PasteObjects();
  void PasteText();
  void PastePicture();
  void Delete();
  void EditText();
  void ToggleGuide();
  // Runs `change` on the primary object as one undo step.
  bool OnPrimary(const std::function<bool(ObjectRecord&)>& change);
  bool ShowIfFailed(const Result<void>& result);
  int Slide() const;
  int Primary() const;

  EditPath& edits_;
  CMiradoView& view_;
  CommandRegistry& commands_;
  EditDialogs dialogs_;
  QPoint copyPoint_;
  // Whether the clipboard holds something to paste, known until it changes:
  // asking another program's clipboard is a round trip to it, and the ribbon
  // asks on every selection change.
  mutable std::optional<bool> canPaste_;
  QMetaObject::Connection clipboardWatch_;
};
