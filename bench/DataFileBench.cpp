// Writing and reading a full document (10,000 objects, 20 pictures, about
// 32 MB) from memory, next to a plain memcpy of the same number of bytes.
#include <benchmark/benchmark.h>

#include <QBuffer>
#include <QCoreApplication>
#include <QImage>
#include <QImageWriter>
#include <cstdio>
#include <cstring>
#include <memory>
#include <vector>

#include "core/DataFile.h"
#include "core/Document.h"
#include "tests/support/ImageBytes.h"

namespace {

constexpr int kPictures = 20;

// The image records are spread through the table; all others are polygons.
std::unique_ptr<Document> FullDocument() {
  auto doc = std::make_unique<Document>();
  doc->NewDocument(NewDocumentSettings{});
  doc->Header().SlideCount = kMaxSlides;
  for (int i = 0; i < kMaxObjects; ++i) {
    ObjectRecord r{};
    r.ObjClass = objclass::Figure;
    r.ObjKind = objkind::Polygon;
    r.Slide = static_cast<std::uint16_t>(i % kMaxSlides);
    r.PointNum = kMaxPoints;
    for (int p = 0; p < kMaxPoints; ++p) r.Points[p] = {i + p, i - p};
    if (i % (kMaxObjects / kPictures) == 0) {
      r.ObjClass = objclass::Image;
      r.ObjKind = objkind::Image;
      r.PointNum = 4;
      r.Picture = doc->Pictures().Add(Picture::Load(support::EncodeImage(support::PatternImage(96, 96, i / 500 + 1), "bmp")));
    }
    doc->AddObject(r);
  }
  return doc;
}

struct Fixture {
  Fixture() : doc(FullDocument()), reader(std::make_unique<Document>()) {
    QBuffer out(&file);
    out.open(QIODevice::WriteOnly);
    WriteDataFile(*doc, out);
  }
  std::unique_ptr<Document> doc;
  std::unique_ptr<Document> reader;
  QByteArray file;
};

Fixture& Get() {
  static Fixture fixture;
  return fixture;
}

void BM_WriteDataFile(benchmark::State& state) {
  Fixture& f = Get();
  QByteArray target;
  target.reserve(f.file.size());
  QBuffer out(&target);
  out.open(QIODevice::WriteOnly);
  for (auto _ : state) {
    out.seek(0);
    if (!WriteDataFile(*f.doc, out)) state.SkipWithError("write failed");
    benchmark::DoNotOptimize(target.data());
  }
  state.SetBytesProcessed(state.iterations() * f.file.size());
}

void BM_ReadDataFile(benchmark::State& state) {
  Fixture& f = Get();
  for (auto _ : state) {
    QBuffer in(&f.file);
    in.open(QIODevice::ReadOnly);
    if (!ReadDataFile(*f.reader, in)) state.SkipWithError("read failed");
  }
  state.SetBytesProcessed(state.iterations() * f.file.size());
}

void BM_Memcpy(benchmark::State& state) {
  Fixture& f = Get();
  std::vector<char> target(f.file.size());
  for (auto _ : state) {
    std::memcpy(target.data(), f.file.constData(), f.file.size());
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(state.iterations() * f.file.size());
}

BENCHMARK(BM_WriteDataFile)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ReadDataFile)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_Memcpy)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  std::printf("document: %d objects, %d pictures\n", kMaxObjects, kPictures);
  benchmark::RunSpecifiedBenchmarks();
  return 0;
}
