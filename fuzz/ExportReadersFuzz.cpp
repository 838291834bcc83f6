// Feeds arbitrary bytes to the readers of picture files in the export code:
// the JPEG probe (and the page built on it), the PNG transparent-colour reader
// and the GIF transparency patch. Nothing may crash or read out of bounds; the
// patch changes at most the two bytes of the control block.
#include <QByteArray>
#include <cstdint>

#include "export/CGIFSub.h"
#include "export/CJpg2Pdf.h"
#include "export/CPNGSub.h"
#include "export/JpegProbe.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
  if (ProbeJpeg(bytes)) {
    const std::optional<QByteArray> pdf = CJpg2Pdf::Make(bytes);
    if (!pdf || !pdf->contains(bytes)) __builtin_trap();
  }
  (void)CPNGSub::GetTransColor(bytes);
  QByteArray gif = bytes;
  if (CGIFSub::MakeTransparent(gif, 0x123456)) {
    qsizetype changed = 0;
    for (qsizetype i = 0; i < gif.size(); ++i) changed += gif[i] != bytes[i];
    if (gif.size() != bytes.size() || changed > 2) __builtin_trap();
  }
  return 0;
}
