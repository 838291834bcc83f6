#include "app/DocumentInfo.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <set>

#include "core/Document.h"
#include "core/ObjectNames.h"

QByteArray DocumentInfoJson(const Document& doc) {
  const DocHeader& h = doc.Header();
  QJsonArray perSlide;
  for (int s = 0; s < h.SlideCount; ++s) perSlide.append(doc.ObjectsOnSlide(s));

  QJsonObject perKind;
  std::set<PictureHandle> pictures;
  for (int i = 0; i < doc.ObjCount(); ++i) {
    const ObjectRecord& r = doc.Object(i);
    const char* name = ObjectTypeName(r.ObjClass, r.ObjKind);
    const QString kind = name ? QString(name) : QString("Unknown");
    perKind[kind] = perKind.value(kind).toInt() + 1;
    if (r.Picture != kNoPicture && doc.Pictures().Get(r.Picture)) pictures.insert(r.Picture);
  }
  qint64 pictureBytes = 0;
  for (PictureHandle p : pictures) pictureBytes += doc.Pictures().Get(p)->Save().size();

  QJsonObject o;
  o["slides"] = h.SlideCount;
  o["slideWidth"] = h.SlideW;
  o["slideHeight"] = h.SlideH;
  o["objects"] = doc.ObjCount();
  o["objectsPerSlide"] = perSlide;
  o["objectsPerKind"] = perKind;
  o["pictures"] = static_cast<int>(pictures.size());
  o["pictureBytes"] = pictureBytes;
  return QJsonDocument(o).toJson(QJsonDocument::Indented);
}
