// The raster layer's two heaviest calls on a slide: the colour-keyed copy of a figure's
// buffer (500 x 400) and a flood fill over a whole 1046 x 718 slide buffer.
#include <benchmark/benchmark.h>

#include <QImage>

#include "render/gdi/Blit.h"
#include "render/gdi/Dc.h"

namespace {

QImage Surface(int w, int h, COLORREF color) {
  QImage image(w, h, QImage::Format_RGB32);
  image.fill(gdi::ToQColor(color));
  return image;
}

// A figure buffer: key all round, an ellipse of colour inside.
QImage FigureBuffer() {
  QImage buffer = Surface(500, 400, gdi::kTransparentKey);
  gdi::Dc dc(buffer);
  dc.SelectPen(gdi::Pen(gdi::PenStyle::Solid, 3, 0x000000));
  dc.SelectBrush({0x3366CC});
  dc.Ellipse(10, 10, 490, 390);
  return buffer;
}

void TransparentBlt500x400(benchmark::State& state) {
  const QImage buffer = FigureBuffer();
  QImage slide = Surface(1046, 718, 0xFFFFFF);
  gdi::Dc dc(slide);
  for (auto _ : state) {
    gdi::TransparentBlt(dc, QRect(300, 150, 500, 400), buffer, buffer.rect(), gdi::kTransparentKey);
    benchmark::DoNotOptimize(slide.constBits());
  }
  state.SetItemsProcessed(state.iterations() * 500 * 400);
}
BENCHMARK(TransparentBlt500x400);

// Fills the white around a few outlined shapes, then turns it back, so that every
// iteration floods the same area.
void FloodFill1046x718(benchmark::State& state) {
  QImage slide = Surface(1046, 718, 0xFFFFFF);
  gdi::Dc dc(slide);
  dc.SelectPen(gdi::Pen(gdi::PenStyle::Solid, 2, 0x000000));
  dc.SelectBrush({0x000000, true});
  dc.Ellipse(100, 100, 400, 300);
  dc.Rectangle(500, 200, 900, 600);
  const QPoint star[] = {{200, 400}, {300, 700}, {50, 500}, {350, 500}, {100, 700}};
  dc.Polygon(star);
  COLORREF colours[] = {0xFFFFFF, 0x00FF00};
  int from = 0;
  for (auto _ : state) {
    dc.SelectBrush({colours[1 - from]});
    benchmark::DoNotOptimize(dc.ExtFloodFill(0, 0, colours[from], gdi::FloodType::Surface));
    from = 1 - from;
  }
  state.SetItemsProcessed(state.iterations() * 1046 * 718);
}
BENCHMARK(FloodFill1046x718);

}  // namespace

BENCHMARK_MAIN();
