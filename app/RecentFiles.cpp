#include "app/RecentFiles.h"

#include <QFileInfo>
#include <algorithm>

#include "base/Settings.h"

namespace {

const QString kSection = "Recent File List";

QString Key(int k) { return QString("File%1").arg(k); }

}  // namespace

void StoreRecentFiles(const QStringList& files) {
  SettingsBatch store;
  for (int k = 1; k <= kRecentFileCount; ++k)
    store.WriteText(kSection, Key(k), k <= files.size() ? files[k - 1] : QString());
}

QStringList WithoutChecked(const QStringList& files, const QList<bool>& checked) {
  QStringList kept = files;
  // Last to first, so the rows still to look at keep their places.
  for (qsizetype row = std::min(files.size(), checked.size()) - 1; row >= 0; --row)
    if (checked[row]) kept.removeAt(row);
  return kept;
}

QString RecentFileFolder(const QString& path) {
  const qsizetype cut = std::max(path.lastIndexOf('/'), path.lastIndexOf('\\'));
  if (cut < 0) return QString();
  return path.left(cut == 0 ? 1 : cut);  // a file at the root is shown in the root
}

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
  StoreRecentFiles(files.mid(0, kRecentFileCount));
}

void RemoveRecentFile(const QString& path) {
  QStringList files = LoadRecentFiles();
  files.removeAll(path);
  StoreRecentFiles(files);
}

QString RecentFileMenuText(int number, const QString& path) {
  if (path.isEmpty()) return path;
  return QString("&%1 ").arg(number) + QFileInfo(path).fileName();
}
