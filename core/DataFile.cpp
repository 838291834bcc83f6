// Writing and reading the data file. Records go to and from the tables as one
// block; only the count and payload sizes are big-endian.
#include "core/DataFile.h"

#include <QByteArray>
#include <QFileDevice>
#include <QIODevice>
#include <QSaveFile>
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <new>
#include <unordered_map>
#include <utility>

#include "base/Cp932.h"
#include "base/MessageIds.h"
#include "base/SaveFile.h"
#include "core/Document.h"
#include "core/ObjectNames.h"

namespace {

constexpr char kMagic[] = "TVL002    ";
static_assert(sizeof kMagic - 1 == kDataMagicSize);
constexpr float kMinZoom = 0.08f;
constexpr float kMaxZoom = 4.0f;
constexpr qint64 kSequentialChunk = 1 << 20;

void PutBigEndian(std::uint32_t v, unsigned char out[4]) {
  out[0] = static_cast<unsigned char>(v >> 24);
  out[1] = static_cast<unsigned char>(v >> 16);
  out[2] = static_cast<unsigned char>(v >> 8);
  out[3] = static_cast<unsigned char>(v);
}

std::uint32_t GetBigEndian(const unsigned char in[4]) {
  return std::uint32_t{in[0]} << 24 | std::uint32_t{in[1]} << 16 | std::uint32_t{in[2]} << 8 | in[3];
}

bool WriteExact(QIODevice& out, const void* data, qint64 size) {
  return size == 0 || out.write(static_cast<const char*>(data), size) == size;
}

bool WriteBigEndian(QIODevice& out, std::uint32_t v) {
  unsigned char bytes[4];
  PutBigEndian(v, bytes);
  return WriteExact(out, bytes, 4);
}

// A file device may still hold buffered bytes whose write can fail.
bool Flushed(QIODevice& out) {
  auto* file = qobject_cast<QFileDevice*>(&out);
  return !file || (file->flush() && file->error() == QFileDevice::NoError);
}

// Reads exactly `size` bytes; devices may hand them over in pieces.
bool ReadExact(QIODevice& in, void* data, qint64 size) {
  char* p = static_cast<char*>(data);
  while (size > 0) {
    const qint64 got = in.read(p, size);
    if (got <= 0) return false;
    p += got;
    size -= got;
  }
  return true;
}

bool ReadBigEndian(QIODevice& in, std::uint32_t& v) {
  unsigned char bytes[4];
  if (!ReadExact(in, bytes, 4)) return false;
  v = GetBigEndian(bytes);
  return true;
}

template <std::size_t N>
void EndInside(char (&buffer)[N]) {
  buffer[N - 1] = '\0';
}

// ---- writing ----

bool WritePayloads(const Document& doc, QIODevice& out) {
  for (int i = 0; i < doc.ObjCount(); ++i) {
    if (doc.Object(i).ObjClass != objclass::Image) continue;
    const Picture* picture = doc.PictureOf(i);
    const QByteArray bytes = picture ? picture->Save() : QByteArray();
    if (bytes.size() > qint64{std::numeric_limits<std::uint32_t>::max()}) return false;
    if (!WriteBigEndian(out, static_cast<std::uint32_t>(bytes.size()))) return false;
    if (!WriteExact(out, bytes.constData(), bytes.size())) return false;
  }
  return true;
}

// ---- reading ----

enum class Payload { Read, Skipped, Missing };

// Never allocates more than the device can still deliver: a size beyond the
// end is a truncated file, not a reason to ask for gigabytes.
Payload ReadPayload(QIODevice& in, std::uint32_t size, QByteArray& bytes) {
  if (!in.isSequential() && size > in.size() - in.pos()) return Payload::Missing;
  // A device that cannot tell what is left gets its buffer grown as bytes arrive.
  const qint64 step = in.isSequential() ? kSequentialChunk : qint64{size};
  bytes.clear();
  try {
    while (bytes.size() < qint64{size}) {
      const qsizetype at = bytes.size();
      const qint64 chunk = std::min<qint64>(step, size - at);
      bytes.resize(at + chunk);
      if (!ReadExact(in, bytes.data() + at, chunk)) return Payload::Missing;
    }
  } catch (const std::bad_alloc&) {
    const qint64 left = size - bytes.size();
    bytes = QByteArray();
    return in.skip(left) == left ? Payload::Skipped : Payload::Missing;
  }
  return Payload::Read;
}

// The view settings a file may carry out of range are brought into range;
// anything that shapes the document itself refuses the file.
bool CheckHeader(DocHeader& h, const DocHeader& fresh) {
  if (h.SlideCount < 1 || h.SlideCount > kMaxSlides) return false;
  h.CurSlide = std::min<std::uint16_t>(h.CurSlide, h.SlideCount - 1);
  if (!std::isfinite(h.Zoom)) h.Zoom = 1.0f;
  h.Zoom = std::clamp(h.Zoom, kMinZoom, kMaxZoom);
  if (h.SlideW == 0) h.SlideW = fresh.SlideW;
  if (h.SlideH == 0) h.SlideH = fresh.SlideH;
  EndInside(h.EndText);
  return true;
}

bool CheckRecord(ObjectRecord& r, int slideCount) {
  if (!IsKnownObjectType(r.ObjClass, r.ObjKind)) return false;
  if (r.Slide >= slideCount || r.PointNum > kMaxPoints) return false;
  EndInside(r.Text);
  EndInside(r.FontName);
  EndInside(r.CharaText);
  EndInside(r.CharaFontName);
  // Only image records carry a picture; any other value would alias a live handle.
  if (r.ObjClass != objclass::Image) r.Picture = kNoPicture;
  return true;
}

// The pictures a reader may share, found by the bytes they save to. The
// bytes are taken only when the first payload asks.
class KnownPictures {
 public:
  explicit KnownPictures(const PictureTable* table) : table_(table) {}

