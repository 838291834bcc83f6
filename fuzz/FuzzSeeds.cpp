// Writes seed inputs for the snapshot, slide clip and picture fuzz targets,
// made by the program's own writers from each data file given:
//   FuzzSeeds OUT_DIR DATAFILE...
// gives OUT_DIR/snapshot/NAME, OUT_DIR/clip/NAME-SLIDE, OUT_DIR/picture/NAME-OBJECT.
#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cstdio>
#include <functional>

#include "core/DataFile.h"
#include "core/SlideClip.h"

namespace {

bool Write(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray Through(const std::function<bool(QIODevice&)>& writer) {
  QByteArray bytes;
  QBuffer out(&bytes);
  out.open(QIODevice::WriteOnly);
  return writer(out) ? bytes : QByteArray();
}

}  // namespace

int main(int argc, char* argv[]) {
  QCoreApplication app(argc, argv);
  const QStringList args = app.arguments();
  if (args.size() < 3) {
    std::fputs("usage: FuzzSeeds OUT_DIR DATAFILE...\n", stderr);
    return 2;
  }
  const QDir out(args[1]);
  for (const char* sub : {"snapshot", "clip", "picture"}) out.mkpath(sub);
  for (const QString& path : args.mid(2)) {
    QFile file(path);
    Document doc;
    if (!file.open(QIODevice::ReadOnly) || !ReadDataFile(doc, file)) continue;
    const QString name = QFileInfo(path).fileName();
    Write(out.filePath("snapshot/" + name), Through([&](QIODevice& d) { return WriteDataBody(doc, d); }));
    for (int slide = 0; slide < doc.Header().SlideCount; ++slide) {
      const QByteArray clip = Through([&](QIODevice& d) { return WriteSlideClip(doc, slide, d).has_value(); });
      if (!clip.isEmpty()) Write(out.filePath(QString("clip/%1-%2").arg(name).arg(slide)), clip);
    }
    for (int i = 0; i < doc.ObjCount(); ++i) {
      if (const Picture* picture = doc.PictureOf(i))
        Write(out.filePath(QString("picture/%1-%2").arg(name).arg(i)), picture->Save());
    }
  }
  return 0;
}
