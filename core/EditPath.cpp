#include "core/EditPath.h"

void EditPath::SetModified(bool modified) { modified_ = modified; }

void EditPath::SetSnapshotTaker(SnapshotTaker taker, SnapshotSettler settle) {
  snapshot_ = std::move(taker);
  settle_ = std::move(settle);
  snapshotOpen_ = false;
}

bool EditPath::TakeSnapshot(EditKind kind) {
  if (kind != EditKind::Undoable || !snapshot_ || snapshotOpen_) return false;
  snapshotOpen_ = true;
  snapshot_(doc_);
  return true;
}

void EditPath::SettleSnapshot(bool taken, bool changed) {
  if (!taken) return;
  snapshotOpen_ = false;
  if (settle_) settle_(changed);
}

void EditPath::Done(EditKind kind) {
  if (kind != EditKind::ViewOnly) modified_ = true;
  emit Changed(kind);
}

EditPath::Pending EditPath::Begin(EditKind kind) {
  const bool snapshot = TakeSnapshot(kind);
  return Pending(*this, kind, snapshot);
}

void EditPath::Replace(Document fresh) {
  doc_ = std::move(fresh);
  modified_ = false;
  emit Replaced();
}

void EditPath::Restore(Document earlier) {
  std::swap(doc_, earlier);
  modified_ = true;
  emit Restored();
}

EditPath::Pending::Pending(EditPath& path, EditKind kind, bool snapshot)
    : path_(&path), kind_(kind), snapshot_(snapshot), before_(path.doc_) {
  ++path.pending_;
}

EditPath::Pending::Pending(Pending&& other) noexcept
    : path_(std::exchange(other.path_, nullptr)),
      kind_(other.kind_),
      snapshot_(other.snapshot_),
      before_(std::move(other.before_)) {}

EditPath::Pending::~Pending() { Cancel(); }

void EditPath::Pending::Update(const std::function<void(Document&)>& step) {
  if (!path_) return;
  step(path_->doc_);
  emit path_->Changed(EditKind::ViewOnly);
}

void EditPath::Pending::Commit() {
  if (!path_) return;
  EditPath& path = *std::exchange(path_, nullptr);
  --path.pending_;
  before_.reset();
  path.SettleSnapshot(snapshot_, true);  // a press without movement is a step too
  path.Done(kind_);
}

void EditPath::Pending::Cancel() {
  if (!path_) return;
  EditPath& path = *std::exchange(path_, nullptr);
  --path.pending_;
  path.SettleSnapshot(snapshot_, false);
  path.doc_ = std::move(*before_);
  before_.reset();
  emit path.Changed(EditKind::ViewOnly);
}
