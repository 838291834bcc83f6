// The private work folder under the temporary folder, the files this process
// keeps there (undo snapshots, unpacked documents) and their clean-up.
#pragma once

#include <QString>
#include <optional>

#include "base/Failure.h"

// "<temp>/Tessaly-<uid>", created with mode 0700 when missing. A folder that is
// not a real directory owned by us with mode 0700 is refused (someone else may
// control it). With a non-empty `sub` (relative, no "..") that subfolder is
// returned and created too. Paths use '/', without a trailing one. Fails
// with 30002.
[[nodiscard]] Result<QString> GetWorkFolder(const QString& sub = QString());

// The same check without a message: the folder, or nullopt with `why` set.
std::optional<QString> PrepareWorkFolder(const QString& folder, QString* why = nullptr);

// The prefix of every file and folder this process makes in the work folder,
// "TVL<pid>-": the undo snapshots' "TVL" with the process id, so another
// running instance never deletes ours.
QString OwnWorkFilePrefix();

// A unique empty file "TVL<pid>-XXXXXX" in the work folder (mode 0600), deleted
// when the owner goes. Used for the data file of a save and for undo snapshots.
class WorkFile {
 public:
  // Fails with 30002 when the work folder is unavailable, without a message
  // (msg::None) when the file could not be created.
  [[nodiscard]] static Result<WorkFile> Create();

  WorkFile(WorkFile&& other) noexcept;
  WorkFile& operator=(WorkFile&& other) noexcept;
  WorkFile(const WorkFile&) = delete;
  WorkFile& operator=(const WorkFile&) = delete;
  ~WorkFile();

  const QString& Path() const { return path_; }

 private:
  explicit WorkFile(QString path) : path_(std::move(path)) {}
  QString path_;
};

// Deletes every entry of the work folder whose name begins with
// OwnWorkFilePrefix() (case ignored in "TVL"), folders with their contents.
// Returns how many entries were removed. Called when the main window closes.
int DeleteOwnWorkFiles();

// "<work folder>/Copy.tmp", the slide clipboard file; empty when the folder is unavailable.
QString ClipboardFilePath();

// Deletes "Copy.tmp" when present (at start-up and at exit). Only a plain
// file or a link is removed, never a folder.
void DeleteClipboardFile();
