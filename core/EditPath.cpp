#include "core/EditPath.h"

void EditPath::SetModified(bool modified) { modified_ = modified; }

void EditPath::TakeSnapshot(EditKind kind) {
  if (kind == EditKind::Undoable && snapshot_) snapshot_(doc_);
}

void EditPath::Done(EditKind kind) {
  if (kind != EditKind::ViewOnly) modified_ = true;
  emit Changed(kind);
}

EditPath::Pending EditPath::Begin(EditKind kind) {
  TakeSnapshot(kind);
  return Pending(*this, kind);
}

void EditPath::Replace(Document fresh) {
  doc_ = std::move(fresh);
  modified_ = false;
  emit Replaced();
}

EditPath::Pending::Pending(EditPath& path, EditKind kind)
    : path_(&path), kind_(kind), before_(path.doc_) {}

EditPath::Pending::Pending(Pending&& other) noexcept
    : path_(std::exchange(other.path_, nullptr)), kind_(other.kind_), before_(std::move(other.before_)) {}

EditPath::Pending::~Pending() { Cancel(); }

void EditPath::Pending::Update(const std::function<void(Document&)>& step) {
  if (!path_) return;
  step(path_->doc_);
  emit path_->Changed(EditKind::ViewOnly);
}

void EditPath::Pending::Commit() {
  if (!path_) return;
  EditPath& path = *std::exchange(path_, nullptr);
  before_.reset();
  path.Done(kind_);
}

void EditPath::Pending::Cancel() {
  if (!path_) return;
  EditPath& path = *std::exchange(path_, nullptr);
  path.doc_ = std::move(*before_);
  before_.reset();
  emit path.Changed(EditKind::ViewOnly);
}
