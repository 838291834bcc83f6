#include "export/PdfWeld.h"

#include <utility>

#include "base/MessageIds.h"
#include "export/SystemPath.h"

const char PdfWeld::kFileName[] = "libpdfweld.so";

Result<std::unique_ptr<PdfWeld>> PdfWeld::Open(const QString& folder) {
  const QString path = folder + '/' + kFileName;
  std::unique_ptr<PdfWeld> weld(new PdfWeld(path));
  if (weld->library_.load()) {
    weld->load_ = reinterpret_cast<LoadFn>(weld->library_.resolve("LoadPDF"));
    weld->combine_ = reinterpret_cast<CombineFn>(weld->library_.resolve("CombinePDF"));
    weld->writeInfo_ = reinterpret_cast<WriteInfoFn>(weld->library_.resolve("WritePDFInfo"));
    weld->free_ = reinterpret_cast<FreeFn>(weld->library_.resolve("FreePDF"));
  }
  if (!weld->load_ || !weld->combine_ || !weld->writeInfo_ || !weld->free_)
    return Failure(msg::OpenFailed, path + '\n');
  return weld;
}

PdfWeld::Pdf::Pdf(Pdf&& other) noexcept
    : weld_(other.weld_), handle_(std::exchange(other.handle_, nullptr)) {}

PdfWeld::Pdf::~Pdf() {
  if (handle_ != nullptr) weld_->free_(handle_);
}

std::optional<PdfWeld::Pdf> PdfWeld::LoadPdf(const QString& path) const {
  const QByteArray native = SystemPathBytes(path);
  if (native.isEmpty()) return std::nullopt;
  void* handle = load_(native.constData());
  if (handle == nullptr) return std::nullopt;
  return Pdf(this, handle);
}

bool PdfWeld::Append(Pdf& first, const Pdf& second) const {
  return combine_(first.handle_, second.handle_, nullptr) == 1;
}

bool PdfWeld::WriteInfo(Pdf& pdf, const PdfInfoTexts& info, const QString& output) const {
  const QByteArray native = SystemPathBytes(output);
  if (native.isEmpty()) return false;
  const char* texts[8];
  for (int i = 0; i < 8; ++i) texts[i] = info[i].constData();
  return writeInfo_(pdf.handle_, texts, native.constData()) == 1;
}
