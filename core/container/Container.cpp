// Packing into and unpacking from .tvl cabinets, with the user's file kept
// intact until its replacement is complete.
#include "core/container/Container.h"

#include <stdlib.h>
#include <sys/statvfs.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <cerrno>
#include <cstring>
#include <utility>
#include <vector>

#include "base/MessageIds.h"
#include "base/SaveFile.h"
#include "core/container/Cabinet.h"
#include "core/container/WorkFolder.h"

namespace {

std::filesystem::path ToPath(const QString& path) {
  return std::filesystem::path(QFile::encodeName(path).toStdString());
}

QString FromPath(const std::filesystem::path& path) {
  return QFile::decodeName(QByteArray::fromStdString(path.native()));
}

Failure CannotWrite() { return Failure{msg::NoWriteAccess, QString(), MsgStyle::Info}; }

// A full disk is no matter of access rights: the user is told the system's
// reason. Qt does not always say why a write failed, so the folder's free
// room decides.
Failure CannotWrite(const QString& target, qint64 size) {
  struct statvfs room {};
  const QByteArray folder = QFile::encodeName(QFileInfo(target).absolutePath());
  if (statvfs(folder.constData(), &room) == 0 && static_cast<qint64>(room.f_bavail * room.f_frsize) < size)
    return Failure{msg::SaveFailed, target + '\n' + QString::fromLocal8Bit(std::strerror(ENOSPC)) + '\n'};
  return CannotWrite();
}

// Reads the new cabinet back before it is written: exactly one member with
// the expected name and size, and every block inside the cabinet.
bool CheckBuilt(const std::vector<std::uint8_t>& bytes, const std::string& member,
                qint64 dataSize) {
  const cab::CabinetCheck check = cab::CheckCabinet(bytes);
  return check.status == cab::CheckStatus::Ok && check.members.size() == 1 &&
         check.members[0].name == member && check.members[0].size == dataSize;
}

// Copies the current document to its backup through a temporary file, so an
// older backup survives a copy that fails half-way.
bool CopyToBackup(const QString& source, const QString& backup) {
  QFile in(source);
  QSaveFile out(backup);
  if (!in.open(QIODevice::ReadOnly) || !out.open(QIODevice::WriteOnly)) return false;
  while (!in.atEnd()) {
    const QByteArray chunk = in.read(1 << 20);
    if (chunk.isEmpty() || out.write(chunk) != chunk.size()) return false;
  }
  return CommitWhole(out);
}

// Removes an unpacking folder with everything extracted into it.
void RemoveFolder(const QString& folder) {
  if (!folder.isEmpty()) QDir(folder).removeRecursively();
}

}  // namespace

bool HasTvlExtension(const QString& path) {
  return path.endsWith(".tvl", Qt::CaseInsensitive);
}

std::optional<QString> BackupPath(const QString& path) {
  // Only a '.' in the file name counts; "/a.b/talk" has no extension.
  const qsizetype slash = path.lastIndexOf('/');
  const qsizetype dot = path.lastIndexOf('.');
  if (dot < 0 || dot < slash) return std::nullopt;
  return path.left(dot) + "(back).TVL";
}

Result<void> Pack(const QString& dataFilePath, const QString& cabinetPath, bool makeBackup) {
  const QFileInfo link(cabinetPath);
  const QString target = link.isSymLink() && link.exists() ? link.canonicalFilePath()
                                                            : link.absoluteFilePath();
  const std::string member = QFile::encodeName(QFileInfo(cabinetPath).fileName()).toStdString();
  const qint64 dataSize = QFileInfo(dataFilePath).size();

  std::vector<std::uint8_t> bytes;
  if (!cab::BuildSingleMember(ToPath(dataFilePath), member, bytes, nullptr) ||
      !CheckBuilt(bytes, member, dataSize)) {
    return CannotWrite();
  }
  // The cabinet goes to a temporary file beside the target; destroying `out`
  // without commit() removes it.
  QSaveFile out(target);
  out.setDirectWriteFallback(false);
  const auto size = static_cast<qint64>(bytes.size());
  if (!out.open(QIODevice::WriteOnly) ||
      out.write(reinterpret_cast<const char*>(bytes.data()), size) != size) {
    return CannotWrite(target, size);
  }
  if (makeBackup && QFileInfo::exists(target)) {
    const std::optional<QString> backup = BackupPath(target);
    if (!backup || !CopyToBackup(target, *backup)) {
      out.cancelWriting();
      return Failure{msg::BackupFailed};
    }
  }
  if (!CommitWhole(out)) return CannotWrite(target, size);
  return {};
}

UnpackedCabinet::UnpackedCabinet(UnpackedCabinet&& other) noexcept
    : folder_(std::exchange(other.folder_, QString())),
      dataFile_(std::exchange(other.dataFile_, QString())) {}

UnpackedCabinet& UnpackedCabinet::operator=(UnpackedCabinet&& other) noexcept {
  if (this != &other) {
    RemoveFolder(folder_);
    folder_ = std::exchange(other.folder_, QString());
    dataFile_ = std::exchange(other.dataFile_, QString());
  }
  return *this;
}

UnpackedCabinet::~UnpackedCabinet() { RemoveFolder(folder_); }

Result<UnpackedCabinet> Unpack(const QString& cabinetPath) {
  const Result<QString> work = GetWorkFolder();
  if (!work) return work.error();
  QByteArray pattern = QFile::encodeName(*work + '/' + OwnWorkFilePrefix() + "XXXXXX");
  if (mkdtemp(pattern.data()) == nullptr) return Failure{msg::UnpackFailed, "[Make Context]\n"};
  UnpackedCabinet unpacked(QFile::decodeName(pattern), QString());
  const cab::ExtractResult result = cab::ExtractAll(ToPath(cabinetPath), ToPath(unpacked.Folder()));
  if (result.status != cab::ExtractStatus::Ok) return Failure{msg::UnpackFailed, "[File Copy]\n"};
  if (result.lastMember.empty()) return Failure{msg::OpenFailed, cabinetPath + '\n'};
  unpacked.dataFile_ = FromPath(result.lastMember);
  return unpacked;
}
