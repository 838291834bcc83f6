// The .tvl container: packing a data file into a cabinet that replaces the
// document file only once it is complete, and unpacking a cabinet into a
// private folder inside the work folder. Failures come back as the message to show.
#pragma once

#include <QString>
#include <optional>

#include "base/Failure.h"

// True when `path` ends in ".tvl", in any case (".TVL" opens, ".cab" does not).
bool HasTvlExtension(const QString& path);

// "talk.tvl" -> "talk(back).TVL" beside it; nullopt when the file name has no ".".
std::optional<QString> BackupPath(const QString& path);

// Packs `dataFilePath` as the single MSZIP member named like `cabinetPath`'s
// file name and puts the cabinet at `cabinetPath`:
//   the cabinet is written to a temporary file in the target folder and
//   read back; then, when `makeBackup` and a file exists at `cabinetPath`,
//   that file is copied to BackupPath(); then the temporary file is renamed
//   over `cabinetPath`. A link at `cabinetPath` is followed, not replaced.
// On failure the old file is untouched, no temporary file is left, and the
// failure is 30091 (backup impossible) or 30035 (information icon; the
// cabinet could not be written or put in place).
[[nodiscard]] Result<void> Pack(const QString& dataFilePath, const QString& cabinetPath, bool makeBackup);

// The members of one unpacked cabinet, in a folder "TVL<pid>-XXXXXX" of the
// work folder that is removed with everything in it when this goes.
class UnpackedCabinet {
 public:
  UnpackedCabinet(UnpackedCabinet&& other) noexcept;
  UnpackedCabinet& operator=(UnpackedCabinet&& other) noexcept;
  UnpackedCabinet(const UnpackedCabinet&) = delete;
  UnpackedCabinet& operator=(const UnpackedCabinet&) = delete;
  ~UnpackedCabinet();

  // The member extracted last: the data file to read.
  const QString& DataFilePath() const { return dataFile_; }
  const QString& Folder() const { return folder_; }

 private:
  friend Result<UnpackedCabinet> Unpack(const QString& cabinetPath);
  UnpackedCabinet(QString folder, QString dataFile)
      : folder_(std::move(folder)), dataFile_(std::move(dataFile)) {}
  QString folder_;
  QString dataFile_;
};

// Extracts every member of the cabinet at `cabinetPath`. Fails with
//   30002 when the work folder is unavailable,
//   "[Make Context]" + line break + 30036 when the private folder cannot be made,
//   "[File Copy]" + line break + 30036 when the cabinet is unreadable, corrupt,
//     or holds a member whose name would leave the folder (nothing is written),
//   `cabinetPath` + line break + 30026 when the cabinet holds no member.
// The extension and existence checks are the caller's.
[[nodiscard]] Result<UnpackedCabinet> Unpack(const QString& cabinetPath);
