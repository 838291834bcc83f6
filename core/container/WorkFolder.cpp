// The private work folder and the files this process owns in it.
#include "core/container/WorkFolder.h"

#include <sys/stat.h>
#include <unistd.h>

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstring>
#include <utility>

#include "base/StringTable.h"

namespace {

QString FolderPath() {
  return QDir::tempPath() + '/' + AppTitle() + '-' + QString::number(geteuid());
}

QString Errno() { return QString::fromLocal8Bit(std::strerror(errno)); }

// A real directory (not a link), owned by us, with exactly mode 0700.
bool IsPrivateFolder(const QByteArray& path, QString* why) {
  struct stat st {};
  if (lstat(path.constData(), &st) != 0) {
    *why = Errno();
    return false;
  }
  if (!S_ISDIR(st.st_mode)) *why = "not a directory";
  else if (st.st_uid != geteuid()) *why = "owned by another user";
  else if ((st.st_mode & 07777) != 0700) *why = "mode is not 0700";
  return why->isEmpty();
}

bool IsSafeSub(const QString& sub) {
  if (sub.startsWith('/')) return false;
  const QStringList parts = sub.split('/', Qt::SkipEmptyParts);
  return !parts.isEmpty() && !parts.contains("..");
}

// Creates each missing part of `sub` below `base` with mode 0700.
bool MakeSubFolders(const QString& base, const QString& sub, QString* why) {
  QString path = base;
  for (const QString& part : sub.split('/', Qt::SkipEmptyParts)) {
    path += '/' + part;
    const QByteArray native = QFile::encodeName(path);
    if (mkdir(native.constData(), 0700) != 0 && errno != EEXIST) {
      *why = Errno();
      return false;
    }
    struct stat st {};
    if (lstat(native.constData(), &st) != 0 || !S_ISDIR(st.st_mode)) {
      *why = path + ": not a directory";
      return false;
    }
  }
  return true;
}

}  // namespace

std::optional<QString> PrepareWorkFolder(const QString& folder, QString* why) {
  QString reason;
  const QByteArray native = QFile::encodeName(folder);
  if (mkdir(native.constData(), 0700) == 0) {
    // The umask may have taken bits away; the folder must still be usable by us alone.
    chmod(native.constData(), 0700);
  } else if (errno != EEXIST) {
    reason = Errno();
  }
  if (reason.isEmpty()) IsPrivateFolder(native, &reason);
  if (why != nullptr) *why = reason;
  if (!reason.isEmpty()) return std::nullopt;
  return folder;
}

Result<QString> GetWorkFolder(const QString& sub) {
  QString why;
  std::optional<QString> folder = PrepareWorkFolder(FolderPath(), &why);
  if (folder && !sub.isEmpty()) {
    if (IsSafeSub(sub) && MakeSubFolders(*folder, sub, &why)) {
      folder = *folder + '/' + QDir::cleanPath(sub);
    } else {
      folder.reset();
    }
  }
  if (!folder) return Failure{msg::NoWorkFolder};
  return *folder;
}

QString OwnWorkFilePrefix() { return "TVL" + QString::number(getpid()) + '-'; }

Result<WorkFile> WorkFile::Create() {
  const Result<QString> folder = GetWorkFolder();
  if (!folder) return folder.error();
  QByteArray pattern = QFile::encodeName(*folder + '/' + OwnWorkFilePrefix() + "XXXXXX");
  const int fd = mkstemp(pattern.data());
  if (fd < 0) return Failure{};
  close(fd);
  return WorkFile(QFile::decodeName(pattern));
}

WorkFile::WorkFile(WorkFile&& other) noexcept : path_(std::exchange(other.path_, QString())) {}

WorkFile& WorkFile::operator=(WorkFile&& other) noexcept {
  if (this != &other) {
    if (!path_.isEmpty()) QFile::remove(path_);
    path_ = std::exchange(other.path_, QString());
  }
  return *this;
}

WorkFile::~WorkFile() {
  if (!path_.isEmpty()) QFile::remove(path_);
}

int DeleteOwnWorkFiles() {
  const std::optional<QString> folder = PrepareWorkFolder(FolderPath());
  if (!folder) return 0;
  const QString prefix = OwnWorkFilePrefix();
  int removed = 0;
  // Every entry is examined: a long editing session leaves many snapshots.
  const QFileInfoList entries =
      QDir(*folder).entryInfoList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot |
                                  QDir::Hidden | QDir::System);
  for (const QFileInfo& entry : entries) {
    if (!entry.fileName().startsWith(prefix, Qt::CaseInsensitive)) continue;
    const bool ok = entry.isDir() && !entry.isSymLink()
                        ? QDir(entry.filePath()).removeRecursively()
                        : QFile::remove(entry.filePath());
    if (ok) ++removed;
  }
  return removed;
}

QString ClipboardFilePath() {
  const std::optional<QString> folder = PrepareWorkFolder(FolderPath());
  return folder ? *folder + "/Copy.tmp" : QString();
}

void DeleteClipboardFile() {
  const QString path = ClipboardFilePath();
  if (path.isEmpty()) return;
  const QFileInfo info(path);
  if (info.isSymLink() || (info.exists() && !info.isDir())) QFile::remove(path);
}
