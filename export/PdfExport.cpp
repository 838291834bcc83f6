#include "export/PdfExport.h"

#include <QTemporaryDir>
#include <algorithm>
#include <memory>

#include "base/MessageIds.h"
#include "core/Document.h"
#include "core/container/WorkFolder.h"
#include "export/CJpg2Pdf.h"
#include "export/ImageEncoder.h"
#include "export/PdfInfo.h"
#include "export/PdfWeld.h"
#include "export/SystemPath.h"
#include "render/SlideRenderer.h"

namespace {

QString PagePath(const QTemporaryDir& scratch, int k) {
  return scratch.filePath(QString::asprintf("page%03d.pdf", k + 1));
}

// Slide `slide` drawn at `zoom`, as a one-page PDF of the designed page size.
Result<void> WritePage(const Document& doc, int slide, float zoom, const QString& path) {
  const std::optional<QByteArray> jpeg = EncodeImage(RenderSlideImage(doc, slide, zoom), ImageFormat::Jpeg);
  if (!jpeg) return Failure(msg::NoMemory);
  return CJpg2Pdf::Write(*jpeg, path, QSize(doc.Header().SlideW, doc.Header().SlideH));
}

// The pages joined in order into one document, written with its information.
Result<void> Join(const PdfWeld& weld, const QTemporaryDir& scratch, int count, const PdfExportRequest& request) {
  std::optional<PdfWeld::Pdf> joined = weld.LoadPdf(PagePath(scratch, 0));
  if (!joined) return Failure(msg::OpenFailed, PagePath(scratch, 0) + '\n');
  for (int k = 1; k < count; ++k) {
    const std::optional<PdfWeld::Pdf> page = weld.LoadPdf(PagePath(scratch, k));
    if (!page) return Failure(msg::OpenFailed, PagePath(scratch, k) + '\n');
    if (!weld.Append(*joined, *page)) return Failure(msg::CopyFailed, "[Combine]\n");
  }
  if (!weld.WriteInfo(*joined, MakePdfInfo(request.title, request.time), request.output))
    return Failure(msg::PdfInfoFailed);
  return {};
}

}  // namespace

Result<void> ExportPdf(const Document& doc, const PdfExportRequest& request, const ExportProgress& progress) {
  const int count = static_cast<int>(request.slides.size());
  for (int slide : request.slides)
    if (slide < 0 || slide >= doc.Header().SlideCount) return Failure(msg::NoMemory);
  if (count == 0) return Failure(msg::NoMemory);
  if (Result<void> path = CheckSystemPath(request.output, msg::SaveFailed); !path) return path;
  Result<std::unique_ptr<PdfWeld>> weld = PdfWeld::Open(request.helperFolder);
  if (!weld) return weld.error();
  // Named like every file this process owns there, so a crash leaves nothing
  // that the next clean-up misses.
  const QTemporaryDir scratch(request.workFolder + '/' + OwnWorkFilePrefix() + "pdf-XXXXXX");
  if (!scratch.isValid()) return Failure(msg::CopyFailed, "[File Create]\n");
  const int workers = std::min(ExportWorkers(request.workers), count);
  const WorkerDocuments documents(doc, workers);
  const auto job = [&](int worker, int k) {
    return WritePage(documents.For(worker), request.slides[k], request.zoom, PagePath(scratch, k));
  };
  if (Result<void> pages = RunSlideJobs(count, workers, job, progress); !pages) return pages;
  return Join(**weld, scratch, count, request);
}
