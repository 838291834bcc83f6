// The slide list's thumbnails of a 100-slide document (30 figures with text on
// every slide, a picture on every fifth): all of them at once, as after an
// open or an undo, on every core and on one; and the single update after an
// edit of the current slide.
#include <benchmark/benchmark.h>

#include <cstring>

#include "OffscreenBenchMain.h"
#include "base/Cp932.h"
#include "core/Document.h"
#include "editor/PageLayout.h"
#include "editor/ThumbnailCache.h"
#include "render/Thumbnail.h"
#include "tests/render/RenderFixtures.h"
#include "tests/support/ImageBytes.h"

namespace {

const std::uint16_t kKinds[] = {objkind::Polygon, objkind::RoundRect, objkind::Ellipse, objkind::Star};

Document& Presentation() {
  static Document doc = [] {
    Document d;
    renderfixtures::Reset(d, kMaxSlides);
    for (int k = 0; k < kMaxSlides; ++k) {
      for (int i = 0; i < 30; ++i) {
        ObjectRecord o = renderfixtures::Box(QRect(30 + (i % 6) * 165, 40 + (i / 6) * 130, 150, 110),
                                             0x204080 + 0x030507 * (i + k), 0x202020, k);
        o.ObjKind = kKinds[i % 4];
        o.Angle = (i % 3) * 0.3;
        o.Futosa = 2;
        o.FontSize = 14;
        std::strcpy(o.FontName, "Meiryo UI");
        StoreCp932(o.Text, sizeof o.Text, QString::fromUtf8("図形 %1-%2").arg(k + 1).arg(i));
        (void)d.AddObject(o);
      }
      if (k % 5 == 0) {
        ObjectRecord image = renderfixtures::Box(QRect(600, 400, 320, 240), -1, -1, k);
        image.ObjClass = objclass::Image;
        image.ObjKind = objkind::Image;
        image.Picture = d.Pictures().Add(
            Picture::Load(support::EncodeImage(support::PatternImage(320, 240, k + 1), "jpeg")));
        (void)d.AddObject(image);
      }
    }
    return d;
  }();
  return doc;
}

// The thumbnails of a list pane 100 pixels high.
const PageLayout& Layout() {
  static const PageLayout layout = ComputePageLayout(kMaxSlides, 1046, 718, QSize(1600, 100), 17);
  return layout;
}

void BM_AllThumbnails(benchmark::State& state) {
  const Document& doc = Presentation();
  const int workers = static_cast<int>(state.range(0));
  for (auto _ : state) {
    std::vector<QImage> images = RenderThumbnails(doc, QSize(Layout().tw, Layout().th), Layout().s, workers);
    benchmark::DoNotOptimize(images.data());
  }
}
// 0: one worker per core, as the list draws them.
BENCHMARK(BM_AllThumbnails)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_OneUpdateAfterAnEdit(benchmark::State& state) {
  Document& doc = Presentation();
  ThumbnailCache cache;
  const QSize size(Layout().tw, Layout().th);
  cache.Sync(doc, size, Layout().s);
  const int current[] = {50};
  const int object = 50 * 30 + 10;  // on slide 50
  for (auto _ : state) {
    doc.Object(object).refMen ^= 0x00FF00;
    const std::vector<int> drawn = cache.Sync(doc, size, Layout().s, current);
    if (drawn.size() != 1) state.SkipWithError("more than the current slide was drawn");
  }
}
BENCHMARK(BM_OneUpdateAfterAnEdit)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) { return RunOffscreenBenchmarks(argc, argv); }
