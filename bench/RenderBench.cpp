// Rendering a full slide (1046 x 718, 30 figures, 2 pictures) as a show or
// an export does, at zoom 1 and at the fit scale of a 1920 x 1080 screen: plain
// figures, and figures of every kind with gradients, second colours, shadows and
// line ends.
#include <benchmark/benchmark.h>

#include <QBuffer>
#include <QImageWriter>

#include "OffscreenBenchMain.h"
#include "base/Cp932.h"
#include "core/Document.h"
#include "geometry/DefaultOutline.h"
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

// Every kind in its factory shape, half of them with a turning gradient, all with
// a shadow; Lines with an arrow and a circle end.
ObjectRecord StyledFigure(int i, QRect r) {
  static const std::uint16_t kinds[] = {objkind::Polygon, objkind::Line,     objkind::RoundRect,
                                        objkind::Ellipse, objkind::Star,     objkind::Arrow,
                                        objkind::Cube,    objkind::Cylinder, objkind::Button,
                                        objkind::Pyramid, objkind::SlipRound, objkind::SlipCloud};
  ObjectRecord o = Figure(kinds[i % std::size(kinds)], r, 0x40A0F0, i);
  DefaultOutline(o, 0, 6);
  for (int k = 0; k < o.PointNum; ++k) {  // the factory size shrunk into the grid cell
    o.Points[k].x = o.CenterX + (o.Points[k].x - o.CenterX) / 2;
    o.Points[k].y = o.CenterY + (o.Points[k].y - o.CenterY) / 2;
  }
  o.refSecondMen = 0x2060A0;
  o.LineStyle = static_cast<std::uint16_t>(i % 6);
  if (i % 2) {
    o.GradePattern = 10 + i % 7;
    o.GradeRound = 1;
    for (int c = 0; c < 17; ++c) o.refGrade[c] = 0x102030 * c;
  }
  o.KageX = o.KageY = 6;
  o.refKage = 0x909090;
  o.LightDir = static_cast<std::uint16_t>(i % 9);
  o.Ends[0] = LineEnd{2, 4, 4, {}, 0x0000C0, 0x000000, 1, 0};
  o.Ends[1] = LineEnd{1, 3, 3, {}, 0x00C000, kNoColor, 1, 0};
  return o;
}

Document& Slide(bool styled) {
  static Document docs[2];
  static bool made[2] = {};
  Document& doc = docs[styled];
  if (made[styled]) return doc;
  made[styled] = true;
  doc.NewDocument(NewDocumentSettings{});
  doc.Header().SlideW = 1046;
  doc.Header().SlideH = 718;
  for (int i = 0; i < 30; ++i) {
    const QRect r(30 + (i % 6) * 165, 30 + (i / 6) * 130, 140, 110);
    const std::uint16_t kinds[] = {objkind::Polygon, objkind::Line, objkind::Polygon};
    doc.AddObject(styled ? StyledFigure(i, r) : Figure(kinds[i % 3], r, 0x00FFEFEC + i * 37, i));
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

void BM_RenderSlide(benchmark::State& state, float zoom, bool styled) {
  Document& doc = Slide(styled);
  for (auto _ : state) benchmark::DoNotOptimize(RenderSlideImage(doc, 0, zoom));
}
BENCHMARK_CAPTURE(BM_RenderSlide, zoom_1, 1.0f, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_RenderSlide, fit_1920x1080, 1080.0f / 718.0f, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_RenderSlide, styled_zoom_1, 1.0f, true)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_RenderSlide, styled_fit_1920x1080, 1080.0f / 718.0f, true)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) { return RunOffscreenBenchmarks(argc, argv); }
