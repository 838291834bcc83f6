// Feeds arbitrary bytes to ReadDataFile. Whatever it accepts must satisfy the
// document's invariants and survive a write and a second read unchanged.
#include <QBuffer>
#include <QCoreApplication>
#include <QLoggingCategory>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>

#include "DocumentChecks.h"
#include "core/DataFile.h"
#include "core/Document.h"

namespace {

struct Harness {
  Harness() { QLoggingCategory::setFilterRules("qt.gui.imageio*=false"); }  // decoder chatter

  int argc = 1;
  char name[8] = "fuzzer";
  char* argv[2] = {name, nullptr};
  QCoreApplication app{argc, argv};
  Document doc;
  Document again;
};

Harness& Get() {
  static Harness harness;
  return harness;
}

// The file as written, with the run-time picture handles blanked.
QByteArray Written(const Document& doc) {
  QByteArray bytes;
  QBuffer out(&bytes);
  out.open(QIODevice::WriteOnly);
  if (!WriteDataFile(doc, out)) __builtin_trap();
  for (int i = 0; i < doc.ObjCount(); ++i) {
    const qsizetype at = kDataMagicSize + sizeof(DocHeader) + 4 + qsizetype{i} * sizeof(ObjectRecord) +
                         offsetof(ObjectRecord, Picture);
    std::memset(bytes.data() + at, 0, 4);
  }
  return bytes;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  Harness& h = Get();
  QBuffer in;
  in.setData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
  in.open(QIODevice::ReadOnly);
  const bool read = ReadDataFile(h.doc, in).has_value();
  CheckInvariants(h.doc);
  if (!read) return 0;
  const QByteArray first = Written(h.doc);
  QBuffer back;
  back.setData(first);
  back.open(QIODevice::ReadOnly);
  if (!ReadDataFile(h.again, back)) __builtin_trap();
  if (Written(h.again) != first) __builtin_trap();
  return 0;
}
