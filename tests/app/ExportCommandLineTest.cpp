// The export options of the real program, run as a user runs them.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QProcess>
#include <QTemporaryDir>

#include "app/SamplePresentation.h"
#include "core/Document.h"

namespace {

struct Outcome {
  int code;
  QString err;
};

class ExportCommandLineTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    sampleDir = new QTemporaryDir;
    ASSERT_TRUE(SaveSamplePresentation(Sample()));
    Document doc;
    BuildSamplePresentation(doc);
    slides = doc.Header().SlideCount;
    slideSize = QSize(doc.Header().SlideW, doc.Header().SlideH);
  }
  static void TearDownTestSuite() { delete sampleDir; }
  static QString Sample() { return sampleDir->filePath("Sample.tvl"); }

  static Outcome Tessaly(const QStringList& args, const QString& program = TESSALY_EXE) {
    QProcess p;
    p.start(program, args);
    p.waitForFinished(120000);
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, QString::fromUtf8(p.readAllStandardError())};
  }

  static QString Tool(const QStringList& args) {
    QProcess p;
    p.start(QPDF_TOOL, args);
    p.waitForFinished();
    return QString::fromUtf8(p.readAllStandardOutput()).trimmed();
  }

  static inline QTemporaryDir* sampleDir = nullptr;
  static inline int slides = 0;
  static inline QSize slideSize;
  QTemporaryDir out;
};

TEST_F(ExportCommandLineTest, WritesOneImagePerSlideInEachFormat) {
  ASSERT_GT(slides, 3);
  const struct {
    const char* format;
    float zoom;
  } cases[] = {{"jpeg", 1.0f}, {"gif", 0.5f}, {"bmp", 1.0f}, {"png", 2.0f}, {"tiff", 0.75f}};
  for (const auto& c : cases) {
    const QString folder = out.filePath(c.format);
    const Outcome run = Tessaly({"--export-images", folder, "--format", c.format, "--zoom", QString::number(c.zoom), Sample()});
    ASSERT_EQ(run.code, 0) << c.format << ": " << run.err.toStdString();
    EXPECT_TRUE(run.err.isEmpty()) << run.err.toStdString();  // no progress line without a terminal
    const QStringList files = QDir(folder).entryList(QDir::Files, QDir::Name);
    ASSERT_EQ(files.size(), slides) << c.format;
    EXPECT_EQ(files.first(), QString("Slide01.") + c.format);
    EXPECT_EQ(files.last(), QString::asprintf("Slide%02d.", slides) + c.format);
    for (const QString& name : files) {
      QImageReader reader(folder + '/' + name);
      EXPECT_EQ(reader.format(), c.format) << name.toStdString();
      EXPECT_EQ(reader.size(), QSize(static_cast<int>(slideSize.width() * c.zoom),
                                     static_cast<int>(slideSize.height() * c.zoom)))
          << name.toStdString();
    }
  }
}

TEST_F(ExportCommandLineTest, WritesEveryPageOrOneSlideAsPdf) {
  const QString all = out.filePath("all.pdf");
  const Outcome whole = Tessaly({"--export-pdf", all, Sample()});
  ASSERT_EQ(whole.code, 0) << whole.err.toStdString();
  EXPECT_EQ(Tool({"--show-npages", all}), QString::number(slides));
  EXPECT_TRUE(Tool({"--check", all}).contains("No syntax or stream encoding errors"));

  const QString one = out.filePath("one.PDF");
  ASSERT_EQ(Tessaly({"--export-pdf", one, "--slide", "2", "--zoom", "2", Sample()}).code, 0);
  EXPECT_EQ(Tool({"--show-npages", one}), "1");
}

TEST_F(ExportCommandLineTest, FailuresExitNonZeroWithTheMessage) {
  const struct {
    QStringList args;
    const char* message;
  } cases[] = {
      {{"--export-pdf", out.filePath("a.txt"), Sample()}, "PDFファイルを指定してください"},
      {{"--export-pdf", out.filePath("a.pdf"), "--slide", "99", Sample()}, "slide 99 does not exist"},
      {{"--export-pdf", out.filePath("no/such/a.pdf"), Sample()}, "PDFファイルへの情報の書き込みに失敗しました"},
      {{"--export-images", out.filePath("x"), out.filePath("missing.tvl")}, "ファイルが見つかりません"},
      {{"--export-images", out.filePath("x"), "--format", "webp", Sample()}, "--format needs one of"},
  };
  for (const auto& c : cases) {
    const Outcome run = Tessaly(c.args);
    EXPECT_NE(run.code, 0) << c.args.join(' ').toStdString();
    EXPECT_TRUE(run.err.contains(QString::fromUtf8(c.message))) << run.err.toStdString();
  }
  EXPECT_EQ(QDir(out.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList{});
}

TEST_F(ExportCommandLineTest, AMissingPdfHelperIsNamed) {
  // The program alone in a folder, without pdfweld beside it.
  const QString lonely = out.filePath("Tessaly");
  ASSERT_TRUE(QFile::copy(TESSALY_EXE, lonely));
  const Outcome run = Tessaly({"--export-pdf", out.filePath("a.pdf"), Sample()}, lonely);
  EXPECT_EQ(run.code, 1);
  EXPECT_EQ(run.err.trimmed(), out.filePath("libpdfweld.so") + "\n" + QString::fromUtf8("ファイルのオープンに失敗しました"));
  EXPECT_FALSE(QFile::exists(out.filePath("a.pdf")));
}

TEST_F(ExportCommandLineTest, WritesASelfRunningShowThatRunsAlone) {
  const QString package = out.filePath("talk");
  const Outcome run = Tessaly({"--package", package, Sample()});
  ASSERT_EQ(run.code, 0) << run.err.toStdString();
  QFile written(package);
  ASSERT_TRUE(written.open(QIODevice::ReadOnly));
  const QByteArray bytes = written.readAll();
  EXPECT_EQ(bytes.right(8).left(4).toHex(), "054627c0");
  EXPECT_TRUE(written.permissions() & QFileDevice::ExeOwner);
  QProcess p;
  p.start(package, {"--version"});
  ASSERT_TRUE(p.waitForFinished(30000));
  EXPECT_TRUE(p.readAllStandardOutput().startsWith("Tavorun "));
}

TEST_F(ExportCommandLineTest, AMissingPlayerIsNamedAndNothingIsWritten) {
  const QString lonely = out.filePath("Tessaly");
  ASSERT_TRUE(QFile::copy(TESSALY_EXE, lonely));
  const Outcome run = Tessaly({"--package", out.filePath("talk.run"), Sample()}, lonely);
  EXPECT_EQ(run.code, 1);
  EXPECT_EQ(run.err.trimmed(), QString::fromUtf8("Tavorun.dll\n実行ファイルと同じ場所に上記のファイルがありません"));
  EXPECT_FALSE(QFile::exists(out.filePath("talk.run")));
}

}  // namespace
