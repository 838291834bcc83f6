// Snapshot files written and read with the data file's body functions.
#include "editor/UndoHistory.h"

#include <QFile>
#include <new>
#include <utility>

#include "base/MessageIds.h"
#include "core/DataFile.h"
#include "core/Document.h"

namespace {

// A new work file holding the whole of `doc`, or why there is none. A file
// written only in part goes with the failed result.
Result<WorkFile> WriteSnapshot(const Document& doc) {
  Result<WorkFile> file = WorkFile::Create();
  if (!file) return file.error().id == msg::None ? Failure{msg::SaveFailed} : file.error();
  QFile out(file->Path());
  // The file is new and empty: opened without truncating, so closing it starts no early write-back.
  bool written = out.open(QIODevice::ReadWrite) && WriteDataBody(doc, out);
  written = written && out.flush();
  out.close();
  if (!written || out.error() != QFileDevice::NoError) return Failure{msg::SaveFailed, file->Path() + "\n"};
  return file;
}

Result<Document> ReadSnapshot(const QString& path, const Document& current) {
  QFile in(path);
  if (!in.open(QIODevice::ReadOnly)) return Failure{msg::OpenFailed, path + "\n"};
  try {
    Document earlier = current.EmptyLike();
    const Result<void> read = ReadDataBody(earlier, in, kDataFileVersion, &current.Pictures());
    if (!read) return read.error().id == msg::NoMemory ? read.error() : Failure{msg::BadData};
    return earlier;
  } catch (const std::bad_alloc&) {
    return Failure{msg::NoMemory};
  }
}

}  // namespace

void UndoHistory::Take(const Document& doc) {
  Result<WorkFile> file = WriteSnapshot(doc);
  if (file) taken_ = std::move(*file);
  else taken_.reset();
}

void UndoHistory::Settle(bool changed) {
  std::optional<WorkFile> file = std::exchange(taken_, std::nullopt);
  if (!changed || !file) return;
  Push(undo_, std::move(*file));
  redo_.clear();
}

Result<Document> UndoHistory::Undo(const Document& current) { return Step(undo_, redo_, current); }

Result<Document> UndoHistory::Redo(const Document& current) { return Step(redo_, undo_, current); }

// The document is read before any history changes, so a failure anywhere
// leaves both as they were; the file written for the other side goes with it.
Result<Document> UndoHistory::Step(Steps& from, Steps& to, const Document& current) {
  if (from.empty()) return Failure{};
  Result<WorkFile> now = WriteSnapshot(current);
  if (!now) return now.error();
  Result<Document> earlier = ReadSnapshot(from.back().Path(), current);
  if (!earlier) return earlier.error();
  from.pop_back();
  Push(to, std::move(*now));
  return earlier;
}

void UndoHistory::Push(Steps& steps, WorkFile file) {
  steps.push_back(std::move(file));
  while (steps.size() > kMaxSteps) steps.pop_front();
}

void UndoHistory::Clear() {
  taken_.reset();
  undo_.clear();
  redo_.clear();
}

QStringList UndoHistory::Paths(const Steps& steps) {
  QStringList paths;
  for (const WorkFile& file : steps) paths << file.Path();
  return paths;
}
