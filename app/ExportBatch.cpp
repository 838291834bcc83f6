#include "app/ExportBatch.h"

#include <unistd.h>

#include <QCoreApplication>
#include <QDateTime>
#include <QFileInfo>

#include "app/CommandLine.h"
#include "base/MessageIds.h"
#include "base/MessageSink.h"
#include "core/Document.h"
#include "core/container/WorkFolder.h"
#include "export/PdfExport.h"
#include "export/ShowPackageExport.h"
#include "export/SlideImages.h"

namespace {

int Finish(const Result<void>& done) {
  if (done) return 0;
  ShowFailure(done.error());
  return 1;
}

int ExportImages(const Document& doc, const CommandLine& cl, std::FILE* err) {
  const std::optional<ImageFormat> format = ImageFormatFromName(cl.imageFormat);
  return Finish(ExportSlideImages(doc, cl.exportImagesDir, cl.zoom, format.value_or(ImageFormat::Jpeg),
                                  TerminalProgress(err, "Slide", doc.Header().SlideCount, 3)));
}

int ExportPdfFile(const Document& doc, const CommandLine& cl, std::FILE* err) {
  if (QFileInfo(cl.exportPdfPath).suffix().toUpper() != "PDF") {
    ShowMessage(msg::NeedPdfFile);
    return 1;
  }
  PdfExportRequest request;
  if (cl.slide > 0) {
    request.slides = {cl.slide - 1};
  } else {
    for (int k = 0; k < doc.Header().SlideCount; ++k) request.slides.push_back(k);
  }
  request.zoom = cl.zoom;
  request.output = cl.exportPdfPath;
  request.title = QFileInfo(cl.document).fileName();
  request.time = QDateTime::currentDateTime();
  request.helperFolder = QCoreApplication::applicationDirPath();
  const Result<QString> work = GetWorkFolder();
  if (!work) return Finish(work.error());
  request.workFolder = *work;
  return Finish(ExportPdf(doc, request, TerminalProgress(err, "Slide", static_cast<int>(request.slides.size()), 3)));
}

// The progress line counts slides; the package's last two steps are not slides.
int ExportPackage(const Document& doc, const CommandLine& cl, std::FILE* err) {
  const int slides = doc.Header().SlideCount;
  const ExportProgress line = TerminalProgress(err, "Slide", slides, 3);
  const ExportProgress progress = [line, slides](int done, int) { return done > slides || !line || line(done, slides); };
  const PackageRequest request{cl.packagePath, QCoreApplication::applicationDirPath() + '/' + kPlayerFileName};
  return Finish(ExportShowPackage(doc, request, progress));
}

}  // namespace

std::function<bool(int, int)> TerminalProgress(std::FILE* err, const char* unit, int steps, int quietSteps) {
  if (steps <= quietSteps || !isatty(fileno(err))) return {};
  return [err, unit](int done, int total) {
    std::fprintf(err, "\r%s %d of %d", unit, done, total);
    if (done == total) std::fputc('\n', err);
    std::fflush(err);
    return true;
  };
}

int RunExportBatch(const Document& doc, const CommandLine& cl, std::FILE* err) {
  const int slides = doc.Header().SlideCount;
  if (slides == 0) {
    std::fprintf(err, "the document has no slide to export\n");
    return 1;
  }
  if (cl.slide > slides) {
    std::fprintf(err, "slide %d does not exist: the document has %d\n", cl.slide, slides);
    return 1;
  }
  if (!cl.packagePath.isEmpty()) return ExportPackage(doc, cl, err);
  return cl.exportImagesDir.isEmpty() ? ExportPdfFile(doc, cl, err) : ExportImages(doc, cl, err);
}
