#include "export/SlideImages.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>

#include "base/MessageIds.h"
#include "core/Document.h"
#include "export/SystemPath.h"
#include "render/SlideRenderer.h"

namespace {

Result<void> CheckSlide(const Document& doc, int slide) {
  if (slide < 0 || slide >= doc.Header().SlideCount) return Failure(msg::NoMemory);
  return {};
}

}  // namespace

QString SlideImageName(int k, ImageFormat format) {
  return QString::asprintf("Slide%02d.", k + 1) + ImageFormatName(format);
}

Result<void> ExportSlideImage(const Document& doc, int slide, float zoom, ImageFormat format,
                              const QString& path) {
  if (Result<void> checked = CheckSystemPath(path, msg::SaveFailed); !checked) return checked;
  if (Result<void> checked = CheckSlide(doc, slide); !checked) return checked;
  return EncodeImageFile(RenderSlideImage(doc, slide, zoom), format, path);
}

Result<void> ExportSlideImages(const Document& doc, const QString& folder, float zoom, ImageFormat format,
                               const ExportProgress& progress, int workers) {
  const int count = doc.Header().SlideCount;
  const QString lastFile = folder + '/' + SlideImageName(count - 1, format);
  if (Result<void> checked = CheckSystemPath(lastFile, msg::SaveFailed); !checked) return checked;
  if (!QDir().mkpath(folder) || !QFileInfo(folder).isDir()) return Failure(msg::FolderFailed, folder + '\n');
  workers = std::min(ExportWorkers(workers), std::max(count, 1));
  const WorkerDocuments documents(doc, workers);
  const auto job = [&](int worker, int k) {
    return EncodeImageFile(RenderSlideImage(documents.For(worker), k, zoom), format,
                           folder + '/' + SlideImageName(k, format));
  };
  return RunSlideJobs(count, workers, job, progress);
}
