#include "editor/ObjectClipboard.h"

#include <QBuffer>
#include <QMimeData>
#include <QRect>

#include "base/MessageIds.h"
#include "core/DataFile.h"
#include "editor/ObjectPlacement.h"
#include "geometry/ObjectFrame.h"
#include "render/SlideRenderer.h"

namespace {

PictureHandle CopyPicture(const PictureTable& from, const ObjectRecord& r, PictureTable& to) {
  if (r.ObjClass != objclass::Image || r.Picture == kNoPicture) return kNoPicture;
  std::shared_ptr<const Picture> picture = from.Share(r.Picture);
  return picture ? to.Add(std::move(picture)) : kNoPicture;
}

// The common box of the objects in view pixels at `zoom`.
QRect CommonBox(const Document& objects, float zoom) {
  QRect box;
  for (int i = 0; i < objects.ObjCount(); ++i) {
    const Bounds b = FrameOf(objects.Object(i), zoom).bounds;
    box |= QRect(QPoint(b.left, b.top), QPoint(b.right, b.bottom));
  }
  return box;
}

QImage ObjectsPicture(const Document& objects, float zoom) {
  const QRect box = CommonBox(objects, zoom);
  const QImage slide = RenderSlideImage(objects, 0, zoom);
  return slide.copy(box.intersected(slide.rect()));
}

}  // namespace

Document SelectedObjects(const Document& doc, int slide) {
  Document part = doc.EmptyLike();
  part.Header() = doc.Header();
  part.Header().ObjCount = 0;
  std::vector<int> chosen;
  for (int i = 0; i < doc.ObjCount(); ++i)
    if (doc.View(i).Selected && doc.Object(i).Slide == slide) chosen.push_back(i);
  part.SetObjectCount(static_cast<int>(chosen.size()));
  for (std::size_t n = 0; n < chosen.size(); ++n) {
    ObjectRecord& r = part.Object(static_cast<int>(n));
    r = doc.Object(chosen[n]);
    r.Slide = 0;
    r.Picture = CopyPicture(doc.Pictures(), r, part.Pictures());
  }
  part.Header().CurSlide = 0;
  return part;
}

QByteArray EncodeObjects(const Document& objects) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  if (!WriteObjectTable(objects, buffer)) return {};
  return bytes;
}

Result<Document> DecodeObjects(const Document& like, const QByteArray& bytes) {
  Document clip = like.EmptyLike();
  QBuffer buffer;
  buffer.setData(bytes);
  buffer.open(QIODevice::ReadOnly);
  clip.Header().SlideCount = 1;
  if (!ReadObjectTable(clip, buffer) || clip.ObjCount() == 0 || !buffer.atEnd()) return Failure{msg::BadData};
  return clip;
}

std::unique_ptr<QMimeData> CopyToMime(const Document& doc, int slide) {
  const Document objects = SelectedObjects(doc, slide);
  if (objects.ObjCount() == 0) return nullptr;
  auto data = std::make_unique<QMimeData>();
  data->setData(kObjectsMime, EncodeObjects(objects));
  data->setImageData(ObjectsPicture(objects, doc.Header().Zoom));
  data->setText(QString::fromLatin1(kObjectsMarker));
  return data;
}

ClipKind Classify(const QMimeData* data) {
  if (!data) return ClipKind::None;
  if (data->hasFormat(kObjectsMime)) return ClipKind::Objects;
  // The marker without our objects is a copy whose objects did not survive: not text to paste.
  const QString text = PastedText(*data);
  if (data->hasText() && !text.isEmpty() && text != QLatin1String(kObjectsMarker)) return ClipKind::Text;
  if (data->hasImage()) return ClipKind::Picture;
  return ClipKind::None;
}

QString PastedText(const QMimeData& data) {
  QString text = data.text();
  if (text.endsWith(QLatin1String("\r\n"))) {
    text.chop(2);
  } else if (text.endsWith('\n')) {
    text.chop(1);
  }
  return text;
}

std::vector<QString> TextPieces(const QString& text, bool onePerLine) {
  QString plain = text;
  plain.replace(QLatin1String("\r\n"), QLatin1String("\n"));
  if (!onePerLine) return {plain};
  std::vector<QString> pieces;
  for (QString line : plain.split('\n')) {
    if (line.isEmpty()) continue;
    pieces.push_back(line.replace('\t', '\n'));
  }
  return pieces;
}

QPoint PasteOffset(QPoint rightClick, QPoint copyPoint, float zoom) {
  if (rightClick.isNull()) return {10, 10};
  const QPoint moved = rightClick - copyPoint;
  return {static_cast<int>(moved.x() / zoom), static_cast<int>(moved.y() / zoom)};
}

Result<std::vector<int>> PasteObjects(Document& doc, const Document& clip, int slide, QPoint offset) {
  if (Result<void> room = doc.HasRoomFor(clip.ObjCount()); !room) return room.error();
  const int before = doc.ObjCount();
  std::vector<int> added;
  for (int i = 0; i < clip.ObjCount(); ++i) {
    ObjectRecord r = clip.Object(i);
    r.Slide = static_cast<std::uint16_t>(slide);
    Translate(r, offset);
    PushInsideSlide(r, doc.Header());
    r.Picture = CopyPicture(clip.Pictures(), r, doc.Pictures());
    const Result<int> index = doc.AddObject(r);
    if (!index) {  // out of memory: nothing stays pasted
      doc.Pictures().Release(r.Picture);
      doc.SetObjectCount(before);
      return index.error();
    }
    added.push_back(*index);
  }
  for (int i = 0; i < doc.ObjCount(); ++i) doc.View(i).Selected = 0;
  for (int i : added) doc.View(i).Selected = 1;
  return added;
}
