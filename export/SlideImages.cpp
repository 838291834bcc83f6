#include "export/SlideImages.h"

#include <QDir>
#include <QFileInfo>

#include "core/Document.h"
#include "export/SystemPath.h"
#include "render/SlideRenderer.h"

namespace {

Status CheckSlide(const Document& doc, int slide) {
  if (slide < 0 || slide >= doc.Header().SlideCount) return Failure{kMsgNoMemory, QString()};
  return std::nullopt;
}

}  // namespace

QString SlideImageName(int k, ImageFormat format) {
  return QString::asprintf("Slide%02d.", k + 1) + ImageFormatName(format);
}

Status ExportSlideImage(const Document& doc, int slide, float zoom, ImageFormat format,
                        const QString& path) {
  if (Status bad = CheckSystemPath(path, kMsgSaveFailed)) return bad;
  if (Status bad = CheckSlide(doc, slide)) return bad;
  return EncodeImageFile(RenderSlideImage(doc, slide, zoom), format, path);
}

Status ExportSlideImages(const Document& doc, const QString& folder, float zoom, ImageFormat format,
                         const ExportProgress& progress) {
  const int count = doc.Header().SlideCount;
  if (Status bad = CheckSystemPath(folder + '/' + SlideImageName(count - 1, format), kMsgSaveFailed))
    return bad;
  if (!QDir().mkpath(folder) || !QFileInfo(folder).isDir()) return Failure{kMsgFolderFailed, folder + '\n'};
  return RunSlideJobs(
      count,
      [&](int k) {
        return EncodeImageFile(RenderSlideImage(doc, k, zoom), format, folder + '/' + SlideImageName(k, format));
      },
      progress);
}
