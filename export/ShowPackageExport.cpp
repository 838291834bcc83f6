#include "export/ShowPackageExport.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <algorithm>
#include <limits>
#include <vector>

#include "base/MessageIds.h"
#include "base/SaveFile.h"
#include "core/Document.h"
#include "core/Records.h"
#include "export/ImageEncoder.h"
#include "export/SystemPath.h"
#include "render/SlideRenderer.h"

namespace {

constexpr qint64 kCopyChunk = 1 << 16;

Failure WriteFailed(const QString& path) { return Failure(msg::SaveFailed, path + '\n'); }

// The player's bytes copied into `out`; its length, or the failure.
Result<std::uint32_t> CopyPlayer(const QString& playerPath, QSaveFile& out) {
  QFile player(playerPath);
  if (!player.open(QIODevice::ReadOnly)) return Failure(msg::OpenFailed, playerPath + '\n');
  qint64 total = 0;
  while (!player.atEnd()) {
    const QByteArray chunk = player.read(kCopyChunk);
    if (chunk.isEmpty()) return Failure(msg::OpenFailed, playerPath + '\n');
    if (out.write(chunk) != chunk.size()) return WriteFailed(out.fileName());
    total += chunk.size();
  }
  if (total > std::numeric_limits<std::uint32_t>::max()) return Failure(msg::NoMemory);
  return static_cast<std::uint32_t>(total);
}

bool WriteAll(QSaveFile& out, const QByteArray& bytes) { return out.write(bytes) == bytes.size(); }

// Read permission for a class of users brings execute permission with it.
QFileDevice::Permissions Executable(QFileDevice::Permissions p) {
  if (p & QFileDevice::ReadOwner) p |= QFileDevice::ExeOwner | QFileDevice::ExeUser;
  if (p & QFileDevice::ReadGroup) p |= QFileDevice::ExeGroup;
  if (p & QFileDevice::ReadOther) p |= QFileDevice::ExeOther;
  return p;
}

}  // namespace

PackageShow PackageShowOf(const DocHeader& header) {
  PackageShow show;
  show.slideCount = std::min<std::uint32_t>(header.SlideCount, kMaxSlides);
  show.menuMode = header.MenuMode;
  show.repeatOnce = header.RepeatOnce;
  show.noEnlarge = header.NoEnlarge != 0;
  show.autoSwitch = header.AutoSwitch != 0;
  show.endText = QByteArray(header.EndText, static_cast<qsizetype>(sizeof header.EndText));
  return show;
}

Result<void> ExportShowPackage(const Document& doc, const PackageRequest& request, const ExportProgress& progress) {
  if (Result<void> path = CheckSystemPath(request.output, msg::SaveFailed); !path) return path;
  const DocHeader& header = doc.Header();
  const PackageShow show = PackageShowOf(header);
  const int count = static_cast<int>(show.slideCount);
  const int steps = count + 2;
  QSaveFile out(request.output);
  if (!QFileInfo(request.playerPath).isFile())
    return Failure(msg::FileMissingBesideProgram, QString(kPlayerFileName) + '\n');
  if (!out.open(QIODevice::WriteOnly)) return Failure(msg::OpenFailed, request.output + '\n');
  const Result<std::uint32_t> playerLength = CopyPlayer(request.playerPath, out);
  if (!playerLength) return playerLength.error();
  if (!WriteAll(out, ShowDataHead(show))) return WriteFailed(request.output);

  // Slides are encoded in any order and written in slide order as they come
  // in, each freed once written.
  const int workers = std::min(ExportWorkers(request.workers), std::max(count, 1));
  const WorkerDocuments documents(doc, workers);
  std::vector<QByteArray> jpegs(static_cast<std::size_t>(count));
  const auto job = [&](int worker, int k) -> Result<void> {
    std::optional<QByteArray> jpeg =
        EncodeImage(RenderSlideImage(documents.For(worker), k, 1.0f), ImageFormat::Jpeg);
    if (!jpeg) return Failure(msg::NoMemory);
    jpegs[static_cast<std::size_t>(k)] = std::move(*jpeg);
    return {};
  };
  bool writeFailed = false;
  const auto write = [&](int done, int) {
    QByteArray& jpeg = jpegs[static_cast<std::size_t>(done - 1)];
    writeFailed = !WriteAll(out, SlideRecordHead(header.SwitchTime[done - 1], header.Transition[done - 1],
                                                 static_cast<std::uint32_t>(jpeg.size()))) ||
                  !WriteAll(out, jpeg);
    jpeg = QByteArray();
    return !writeFailed && (!progress || progress(done, steps));
  };
  if (Result<void> slides = RunSlideJobs(count, workers, job, write); !slides)
    return writeFailed ? WriteFailed(request.output) : slides;
  if (!WriteAll(out, PackageTrailer(*playerLength))) return WriteFailed(request.output);
  if (progress && !progress(count + 1, steps)) return Failure();
  if (!out.setPermissions(Executable(out.permissions())) || !CommitWhole(out)) return WriteFailed(request.output);
  if (progress) progress(steps, steps);
  return {};
}
