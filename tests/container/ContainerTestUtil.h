// Small helpers shared by the container tests: a private TMPDIR per test,
// file bytes, and running the outside cabinet tools.
#pragma once

#include <gtest/gtest.h>

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QStringList>
#include <QTemporaryDir>

#include "MessageRecorder.h"
#include "core/container/WorkFolder.h"

// The work folder as the shell sees it: empty, with 30002 shown, when it is unavailable.
inline QString WorkFolderShown(const QString& sub = QString()) {
  const Result<QString> folder = GetWorkFolder(sub);
  return Shown(folder) ? *folder : QString();
}

// Points TMPDIR (and so the work folder) at a fresh folder for one test.
class ScopedTempRoot {
 public:
  ScopedTempRoot() : old_(qgetenv("TMPDIR")) {
    qputenv("TMPDIR", QFile::encodeName(dir_.path()));
  }
  ~ScopedTempRoot() { qputenv("TMPDIR", old_); }
  QString Path() const { return dir_.path(); }
  QString File(const QString& name) const { return dir_.filePath(name); }

 private:
  QTemporaryDir dir_;
  QByteArray old_;
};

inline bool WriteBytes(const QString& path, const QByteArray& bytes) {
  QFile f(path);
  return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

inline QByteArray ReadBytes(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Runs of repeated bytes mixed with noise, so MSZIP has work of both kinds.
inline QByteArray MixedBytes(qsizetype size, quint32 seed) {
  QRandomGenerator rng(seed);
  QByteArray bytes;
  bytes.reserve(size);
  while (bytes.size() < size) {
    const int run = 1 + static_cast<int>(rng.bounded(64));
    if (rng.bounded(2) == 0) bytes.append(run, static_cast<char>(rng.bounded(256)));
    else for (int i = 0; i < run; ++i) bytes.append(static_cast<char>(rng.bounded(256)));
  }
  bytes.truncate(size);
  return bytes;
}

struct ToolRun {
  int exitCode = -1;
  QString output;
};

inline ToolRun RunTool(const QString& program, const QStringList& args,
                       const QString& workDir = QString()) {
  QProcess p;
  p.setProcessChannelMode(QProcess::MergedChannels);
  if (!workDir.isEmpty()) p.setWorkingDirectory(workDir);
  p.start(program, args);
  if (!p.waitForFinished(60000) || p.exitStatus() != QProcess::NormalExit) return {};
  return {p.exitCode(), QString::fromLocal8Bit(p.readAll())};
}

// Entries of `folder`, hidden ones included, sorted.
inline QStringList Entries(const QString& folder) {
  return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System |
                                    QDir::NoDotAndDotDot,
                                QDir::Name);
}
