#include "app/RecentFiles.h"

#include <QFileInfo>

#include "base/Settings.h"

namespace {

const QString kSection = "Recent File List";

QString Key(int k) { return QString("File%1").arg(k); }

void Store(const QStringList& files) {
  SettingsBatch store;
  for (int k = 1; k <= kRecentFileCount; ++k)
    store.WriteText(kSection, Key(k), k <= files.size() ? files[k - 1] : QString());
}

}  // namespace

QStringList LoadRecentFiles() {
  QStringList files;
  for (int k = 1; k <= kRecentFileCount; ++k) {
    const QString path = GetText(kSection, Key(k), QString());
    if (!path.isEmpty()) files << path;
  }
  return files;
}

void AddRecentFile(const QString& path) {
  QStringList files = LoadRecentFiles();
  files.removeAll(path);
  files.prepend(path);
  Store(files.mid(0, kRecentFileCount));
}

void RemoveRecentFile(const QString& path) {
  QStringList files = LoadRecentFiles();
  files.removeAll(path);
  Store(files);
}

QString RecentFileMenuText(int number, const QString& path) {
  if (path.isEmpty()) return path;
  return QString("&%1 ").arg(number) + QFileInfo(path).fileName();
}
