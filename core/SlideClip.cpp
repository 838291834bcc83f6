#include "core/SlideClip.h"

#include <QFile>
#include <QSaveFile>

#include "base/MessageIds.h"
#include "base/SaveFile.h"
#include "core/DataFile.h"
#include "core/SlideOps.h"

namespace {

Failure BadData() { return Failure{msg::BadData}; }

bool WriteValue(QIODevice& out, std::uint32_t v) {
  const char bytes[4] = {static_cast<char>(v >> 24), static_cast<char>(v >> 16), static_cast<char>(v >> 8),
                         static_cast<char>(v)};
  return out.write(bytes, 4) == 4;
}

bool ReadValue(QIODevice& in, std::uint32_t& v) {
  unsigned char bytes[4];
  if (in.read(reinterpret_cast<char*>(bytes), 4) != 4) return false;
  v = std::uint32_t{bytes[0]} << 24 | std::uint32_t{bytes[1]} << 16 | std::uint32_t{bytes[2]} << 8 | bytes[3];
  return true;
}

// The picture of image record `r` of `from` as a handle of `to`.
PictureHandle SharePicture(const PictureTable& from, const ObjectRecord& r, PictureTable& to) {
  if (r.ObjClass != objclass::Image || r.Picture == kNoPicture) return kNoPicture;
  std::shared_ptr<const Picture> picture = from.Share(r.Picture);
  return picture ? to.Add(std::move(picture)) : kNoPicture;
}

// The slide's records with their pictures shared into a document of their own.
Document SlideObjects(const Document& doc, int slide) {
  Document part = doc.EmptyLike();
  part.SetObjectCount(doc.ObjectsOnSlide(slide));
  int n = 0;
  for (int i = 0; i < doc.ObjCount(); ++i) {
    if (doc.Object(i).Slide != slide) continue;
    ObjectRecord& r = part.Object(n++);
    r = doc.Object(i);
    r.Picture = SharePicture(doc.Pictures(), r, part.Pictures());
  }
  return part;
}

}  // namespace

Result<void> WriteSlideClip(const Document& doc, int slide, QIODevice& out) {
  const DocHeader& h = doc.Header();
  if (slide < 0 || slide >= h.SlideCount || doc.ObjectsOnSlide(slide) == 0)
    return Failure{msg::EmptySlideNoCopy, QString(), MsgStyle::Info};
  const Document part = SlideObjects(doc, slide);
  if (!WriteValue(out, h.SwitchTime[slide]) || !WriteValue(out, h.Transition[slide]) ||
      !WriteObjectTable(part, out))
    return BadData();
  return {};
}

Result<SlideClip> ReadSlideClip(const Document& like, QIODevice& in) {
  std::uint32_t time = 0;
  std::uint32_t transition = 0;
  if (!ReadValue(in, time) || !ReadValue(in, transition) || time > 0xFFFF || transition > 0xFFFF)
    return BadData();
  SlideClip clip{static_cast<std::uint16_t>(time), static_cast<std::uint16_t>(transition), like.EmptyLike()};
  // Records keep the slide they were copied from, so any slide of a document passes.
  clip.objects.Header().SlideCount = kMaxSlides;
  if (!ReadObjectTable(clip.objects, in) || clip.objects.ObjCount() == 0 || !in.atEnd()) return BadData();
  clip.objects.Header().SlideCount = 1;
  for (int i = 0; i < clip.objects.ObjCount(); ++i) clip.objects.Object(i).Slide = 0;
  return clip;
}

Result<void> CopySlideToFile(const Document& doc, int slide, const QString& path) {
  if (doc.ObjectsOnSlide(slide) == 0) return Failure{msg::EmptySlideNoCopy, QString(), MsgStyle::Info};
  QSaveFile file(path);
  if (path.isEmpty() || !file.open(QIODevice::WriteOnly)) return Failure{msg::OpenFailed, path + "\n"};
  if (Result<void> written = WriteSlideClip(doc, slide, file); !written) {
    file.cancelWriting();
    return written;
  }
  if (!CommitWhole(file)) return BadData();
  return {};
}

Result<SlideClip> ReadSlideClipFile(const Document& like, const QString& path) {
  QFile file(path);
  if (path.isEmpty() || !file.open(QIODevice::ReadOnly)) return Failure{msg::OpenFailed, path + "\n"};
  return ReadSlideClip(like, file);
}

Result<void> PasteSlide(Document& doc, const SlideClip& clip, int at) {
  if (doc.Header().SlideCount >= kMaxSlides) return Failure{msg::NoMoreCanBeAdded, QString(), MsgStyle::Info};
  if (Result<void> room = doc.HasRoomFor(clip.objects.ObjCount()); !room) return room;
  const DocHeader header = doc.Header();
  const int before = doc.ObjCount();
  if (Result<void> added = InsertSlide(doc, at, clip.switchTime); !added) return added;
  const int slide = doc.Header().CurSlide;
  doc.Header().Transition[slide] = clip.transition;
  for (int i = 0; i < clip.objects.ObjCount(); ++i) {
    ObjectRecord r = clip.objects.Object(i);
    r.Slide = static_cast<std::uint16_t>(slide);
    r.Picture = SharePicture(clip.objects.Pictures(), r, doc.Pictures());
    const Result<int> index = doc.AddObject(r);
    if (!index) {  // out of memory: the document goes back to what it was
      doc.Pictures().Release(r.Picture);
      doc.SetObjectCount(before);
      (void)DeleteSlide(doc, slide);
      doc.Header() = header;
      return index.error();
    }
    doc.View(*index).Selected = 0;
  }
  return {};
}
