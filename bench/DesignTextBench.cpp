// Drawing one design text of 50 characters with a gradient, an outline and a
// shadow at zoom 1: with the editing view's kept glyph fonts, and with a font
// opened for the one drawing as shows and exports do. Beside it, the sample
// presentation's title slide, which holds such a text.
#include <benchmark/benchmark.h>

#include <cstring>

#include "OffscreenBenchMain.h"
#include "app/SamplePresentation.h"
#include "base/Cp932.h"
#include "core/Document.h"
#include "render/DesignText.h"
#include "render/DesignTextFit.h"
#include "render/SlideRenderer.h"
#include "render/gdi/Dc.h"
#include "render/glyph/GlyphCache.h"

namespace {

Document& TextSlide(bool kanji) {
  static Document docs[2];
  static bool made[2] = {};
  Document& doc = docs[kanji];
  if (made[kanji]) return doc;
  made[kanji] = true;
  doc.NewDocument(NewDocumentSettings{});
  doc.Header().SlideW = 1046;
  doc.Header().SlideH = 718;
  ObjectRecord r{};
  r.ObjClass = objclass::DText;
  r.ObjKind = objkind::DText;
  // 50 bytes: 50 one-byte characters, or 25 two-byte ones.
  const QString text = kanji ? QString::fromUtf8("文字の形を塗り線を引き影を付けて描くデザイン文字の試験")
                             : QString("Design text: fifty characters drawn as glyphs!!!!!");
  StoreCp932(r.Text, sizeof r.Text, text);
  std::strcpy(r.FontName, "IPAPGothic");
  r.FontSize = 48;
  r.FontBold = 1;
  r.CenterX = 523;
  r.CenterY = 359;
  r.TextRotate = 1;
  r.refMen = 0x2080F0;
  r.refLine = 0x402000;
  r.Futosa = 2;
  r.GradePattern = 13;
  for (int c = 0; c < 17; ++c) r.refGrade[c] = 0x0A1020 * (c + 1);
  r.KageX = r.KageY = 5;
  r.refKage = 0x909090;
  GlyphCache glyphs;
  FitDesignText(r, QSize(1046, 718), glyphs, 96);  // as the text editor leaves it
  doc.AddObject(r);
  return doc;
}

void BM_DesignText(benchmark::State& state, bool kanji, bool keptFonts) {
  Document& doc = TextSlide(kanji);
  QImage target(1046, 718, QImage::Format_RGB32);
  target.fill(Qt::white);
  gdi::Dc dc(target);
  GlyphCache glyphs;
  RenderContext ctx = RenderContext::Outside(0, 1.0f);
  if (keptFonts) ctx.glyphs = &glyphs;
  DrawDesignText(dc, doc, ctx, 0);  // fonts and glyphs warm, as after the first paint
  for (auto _ : state) benchmark::DoNotOptimize(DrawDesignText(dc, doc, ctx, 0));
  state.counters["chars"] = static_cast<double>(SplitCp932(DesignTextBytes(doc.Object(0))).size());
  state.counters["pt"] = doc.Object(0).FontSize;
}
BENCHMARK_CAPTURE(BM_DesignText, latin50_kept_fonts, false, true)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_DesignText, latin50_font_per_draw, false, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_DesignText, kanji25_kept_fonts, true, true)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_DesignText, kanji25_font_per_draw, true, false)->Unit(benchmark::kMillisecond);

void BM_SampleTitleSlide(benchmark::State& state) {
  static Document doc;
  static const bool built = (BuildSamplePresentation(doc), true);
  (void)built;
  RenderSlideImage(doc, 0, 1.0f);
  for (auto _ : state) benchmark::DoNotOptimize(RenderSlideImage(doc, 0, 1.0f));
}
BENCHMARK(BM_SampleTitleSlide)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) { return RunOffscreenBenchmarks(argc, argv); }
