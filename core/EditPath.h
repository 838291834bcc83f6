// The one way a document changes. Every change runs here: the undo snapshot
// is taken before it (when the change takes one), the document is marked
// modified and the views hear of it once. Reading goes through Doc(); the
// selection flags in the view-state table are the views' own run-time state
// and change without passing here.
#pragma once

#include <QObject>
#include <functional>
#include <optional>
#include <type_traits>
#include <utility>

#include "base/Failure.h"
#include "core/Document.h"

enum class EditKind {
  Undoable,    // takes an undo snapshot first, then marks the document modified
  NoSnapshot,  // marks the document modified; cannot be undone on its own
  ViewOnly,    // saved with the document but changes only where the user looks
               // (the current slide): no snapshot, not modified
};

class EditPath : public QObject {
  Q_OBJECT
 public:
  // The snapshot taker sees the document as it is just before an undoable
  // change; the settler then hears whether the change happened (true: the
  // snapshot becomes an undo step) or changed nothing or was dropped (false:
  // the snapshot goes and the histories stay as they were).
  using SnapshotTaker = std::function<void(const Document& before)>;
  using SnapshotSettler = std::function<void(bool changed)>;

  explicit EditPath(Document& doc, QObject* parent = nullptr) : QObject(parent), doc_(doc) {}

  const Document& Doc() const { return doc_; }
  bool IsModified() const { return modified_; }
  // After a save (false), or when the framework marks the document (true).
  void SetModified(bool modified);
  // One snapshot is open at a time: a change made inside another (during a
  // drag) shares the outer one's.
  void SetSnapshotTaker(SnapshotTaker taker, SnapshotSettler settle = {});

  // Runs `change` on the document. A change may say it changed nothing by
  // returning false, an empty optional or a failed Result: then the document
  // is not marked and the views hear nothing. Returns what the change returned.
  template <typename Change>
  auto Apply(EditKind kind, Change&& change) -> std::invoke_result_t<Change, Document&>;

  // A change made in steps, such as a drag: the snapshot is taken when it
  // begins, each Update changes the document and tells the views, Commit ends
  // it and marks the document modified. Dropped without Commit, the document
  // goes back to what it was when the change began.
  class Pending {
   public:
    Pending(Pending&& other) noexcept;
    Pending& operator=(Pending&&) = delete;
    ~Pending();
    void Update(const std::function<void(Document&)>& step);
    void Commit();
    void Cancel();

   private:
    friend class EditPath;
    Pending(EditPath& path, EditKind kind, bool snapshot);
    EditPath* path_;
    EditKind kind_;
    bool snapshot_;  // this change took the open snapshot
    std::optional<Document> before_;
  };
  Pending Begin(EditKind kind);

  // Whether a change made in steps has begun and not yet ended.
  bool InProgress() const { return pending_ > 0; }

  // Puts a whole document in place of the open one (new, open, revert): not
  // modified, and the views start over.
  void Replace(Document fresh);
  // Puts an earlier state back in place of the open one (undo, redo): the
  // document is modified and the views start over. The pictures of the state
  // it replaces are released only after the exchange.
  void Restore(Document earlier);

 signals:
  void Changed(EditKind kind);
  void Replaced();  // a new or opened document
  void Restored();  // an earlier state

 private:
  // Whether this change took the snapshot it must settle.
  bool TakeSnapshot(EditKind kind);
  void SettleSnapshot(bool taken, bool changed);
  void Done(EditKind kind);

  Document& doc_;
  bool modified_ = false;
  int pending_ = 0;
  SnapshotTaker snapshot_;
  SnapshotSettler settle_;
  bool snapshotOpen_ = false;
};

namespace editpath {

// Whether a change's result says it changed something.
inline bool Changed(bool result) { return result; }
template <typename T>
bool Changed(const std::optional<T>& result) { return result.has_value(); }
template <typename T>
bool Changed(const Result<T>& result) { return result.has_value(); }

}  // namespace editpath

template <typename Change>
auto EditPath::Apply(EditKind kind, Change&& change) -> std::invoke_result_t<Change, Document&> {
  using R = std::invoke_result_t<Change, Document&>;
  const bool snapshot = TakeSnapshot(kind);
  if constexpr (std::is_void_v<R>) {
    std::forward<Change>(change)(doc_);
    SettleSnapshot(snapshot, true);
    Done(kind);
  } else {
    R result = std::forward<Change>(change)(doc_);
    const bool changed = editpath::Changed(result);
    SettleSnapshot(snapshot, changed);
    if (changed) Done(kind);
    return result;
  }
}
