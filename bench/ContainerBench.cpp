// Saving and opening a full document (10,000 objects, 20 pictures) through
// the .tvl cabinet, next to the gcab tool packing the same data file.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QImageWriter>
#include <QProcess>
#include <QTemporaryDir>
#include <memory>

#include "FullDocument.h"
#include "app/MiradoDoc.h"
#include "core/DataFile.h"
#include "core/Document.h"

namespace {

struct Fixture {
  Fixture() {
    FillFullDocument(doc);
    path = dir.filePath("full.tvl");
    CMiradoDoc(doc).SaveDocument(path, nullptr);
    dataFile = dir.filePath("full.dat");
    WriteDataFile(doc, dataFile);
  }
  QTemporaryDir dir;
  Document doc;
  QString path, dataFile;
};

Fixture& Shared() {
  static Fixture f;
  return f;
}

void BM_SaveDocument(benchmark::State& state) {
  Fixture& f = Shared();
  CMiradoDoc file(f.doc);
  const QString target = f.dir.filePath("saved.tvl");
  for (auto _ : state) benchmark::DoNotOptimize(file.SaveDocument(target, nullptr));
  state.counters["bytes"] = QFile(target).size();
}
BENCHMARK(BM_SaveDocument)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_OpenDocument(benchmark::State& state) {
  Fixture& f = Shared();
  Document doc;
  CMiradoDoc file(doc);
  for (auto _ : state) benchmark::DoNotOptimize(file.OpenDocument(f.path, nullptr));
  state.counters["objects"] = doc.ObjCount();
}
BENCHMARK(BM_OpenDocument)->Unit(benchmark::kMillisecond)->UseRealTime();

// The gcab tool on the same data file, for comparison.
void BM_GcabCreate(benchmark::State& state) {
  Fixture& f = Shared();
  const QString cab = f.dir.filePath("gcab.cab");
  for (auto _ : state) {
    QFile::remove(cab);
    QProcess::execute("gcab", {"-c", "-z", "-n", cab, f.dataFile});
  }
  state.counters["bytes"] = QFile(cab).size();
}
BENCHMARK(BM_GcabCreate)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  return 0;
}
