// Documents on disk for the application tests.
#pragma once

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "app/MiradoDoc.h"
#include "core/Document.h"
#include "tests/core/DocFixtures.h"

namespace appfixtures {

// Saves a document with two figures on slide 0 and an image on slide 1 to `path`.
inline bool SaveSample(const QString& path, COLORREF fill = 16773100) {
  Document doc;
  doc.Header().SlideCount = 2;
  ObjectRecord line = fixtures::Figure(objkind::Line);
  line.refMen = fill;
  doc.AddObject(line);
  doc.AddObject(fixtures::Figure(objkind::Ellipse));
  fixtures::AddImage(doc, fixtures::PaddedBmp(1000), 1);
  CMiradoDoc file(doc);
  return file.SaveDocument(path, nullptr);
}

inline QByteArray ReadAll(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

}  // namespace appfixtures
