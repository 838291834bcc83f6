// Exporting a 100-slide document (20 figures with text and one JPEG picture
// per slide) as a PDF: the whole `Tessaly --export-pdf` process; in this
// process the export on one thread and on every core; and its three parts on
// one thread: drawing the slides, encoding them (JPEG and the one-page PDF),
// and joining the pages with the information. Printing the same document six
// slides to a sheet into a PDF file: the whole `Tessaly --print-to` process,
// and in this process on one thread and on every core. The same document as a
// self-running show: the whole `Tessaly --package` process, the package
// written in this process on one thread and on every core, and the package
// run as a program from its start until its first slide is on the screen.
#include <benchmark/benchmark.h>

#include <QDateTime>
#include <QFile>
#include <QPdfWriter>
#include <QProcess>
#include <QTemporaryDir>
#include <memory>
#include <vector>

#include "OffscreenBenchMain.h"
#include "app/JapaneseUi.h"
#include "app/MiradoDoc.h"
#include "app/SamplePictures.h"
#include "base/Cp932.h"
#include "core/Document.h"
#include "core/EditPath.h"
#include "editor/factory/MakeObj.h"
#include "editor/factory/Requests.h"
#include "export/CJpg2Pdf.h"
#include "export/ImageEncoder.h"
#include "export/PdfExport.h"
#include "export/PdfInfo.h"
#include "export/PdfWeld.h"
#include "export/SheetPrinter.h"
#include "export/ShowPackageExport.h"
#include "render/SlideRenderer.h"

namespace {

constexpr int kSlides = 100;
constexpr int kFiguresPerSlide = 20;

// The figure requests that need no question.
std::vector<int> FigureRequests() {
  std::vector<int> requests;
  for (int r = 0; r < request::TextBox; ++r)
    if (FindRequest(r)->ask == AskCount::No) requests.push_back(r);
  return requests;
}

void BuildDeck(Document& doc) {
  doc.NewDocument(NewDocumentSettings{});
  EditPath edits(doc);
  CMakeObj factory(edits, {}, [] { return ObjDefaults{}; });
  const std::vector<int> requests = FigureRequests();
  const QSize photo(360, 240);
  const QByteArray jpeg = EncodeJpeg(DrawLandscape(photo));
  for (int s = 0; s < kSlides; ++s) {
    doc.Header().SlideCount = static_cast<std::uint16_t>(s + 1);
    doc.Header().CurSlide = static_cast<std::uint16_t>(s);
    for (int i = 0; i < kFiguresPerSlide; ++i) {
      const QPoint at(90 + (i % 5) * 150, 80 + (i / 5) * 150);
      const int index = *factory.CreateObject(requests[(s + i) % requests.size()], {}, at, ViewArea{});
      ObjectRecord& r = doc.Object(index);
      StoreCp932(r.Text, sizeof r.Text, QString::fromUtf8("図形 %1-%2").arg(s + 1).arg(i + 1));
      r.FontSize = 12;
    }
    factory.CreateObject(request::Picture, {QString(), Picture::Load(jpeg), kNoColor, photo}, {860, 520}, ViewArea{});
  }
  doc.Header().CurSlide = 0;
}

struct Deck {
  QTemporaryDir dir;
  Document doc;
  QString path;
};

Deck& TheDeck() {
  static Deck* deck = [] {
    auto* d = new Deck;
    BuildDeck(d->doc);
    d->path = d->dir.filePath("deck.tvl");
    CMiradoDoc file(d->doc);
    if (!file.SaveDocument(d->path, nullptr)) std::abort();
    return d;
  }();
  return *deck;
}

void BM_ExportPdfProcess(benchmark::State& state) {
  Deck& deck = TheDeck();
  for (auto _ : state) {
    QProcess p;
    p.start(TESSALY_EXE, {"--export-pdf", deck.dir.filePath("out.pdf"), deck.path});
    if (!p.waitForFinished(120000) || p.exitCode() != 0) state.SkipWithError("the export failed");
  }
}
BENCHMARK(BM_ExportPdfProcess)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);

void BM_ExportPdfInProcess(benchmark::State& state) {
  Deck& deck = TheDeck();
  PdfExportRequest request;
  for (int s = 0; s < kSlides; ++s) request.slides.push_back(s);
  request.output = deck.dir.filePath("in-process.pdf");
  request.title = "deck.tvl";
  request.time = QDateTime::currentDateTime();
  request.helperFolder = PDFWELD_DIR;
  request.workFolder = deck.dir.path();
  request.workers = static_cast<int>(state.range(0));
  for (auto _ : state)
    if (!ExportPdf(deck.doc, request)) state.SkipWithError("the export failed");
}
BENCHMARK(BM_ExportPdfInProcess)->ArgName("workers")->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)
    ->UseRealTime()->Iterations(3);

void BM_DrawSlides(benchmark::State& state) {
  const Document& doc = TheDeck().doc;
  for (auto _ : state)
    for (int s = 0; s < kSlides; ++s) benchmark::DoNotOptimize(RenderSlideImage(doc, s, 1.0f));
}
BENCHMARK(BM_DrawSlides)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

