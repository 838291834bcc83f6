// The undo and redo commands over the edit path and the snapshot histories.
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

Result<void> UndoRedo::Undo() { return Step(true); }

Result<void> UndoRedo::Redo() { return Step(false); }

Result<void> UndoRedo::Step(bool back) {
  if (!(back ? CanUndo() : CanRedo())) return Failure{};
  Result<Document> state = back ? history_.Undo(edits_.Doc()) : history_.Redo(edits_.Doc());
  if (!state) return state.error();
  edits_.Restore(std::move(*state));
  return {};
}

void UndoRedo::Report(const Result<void>& result) const {
  if (!result && result.error().id != 0 && failed_) failed_(result.error());
}
