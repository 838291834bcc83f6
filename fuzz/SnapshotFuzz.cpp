// Feeds arbitrary bytes to the reader of undo snapshots (the data file's body
// without its magic, sharing pictures with the open document). Whatever it
// accepts must satisfy the document's invariants and read back the same
// after a second write.
#include <QBuffer>
#include <cstddef>
#include <cstdint>

#include "DocumentChecks.h"
#include "core/DataFile.h"

namespace {

struct Harness {
  QuietApp qt;
  Document current;  // the open document whose pictures a snapshot may share
};

QByteArray Body(const Document& doc) {
  QByteArray bytes;
  QBuffer out(&bytes);
  out.open(QIODevice::WriteOnly);
  if (!WriteDataBody(doc, out)) __builtin_trap();
  return bytes;
}

Result<void> Read(Document& doc, const QByteArray& bytes, const Document& current) {
  QBuffer in;
  in.setData(bytes);
  in.open(QIODevice::ReadOnly);
  return ReadDataBody(doc, in, kDataFileVersion, &current.Pictures());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static Harness h;
  Document earlier;
  const bool read = Read(earlier, QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)),
                         h.current).has_value();
  if (!read) return 0;
  CheckInvariants(earlier);
  const QByteArray first = Body(earlier);
  Document again;
  if (!Read(again, first, h.current)) __builtin_trap();
  if (Body(again) != first) __builtin_trap();
  return 0;
}
