// Feeds arbitrary bytes to the reader of the slide clipboard file, which any
// Tessaly process of the user may have written. An accepted clip is pasted
// into a document: the result keeps the document's invariants, and the
// pasted slide copies again into a clip that reads back.
#include <QBuffer>
#include <cstddef>
#include <cstdint>

#include "DocumentChecks.h"
#include "core/SlideClip.h"

namespace {

struct Harness {
  QuietApp qt;
  Document like;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static Harness h;
  QBuffer in;
  in.setData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
  in.open(QIODevice::ReadOnly);
  const Result<SlideClip> clip = ReadSlideClip(h.like, in);
  if (!clip) return 0;
  CheckInvariants(clip->objects);
  Document doc;
  if (!PasteSlide(doc, *clip, 1)) return 0;
  CheckInvariants(doc);
  QByteArray again;
  QBuffer out(&again);
  out.open(QIODevice::WriteOnly);
  if (!WriteSlideClip(doc, 1, out)) return 0;  // an empty slide is refused
  out.close();
  out.open(QIODevice::ReadOnly);
  if (!ReadSlideClip(h.like, out)) __builtin_trap();
  return 0;
}
