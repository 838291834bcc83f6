// One drag step of the editing view on the sample's busiest slide in a
// 1920 x 1080 view: the full redraw a step would cost without the cached
// slide, a step that draws feedback over the cached slide, a live step that
// draws the turning objects over an image of the still ones, and a drag of
// 100 selected objects (its steps and its release).
#include <benchmark/benchmark.h>

#include <QMouseEvent>
#include <cmath>

#include "OffscreenBenchMain.h"
#include "app/SamplePresentation.h"
#include "core/Document.h"
#include "core/EditPath.h"
#include "editor/CommandRegistry.h"
#include "editor/MiradoView.h"
#include "geometry/ObjectFrame.h"
#include "geometry/Rotation.h"

namespace {

int BusiestSlide(const Document& doc) {
  int best = 0;
  for (int s = 1; s < doc.Header().SlideCount; ++s)
    if (doc.ObjectsOnSlide(s) > doc.ObjectsOnSlide(best)) best = s;
  return best;
}

// A view of 1920 x 1080 client pixels at the zoom that fits the slide.
struct Bench {
  // With at least `objects` objects on the slide.
  explicit Bench(int objects = 0) {
    BuildSamplePresentation(doc);
    const int slide = BusiestSlide(doc);
    doc.Header().CurSlide = static_cast<std::uint16_t>(slide);
    doc.Header().ConsoleAlways = 0;
    const int count = doc.ObjCount();
    for (int c = 1; doc.ObjectsOnSlide(slide) < objects; ++c)  // copies, a little apart
      for (int i = 0; i < count && doc.ObjectsOnSlide(slide) < objects; ++i)
        if (doc.Object(i).Slide == slide) {
          ObjectRecord o = doc.Object(i);
          for (int k = 0; k < o.PointNum; ++k) o.Points[k].x += c;
          (void)doc.AddObject(o);
        }
    view.resize(1920 + 2, 1080 + 2);
    view.show();
    view.ChangeZoom(1080.0f / doc.Header().SlideH);
    QCoreApplication::processEvents();
  }
  QWidget* Port() { return view.viewport(); }
  void Send(QEvent::Type type, QPoint p, Qt::MouseButtons buttons) {
    QMouseEvent e(type, QPointF(p), Port()->mapToGlobal(QPointF(p)),
                  type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, buttons, Qt::NoModifier);
    QCoreApplication::sendEvent(Port(), &e);
  }
  // Selects object `i` (and, with `all`, every object of the slide).
  QPoint Select(int i, bool all) {
    for (int k = 0; k < doc.ObjCount(); ++k)
      doc.View(k).Selected = all && doc.Object(k).Slide == doc.Header().CurSlide;
    view.SelectNewObject(i);
    return FrameOf(doc.Object(i), doc.Header().Zoom).handles[2];
  }
  int FirstOnSlide() const {
    for (int i = 0; i < doc.ObjCount(); ++i)
      if (doc.Object(i).Slide == doc.Header().CurSlide) return i;
    return 0;
  }

  Document doc;
  EditPath edits{doc};
  CommandRegistry commands;
  CMiradoView view{edits, commands};
};

void BM_FullRedraw(benchmark::State& state) {
  Bench b;
  QImage target(1920, 1080, QImage::Format_RGB32);
  for (auto _ : state) b.view.OnDraw(target);
  state.counters["objects"] = b.doc.ObjectsOnSlide(b.doc.Header().CurSlide);
}
BENCHMARK(BM_FullRedraw)->Unit(benchmark::kMillisecond);

// A resize drag: each step moves the pointer and repaints the view.
void BM_ResizeStep(benchmark::State& state) {
  Bench b;
  const QPoint handle = b.Select(b.FirstOnSlide(), false);
  b.Send(QEvent::MouseButtonPress, handle, Qt::LeftButton);
  b.Port()->repaint();
  int k = 0;
  for (auto _ : state) {
    b.Send(QEvent::MouseMove, handle + QPoint(k % 200, k % 150), Qt::LeftButton);
    b.Port()->repaint();
    ++k;
  }
  b.Send(QEvent::MouseButtonRelease, handle, Qt::NoButton);
}
BENCHMARK(BM_ResizeStep)->Unit(benchmark::kMillisecond);

// A design text turning its characters only: live, drawn over the rest of its
// slide kept as an image.
void BM_LiveTurnStep(benchmark::State& state) {
  Bench b;
  int text = -1;  // the busiest slide has none: the title's, on its own slide
  for (int i = 0; i < b.doc.ObjCount() && text < 0; ++i)
    if (b.doc.Object(i).ObjClass == objclass::DText) text = i;
  if (text < 0) {
    state.SkipWithError("no design text in the sample");
    return;
  }
  b.view.StepSlide(b.doc.Object(text).Slide - b.doc.Header().CurSlide);
  b.doc.Object(text).CharOnlyRotate = 1;
  b.doc.Object(text).RoundR = 60;
  b.Select(text, false);
  const ObjectRecord& r = b.doc.Object(text);
  const QPoint c = ToView(QPoint(r.CenterX, r.CenterY), b.doc.Header().Zoom);
  b.Send(QEvent::MouseButtonPress, c + QPoint(0, -60), Qt::LeftButton);
  b.Port()->repaint();
  int k = 0;
  for (auto _ : state) {
    const double a = 0.05 * (++k % 60);
    b.Send(QEvent::MouseMove, c + QPoint(int(60 * std::sin(a)), int(-60 * std::cos(a))), Qt::LeftButton);
    b.Port()->repaint();
  }
  b.Send(QEvent::MouseButtonRelease, c, Qt::NoButton);
}
BENCHMARK(BM_LiveTurnStep)->Unit(benchmark::kMillisecond);

// 100 selected objects: the drag's steps, and the whole drag with its release.
void BM_Move100Step(benchmark::State& state) {
  Bench b(100);
  const int first = b.FirstOnSlide();
  b.Select(first, true);
  const Bounds f = FrameOf(b.doc.Object(first), b.doc.Header().Zoom).bounds;
  const QPoint body((f.left + f.right) / 2 + 12, (f.top + f.bottom) / 2 + 12);
  b.Send(QEvent::MouseButtonPress, body, Qt::LeftButton);
  int k = 0;
  for (auto _ : state) {
    b.Send(QEvent::MouseMove, body + QPoint(k % 40, k % 30), Qt::LeftButton);
    b.Port()->repaint();
    ++k;
  }
  b.Send(QEvent::MouseButtonRelease, body, Qt::NoButton);
  state.counters["selected"] = b.doc.ObjectsOnSlide(b.doc.Header().CurSlide);
}
BENCHMARK(BM_Move100Step)->Unit(benchmark::kMillisecond);

void BM_Move100Release(benchmark::State& state) {
  Bench b(100);
  const int first = b.FirstOnSlide();
  b.Select(first, true);
  int k = 0;
  for (auto _ : state) {
    const Bounds f = FrameOf(b.doc.Object(first), b.doc.Header().Zoom).bounds;
    const QPoint body((f.left + f.right) / 2 + 12, (f.top + f.bottom) / 2 + 12);
    const QPoint to = body + QPoint(k % 2 ? -20 : 20, 0);
    b.Send(QEvent::MouseButtonPress, body, Qt::LeftButton);
    b.Send(QEvent::MouseMove, to, Qt::LeftButton);
    b.Send(QEvent::MouseButtonRelease, to, Qt::NoButton);
    b.Port()->repaint();
    ++k;
  }
}
BENCHMARK(BM_Move100Release)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) { return RunOffscreenBenchmarks(argc, argv); }
