// One undo snapshot and one undo step on the sample presentation and on the
// largest document, beside writing and reading the same bytes with plain
// file I/O: the snapshot writes the document once, a step writes the present
// state and reads the snapshot back.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QBuffer>
#include <QFile>
#include <QTemporaryDir>

#include "FullDocument.h"
#include "app/SamplePresentation.h"
#include "core/DataFile.h"
#include "core/EditPath.h"
#include "editor/CommandRegistry.h"
#include "editor/UndoRedo.h"

namespace {

// Argument 0: the sample presentation; 1: the largest document.
Document& Documents(int which) {
  static Document sample = [] {
    Document d;
    BuildSamplePresentation(d);
    return d;
  }();
  static Document full = [] {
    Document d;
    FillFullDocument(d);
    return d;
  }();
  return which == 0 ? sample : full;
}

QByteArray BodyBytes(const Document& doc) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  WriteDataBody(doc, buffer);
  return bytes;
}

void Label(benchmark::State& state, const Document& doc) {
  state.SetLabel(state.range(0) == 0 ? "sample" : "10,000 objects");
  state.counters["MB"] = BodyBytes(doc).size() / 1e6;
}

void BM_TakeSnapshot(benchmark::State& state) {
  const Document& doc = Documents(static_cast<int>(state.range(0)));
  UndoHistory history;
  for (auto _ : state) {
    history.Take(doc);
    history.Settle(true);
  }
  Label(state, doc);
}
BENCHMARK(BM_TakeSnapshot)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();

// Undo and redo in turn, each one step through the edit path.
void BM_UndoStep(benchmark::State& state) {
  Document doc = Documents(static_cast<int>(state.range(0)));
  EditPath edits(doc);
  CommandRegistry commands;
  UndoRedo undo(edits, commands, {});
  edits.Apply(EditKind::Undoable, [](Document& d) { d.Header().CurSlide = d.Header().SlideCount - 1; });
  for (auto _ : state) {
    const Result<void> done = undo.CanUndo() ? undo.Undo() : undo.Redo();
    if (!done) state.SkipWithError("step failed");
  }
  Label(state, doc);
}
BENCHMARK(BM_UndoStep)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();

// The same bytes written to a new file, closed and removed.
void BM_PlainWrite(benchmark::State& state) {
  const QByteArray bytes = BodyBytes(Documents(static_cast<int>(state.range(0))));
  QTemporaryDir dir;
  const QString path = dir.filePath("plain");
  for (auto _ : state) {
    QFile out(path);
    out.open(QIODevice::WriteOnly);
    benchmark::DoNotOptimize(out.write(bytes));
    out.close();
    QFile::remove(path);
  }
  Label(state, Documents(static_cast<int>(state.range(0))));
}
BENCHMARK(BM_PlainWrite)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();

// What a step does with plain I/O: one file written, another read whole.
void BM_PlainWriteAndRead(benchmark::State& state) {
  const QByteArray bytes = BodyBytes(Documents(static_cast<int>(state.range(0))));
  QTemporaryDir dir;
  const QString written = dir.filePath("written");
  const QString kept = dir.filePath("kept");
  {
    QFile f(kept);
    f.open(QIODevice::WriteOnly);
    f.write(bytes);
  }
  for (auto _ : state) {
    QFile out(written);
    out.open(QIODevice::WriteOnly);
    benchmark::DoNotOptimize(out.write(bytes));
    out.close();
    QFile in(kept);
    in.open(QIODevice::ReadOnly);
    QByteArray back(bytes.size(), Qt::Uninitialized);
    benchmark::DoNotOptimize(in.read(back.data(), back.size()));
    QFile::remove(written);
  }
  Label(state, Documents(static_cast<int>(state.range(0))));
}
BENCHMARK(BM_PlainWriteAndRead)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  return 0;
}
