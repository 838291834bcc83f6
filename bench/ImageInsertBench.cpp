// A 24-megapixel JPEG (6000 x 4000) dropped on the editing view of the real
// main window until the view has repainted, and the slide holding it drawn
// again at zoom 1 as the view, the show and exports draw it.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDropEvent>
#include <QFile>
#include <QMimeData>
#include <QTemporaryDir>
#include <QUrl>
#include <cstdint>

#include "OffscreenBenchMain.h"
#include "app/MainWindow.h"
#include "app/MiradoDoc.h"
#include "core/Document.h"
#include "editor/MiradoView.h"
#include "render/SlideRenderer.h"
#include "tests/support/ImageBytes.h"

namespace {

// Smooth colour with grain in every pixel, so the file holds as much detail
// as a photograph's and decoding costs what a photograph's does.
QImage PhotoLike(int w, int h) {
  QImage image(w, h, QImage::Format_RGB32);
  std::uint32_t seed = 12345;
  for (int y = 0; y < h; ++y) {
    QRgb* row = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < w; ++x) {
      seed = seed * 1664525u + 1013904223u;
      const int grain = int(seed >> 26);  // 0..63
      row[x] = qRgb((x / 24 + grain) & 255, (y / 16 + grain) & 255, ((x + y) / 40 + grain) & 255);
    }
  }
  return image;
}

const QString& BigJpeg() {
  static QTemporaryDir dir;
  static const QString path = [] {
    const QString p = dir.filePath("big.jpg");
    QFile f(p);
    f.open(QIODevice::WriteOnly);
    f.write(support::EncodeImage(PhotoLike(6000, 4000), "jpeg"));
    return p;
  }();
  return path;
}

// As a drag arrives: Qt hands a drop only to the widget that took the drag's entry.
void Drop(QWidget* viewport, const QString& path) {
  QMimeData mime;
  mime.setUrls({QUrl::fromLocalFile(path)});
  QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &mime, Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(viewport, &enter);
  QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &mime, Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(viewport, &drop);
}

struct Editor {
  Document doc;
  CMiradoDoc file{doc};
  MainWindow window{file};
  Editor() {
    window.show();
    QApplication::processEvents();
  }
  QWidget* Viewport() { return window.View()->viewport(); }
};

void BM_DropBigJpegUntilRedrawn(benchmark::State& state) {
  const QString path = BigJpeg();
  Editor editor;
  for (auto _ : state) {
    Drop(editor.Viewport(), path);
    editor.Viewport()->repaint();
    state.PauseTiming();
    if (editor.doc.ObjCount() != 1) {
      state.SkipWithError("the picture was not inserted");
      break;
    }
    editor.file.Edits().Apply(EditKind::NoSnapshot, [](Document& d) { d.RemoveObject(0); });
    QApplication::processEvents();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_DropBigJpegUntilRedrawn)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_RedrawSlideWithBigJpeg(benchmark::State& state) {
  Editor editor;
  Drop(editor.Viewport(), BigJpeg());
  if (editor.doc.ObjCount() != 1) {
    state.SkipWithError("the picture was not inserted");
    return;
  }
  const DocHeader& h = editor.doc.Header();
  QImage target(h.SlideW, h.SlideH, QImage::Format_RGB32);
  const RenderContext ctx = RenderContext::Outside(0, 1.0f);
  for (auto _ : state) {
    DrawSlideOnWhite(target, editor.doc, ctx);
    benchmark::DoNotOptimize(target.bits());
  }
}
BENCHMARK(BM_RedrawSlideWithBigJpeg)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) { return RunOffscreenBenchmarks(argc, argv); }