std::vector<QImage>& Drawn() {
  static std::vector<QImage> images = [] {
    std::vector<QImage> all;
    for (int s = 0; s < kSlides; ++s) all.push_back(RenderSlideImage(TheDeck().doc, s, 1.0f));
    return all;
  }();
  return images;
}

void BM_EncodePages(benchmark::State& state) {
  const std::vector<QImage>& images = Drawn();
  for (auto _ : state)
    for (const QImage& image : images)
      benchmark::DoNotOptimize(CJpg2Pdf::Make(*EncodeImage(image, ImageFormat::Jpeg)));
}
BENCHMARK(BM_EncodePages)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

void BM_WriteAndJoinPages(benchmark::State& state) {
  const std::vector<QImage>& images = Drawn();
  QTemporaryDir pages;
  std::vector<QByteArray> pdfs;
  for (const QImage& image : images) pdfs.push_back(*CJpg2Pdf::Make(*EncodeImage(image, ImageFormat::Jpeg)));
  for (auto _ : state) {
    Result<std::unique_ptr<PdfWeld>> weld = PdfWeld::Open(PDFWELD_DIR);
    if (!weld) return state.SkipWithError("pdfweld is missing");
    std::optional<PdfWeld::Pdf> joined;
    for (int k = 0; k < kSlides; ++k) {
      const QString path = pages.filePath(QString::number(k) + ".pdf");
      QFile file(path);
      file.open(QIODevice::WriteOnly);
      file.write(pdfs[k]);
      file.close();
      std::optional<PdfWeld::Pdf> page = (*weld)->LoadPdf(path);
      if (!joined) joined.emplace(std::move(*page));
      else (*weld)->Append(*joined, *page);
    }
    (*weld)->WriteInfo(*joined, MakePdfInfo("deck.tvl", QDateTime::currentDateTime()), pages.filePath("out.pdf"));
  }
}
BENCHMARK(BM_WriteAndJoinPages)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

void BM_PrintToProcess(benchmark::State& state) {
  Deck& deck = TheDeck();
  for (auto _ : state) {
    QProcess p;
    p.start(TESSALY_EXE, {"--print-to", deck.dir.filePath("sheets.pdf"), "--per-sheet", "6", deck.path});
    if (!p.waitForFinished(120000) || p.exitCode() != 0) state.SkipWithError("printing failed");
  }
}
BENCHMARK(BM_PrintToProcess)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);

// As --print-to prints: A4 at 300 dots per inch, the paper's edge included.
void BM_PrintSheetsInProcess(benchmark::State& state) {
  Deck& deck = TheDeck();
  PrintJob job;
  job.options.perSheet = 6;
  job.sheets = {1, SheetCount(kSlides, 6)};
  job.workers = static_cast<int>(state.range(0));
  for (auto _ : state) {
    QPdfWriter writer(deck.dir.filePath("in-process-sheets.pdf"));
    writer.setResolution(300);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageMargins({});
    if (!PrintSheets(deck.doc, writer, job)) state.SkipWithError("printing failed");
  }
}
BENCHMARK(BM_PrintSheetsInProcess)->ArgName("workers")->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)
    ->UseRealTime()->Iterations(3);

void BM_PackageProcess(benchmark::State& state) {
  Deck& deck = TheDeck();
  for (auto _ : state) {
    QProcess p;
    p.start(TESSALY_EXE, {"--package", deck.dir.filePath("out.run"), deck.path});
    if (!p.waitForFinished(120000) || p.exitCode() != 0) state.SkipWithError("the package was not written");
  }
}
BENCHMARK(BM_PackageProcess)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);

void BM_PackageInProcess(benchmark::State& state) {
  Deck& deck = TheDeck();
  const PackageRequest request{deck.dir.filePath("in-process.run"), TAVORUN_DLL, static_cast<int>(state.range(0))};
  for (auto _ : state)
    if (!ExportShowPackage(deck.doc, request)) state.SkipWithError("the package was not written");
}
BENCHMARK(BM_PackageInProcess)->ArgName("workers")->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)
    ->UseRealTime()->Iterations(3);

// From the start of the package's process until its first slide has been
// painted (the player ends there), under the offscreen platform.
void BM_PlayerFirstSlide(benchmark::State& state) {
  Deck& deck = TheDeck();
  const QString package = deck.dir.filePath("player.run");
  if (!ExportShowPackage(deck.doc, {package, TAVORUN_DLL})) return state.SkipWithError("no package");
  for (auto _ : state) {
    QProcess p;
    p.start(package, {"--quit-after-paint"});
    if (!p.waitForFinished(60000) || p.exitCode() != 0) state.SkipWithError("the player did not show its slide");
  }
}
BENCHMARK(BM_PlayerFirstSlide)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(10);

}  // namespace

int main(int argc, char** argv) {
  return RunOffscreenBenchmarks(argc, argv, [](QApplication& app) { InstallJapaneseUi(app); });
}