  std::shared_ptr<const Picture> Find(const QByteArray& bytes) {
    if (!table_) return nullptr;
    if (!indexed_) Index();
    const auto [from, to] = bySize_.equal_range(bytes.size());
    for (auto it = from; it != to; ++it) {
      if (it->second.first == bytes) return it->second.second;
    }
    return nullptr;
  }

 private:
  void Index() {
    indexed_ = true;
    for (std::shared_ptr<const Picture>& picture : table_->All()) {
      QByteArray saved = picture->Save();
      const qsizetype size = saved.size();
      bySize_.emplace(size, std::pair(std::move(saved), std::move(picture)));
    }
  }

  const PictureTable* table_;
  bool indexed_ = false;
  std::unordered_multimap<qsizetype, std::pair<QByteArray, std::shared_ptr<const Picture>>> bySize_;
};

// Version 1 keeps each payload size in the record's Picture field; version 2
// puts it in front of the payload.
bool ReadPictures(Document& doc, QIODevice& in, int version, KnownPictures& known) {
  for (int i = 0; i < doc.ObjCount(); ++i) {
    ObjectRecord& r = doc.Object(i);
    if (r.ObjClass != objclass::Image) continue;
    std::uint32_t size = r.Picture;
    r.Picture = kNoPicture;
    if (version >= 2 && !ReadBigEndian(in, size)) return false;
    QByteArray bytes;
    switch (ReadPayload(in, size, bytes)) {
      case Payload::Missing: return false;
      case Payload::Skipped: continue;  // an image without a picture
      case Payload::Read: break;
    }
    std::shared_ptr<const Picture> picture = known.Find(bytes);
    if (!picture) picture = Picture::Load(bytes, doc.Dpi().x);
    r.Picture = doc.Pictures().Add(std::move(picture));
  }
  return true;
}

Failure NotADataFile() { return Failure{msg::BadFormat}; }

// The records of a seekable device must be there before memory is taken for them.
bool RecordsFit(QIODevice& in, std::uint32_t count) {
  return in.isSequential() || qint64{count} * qint64{sizeof(ObjectRecord)} <= in.size() - in.pos();
}

// The count, records and payloads, into a document without objects whose
// header is already in place.
Result<void> ReadTableInto(Document& doc, QIODevice& in, int version, KnownPictures& known) {
  std::uint32_t count = 0;
  if (!ReadBigEndian(in, count)) return NotADataFile();
  if (count > kMaxObjects)
    return Failure{msg::TooManyObjectsInFile, QString("%1 > %2\n").arg(count).arg(kMaxObjects)};
  if (!RecordsFit(in, count)) return NotADataFile();
  try {
    doc.SetObjectCount(static_cast<int>(count));
  } catch (const std::bad_alloc&) {
    return Failure{msg::NoMemory};
  }
  if (!ReadExact(in, doc.Objects(), qint64{count} * sizeof(ObjectRecord))) return NotADataFile();
  for (std::uint32_t i = 0; i < count; ++i) {
    if (!CheckRecord(doc.Object(i), doc.Header().SlideCount)) return NotADataFile();
  }
  if (!ReadPictures(doc, in, version, known)) return NotADataFile();
  return {};
}

// Reads into a document that starts empty.
Result<void> ReadBodyInto(Document& doc, QIODevice& in, int version, KnownPictures& known) {
  const DocHeader fresh = doc.Header();
  DocHeader header;
  if (!ReadExact(in, &header, sizeof header)) return NotADataFile();
  if (!CheckHeader(header, fresh)) return NotADataFile();
  doc.Header() = header;
  return ReadTableInto(doc, in, version, known);
}

// atoi of the three version characters, as files have always been read.
int ParseVersion(const char* digits) {
  const char text[4] = {digits[0], digits[1], digits[2], '\0'};
  return static_cast<int>(std::strtol(text, nullptr, 10));
}

}  // namespace

