// The undo and redo histories: whole-document snapshots in files of the work
// folder, at most nine steps each way. A snapshot is the data-file body
// without the magic; undo exchanges the open document with the newest
// snapshot, redo exchanges it back.
#pragma once

#include <QStringList>
#include <deque>
#include <optional>

#include "base/Failure.h"
#include "core/container/WorkFolder.h"

class Document;

class UndoHistory {
 public:
  static constexpr int kMaxSteps = 9;

  // Writes `doc`, the document just before a change, to a new snapshot file.
  // A snapshot that cannot be written whole is deleted at once; the change
  // that asked for it goes ahead all the same, without a step.
  void Take(const Document& doc);
  // A change that happened makes the snapshot the newest undo step and
  // empties the redo history; one that changed nothing leaves both as they were.
  void Settle(bool changed);

  // The newest undo (or redo) step read into a fresh document, checked as the
  // data-file reader checks a file, and `current` written as the newest step
  // of the other history. On failure (nothing to undo is msg::None) nothing
  // changed: both histories and their files are as they were. Pictures whose
  // bytes equal one of `current`'s are shared, not decoded again.
  [[nodiscard]] Result<Document> Undo(const Document& current);
  [[nodiscard]] Result<Document> Redo(const Document& current);

  // Empties both histories and deletes their files (a new or opened document).
  void Clear();

  int UndoCount() const { return static_cast<int>(undo_.size()); }
  int RedoCount() const { return static_cast<int>(redo_.size()); }
  // The snapshot files, oldest first.
  QStringList UndoFiles() const { return Paths(undo_); }
  QStringList RedoFiles() const { return Paths(redo_); }

 private:
  using Steps = std::deque<WorkFile>;
  static Result<Document> Step(Steps& from, Steps& to, const Document& current);
  static void Push(Steps& steps, WorkFile file);
  static QStringList Paths(const Steps& steps);

  std::optional<WorkFile> taken_;
  Steps undo_;
  Steps redo_;
};
