// Rendering a full slide (1046 x 718, 30 figures, 2 pictures) as a show or
// an export does, at zoom 1 and at the fit scale of a 1920 x 1080 screen.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QBuffer>
#include <QImageWriter>

#include "core/Document.h"
#include "core/base/Allocator.h"
#include "core/text/Cp932.h"
#include "render/SlideRenderer.h"
#include "tests/render/RenderFixtures.h"
#include "tests/support/ImageBytes.h"

namespace {

ObjectRecord Figure(std::uint16_t kind, QRect r, COLORREF fill, int i) {
  ObjectRecord o = renderfixtures::Box(r, fill, 0x202020);
  o.ObjKind = kind;
  o.Angle = (i % 3) * 0.3;
  o.Futosa = 2;
  o.FontSize = 14;
  StoreCp932(o.Text, sizeof o.Text, QString::fromUtf8("図形 %1").arg(i));
  return o;
}

Document& Slide() {
  static Document doc;
  static bool made = false;
  if (made) return doc;
  made = true;
  doc.NewDocument(NewDocumentSettings{});
  doc.Header().SlideW = 1046;
  doc.Header().SlideH = 718;
  for (int i = 0; i < 30; ++i) {
    const QRect r(30 + (i % 6) * 165, 30 + (i / 6) * 130, 140, 110);
    const std::uint16_t kinds[] = {objkind::Polygon, objkind::Line, objkind::Polygon};
    doc.AddObject(Figure(kinds[i % 3], r, 0x00FFEFEC + i * 37, i));
  }
  for (int i = 0; i < 2; ++i) {
    ObjectRecord pic = Figure(objkind::Image, QRect(100 + i * 450, 200, 400, 300), kNoColor, i);
    pic.ObjClass = objclass::Image;
    pic.Text[0] = '\0';
    pic.Picture = doc.Pictures().Add(Picture::Load(support::EncodeImage(support::PatternImage(800, 600), "jpeg")));
    doc.AddObject(pic);
  }
  RenderSlideImage(doc, 0, 1.0f);  // font database and glyph caches warm, as in a running program
  return doc;
}

void BM_RenderSlide(benchmark::State& state, float zoom) {
  Document& doc = Slide();
  for (auto _ : state) benchmark::DoNotOptimize(RenderSlideImage(doc, 0, zoom));
}
BENCHMARK_CAPTURE(BM_RenderSlide, zoom_1, 1.0f)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_RenderSlide, fit_1920x1080, 1080.0f / 718.0f)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  TuneAllocatorForDrawing();  // as the programs do at start-up
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  return 0;
}