bool WriteObjectTable(const Document& doc, QIODevice& out) {
  const int count = doc.ObjCount();
  if (count > kMaxObjects) return false;
  return WriteBigEndian(out, static_cast<std::uint32_t>(count)) &&
         WriteExact(out, doc.Objects(), qint64{count} * sizeof(ObjectRecord)) && WritePayloads(doc, out);
}

bool WriteDataBody(const Document& doc, QIODevice& out) {
  if (doc.ObjCount() > kMaxObjects) return false;
  DocHeader header = doc.Header();
  header.ObjCount = doc.ObjCount();
  return WriteExact(out, &header, sizeof header) && WriteObjectTable(doc, out);
}

bool WriteDataFile(const Document& doc, QIODevice& out) {
  return WriteExact(out, kMagic, kDataMagicSize) && WriteDataBody(doc, out) && Flushed(out);
}

bool WriteDataFile(const Document& doc, const QString& path) {
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return false;
  if (!WriteDataFile(doc, file)) {
    file.cancelWriting();
    return false;
  }
  return CommitWhole(file);
}

Result<void> ReadDataBody(Document& doc, QIODevice& in, int version, const PictureTable* shareFrom) {
  doc.NewDocumentForReading();  // the old document goes; a refusal leaves this empty one
  const DocHeader fresh = doc.Header();
  KnownPictures known(shareFrom);
  const Result<void> read = ReadBodyInto(doc, in, version, known);
  if (!read) {
    doc.ClearPictures();
    doc.SetObjectCount(0);
    doc.Header() = fresh;
  }
  return read;
}

Result<void> ReadObjectTable(Document& doc, QIODevice& in) {
  doc.SetObjectCount(0);
  KnownPictures known(nullptr);
  const Result<void> read = ReadTableInto(doc, in, kDataFileVersion, known);
  if (!read) {
    doc.ClearPictures();  // records not yet read hold file values, not handles
    doc.SetObjectCount(0);
  }
  return read;
}

Result<void> ReadDataFile(Document& doc, QIODevice& in) {
  char magic[kDataMagicSize];
  if (!ReadExact(in, magic, sizeof magic) || std::memcmp(magic, "TVL", 3) != 0) return NotADataFile();
  const int version = ParseVersion(magic + 3);
  if (version != 1 && version != 2)
    return Failure{msg::BadVersion, "ver " + DecodeCp932Buffer(magic + 3, 3) + "\n"};
  return ReadDataBody(doc, in, version);
}
