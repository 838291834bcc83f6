// Documents and PDF readers for the export tests.
#pragma once

#include <QDir>
#include <QProcess>
#include <QString>

#include "core/Document.h"
#include "tests/render/RenderFixtures.h"

namespace exportfixtures {

// `slides` small slides, each with a box of its own colour at its own place,
// so that every page differs.
inline void Slides(Document& doc, int slides, QSize size = QSize(200, 150)) {
  renderfixtures::Reset(doc, slides);
  doc.Header().SlideW = size.width();
  doc.Header().SlideH = size.height();
  for (int s = 0; s < slides; ++s)
    doc.AddObject(renderfixtures::Box(QRect(10 + 4 * s, 20, 60, 40), gdi::Rgb(8 * s, 200 - 5 * s, 90), 0, s));
}

// What a command-line tool prints; the exit code goes to `code`.
inline QString RunTool(const QString& program, const QStringList& args, int* code = nullptr) {
  QProcess p;
  p.setProcessChannelMode(QProcess::MergedChannels);
  p.start(program, args);
  p.waitForFinished(60000);
  if (code) *code = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
  return QString::fromUtf8(p.readAll());
}

// The entries of a folder, "." and ".." left out.
inline QStringList Entries(const QString& folder) {
  return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
}

}  // namespace exportfixtures
