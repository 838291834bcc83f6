// Undo and redo of the open document: takes the snapshot for every change
// the edit path marks undoable, empties the histories when a document is
// created or opened, and registers ID_UNDO and ID_REDO.
#pragma once

#include <QMetaObject>
#include <functional>

#include "base/Failure.h"
#include "editor/UndoHistory.h"

class CommandRegistry;
class EditPath;

inline constexpr int ID_UNDO = 32828;
inline constexpr int ID_REDO = 32796;

class UndoRedo {
 public:
  // `failed` hears why an undo or redo could not be done.
  UndoRedo(EditPath& edits, CommandRegistry& commands, std::function<void(const Failure&)> failed);
  ~UndoRedo();
  UndoRedo(const UndoRedo&) = delete;
  UndoRedo& operator=(const UndoRedo&) = delete;

  // Neither while a change made in steps (a drag) is under way.
  bool CanUndo() const;
  bool CanRedo() const;
  // Puts the previous (next) state in place; a failure leaves the document,
  // its pictures and both histories as they were.
  Result<void> Undo();
  Result<void> Redo();

  const UndoHistory& History() const { return history_; }

 private:
  Result<void> Step(bool back);
  void Report(const Result<void>& result) const;

  EditPath& edits_;
  UndoHistory history_;
  std::function<void(const Failure&)> failed_;
  QMetaObject::Connection cleared_;
};
