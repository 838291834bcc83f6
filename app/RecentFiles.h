// The recent-file list kept in "Recent File List"/"File1".."File10".
#pragma once

#include <QString>
#include <QStringList>

inline constexpr int kRecentFileCount = 10;

QStringList LoadRecentFiles();
// Puts `path` first, dropping an older entry of the same file, and stores the list.
void AddRecentFile(const QString& path);
void RemoveRecentFile(const QString& path);
// Replaces the stored list with `files` (the first ten).
void StoreRecentFiles(const QStringList& files);
// `files` without the entries whose `checked` flag is set, in their order.
QStringList WithoutChecked(const QStringList& files, const QList<bool>& checked);
// The folder shown for an entry: the path up to its last separator.
QString RecentFileFolder(const QString& path);

// "&1 name.tvl": the entry's number and the file name without its folder.
QString RecentFileMenuText(int number, const QString& path);
