#include "editor/UndoRedo.h"

#include <QObject>

#include "core/EditPath.h"
#include "editor/CommandRegistry.h"

UndoRedo::UndoRedo(EditPath& edits, CommandRegistry& commands, std::function<void(const Failure&)> failed)
    : edits_(edits), failed_(std::move(failed)) {
  edits_.SetSnapshotTaker([this](const Document& before) { history_.Take(before); },
                          [this](bool changed) { history_.Settle(changed); });
  cleared_ = QObject::connect(&edits_, &EditPath::Replaced, [this] { history_.Clear(); });
  commands.Add({ID_UNDO, "ID_UNDO", QString::fromUtf8("元に戻す(&U)"), [this] { Report(Undo()); },
                [this] { return CanUndo(); }});
  commands.Add({ID_REDO, "ID_REDO", QString::fromUtf8("やり直し(&R)"), [this] { Report(Redo()); },
                [this] { return CanRedo(); }});
}

UndoRedo::~UndoRedo() {
  QObject::disconnect(cleared_);
  edits_.SetSnapshotTaker({});
}

bool UndoRedo::CanUndo() const { return history_.UndoCount() > 0 && !edits_.InProgress(); }

bool UndoRedo::CanRedo() const { return history_.RedoCount() > 0 && !edits_.InProgress(); }

Result<void> UndoRedo::Undo() {
  if (!CanUndo()) return Failure{};
  Result<Document> earlier = history_.Undo(edits_.Doc());
  if (!earlier) return earlier.error();
  edits_.Restore(std::move(*earlier));
  return {};
}

Result<void> UndoRedo::Redo() {
  if (!CanRedo()) return Failure{};
  Result<Document> later = history_.Redo(edits_.Doc());
  if (!later) return later.error();
  edits_.Restore(std::move(*later));
  return {};
}

void UndoRedo::Report(const Result<void>& result) const {
  if (!result && result.error().id != 0 && failed_) failed_(result.error());
}
