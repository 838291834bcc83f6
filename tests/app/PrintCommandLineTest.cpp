// --print-to and --print of the real program, run as a user runs them.
#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <QPageLayout>
#include <QProcess>
#include <QTemporaryDir>

#include "app/MiradoDoc.h"
#include "export/SheetLayout.h"
#include "tests/export/ExportFixtures.h"

namespace {

constexpr int kDpi = 100;
constexpr QSize kSlide(200, 150);

struct Outcome {
  int code;
  QString err;
};

// Seven slides, each a box of its own colour at (10 + 4k, 20), 60 x 40, saved.
class PrintCommandLineTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Document doc;
    exportfixtures::Slides(doc, 7, kSlide);
    CMiradoDoc file(doc);
    ASSERT_TRUE(file.SaveDocument(In(), nullptr));
  }
  QString In() const { return dir.filePath("seven.tvl"); }

  static Outcome Tessaly(const QStringList& args) {
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove("DISPLAY");
    p.setProcessEnvironment(env);
    p.start(TESSALY_EXE, args);
    p.waitForFinished(120000);
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, QString::fromUtf8(p.readAllStandardError())};
  }

  int Pages(const QString& pdf) {
    QProcess p;
    p.start(QPDF_TOOL, {"--show-npages", pdf});
    p.waitForFinished();
    return p.readAllStandardOutput().trimmed().toInt();
  }

  QImage Page(const QString& pdf, int page) {
    const QString prefix = dir.filePath(QString("page%1").arg(page));
    QProcess::execute(PDFTOPPM_TOOL, {"-r", QString::number(kDpi), "-f", QString::number(page), "-l",
                                      QString::number(page), "-singlefile", "-png", pdf, prefix});
    return QImage(prefix + ".png").convertToFormat(QImage::Format_RGB32);
  }

  QTemporaryDir dir;
};

bool Near(QRgb pixel, const QColor& want) {
  return std::abs(qRed(pixel) - want.red()) < 16 && std::abs(qGreen(pixel) - want.green()) < 16 &&
         std::abs(qBlue(pixel) - want.blue()) < 16;
}

TEST_F(PrintCommandLineTest, SevenSlidesTakeSevenFourOrTwoSheetsWithEachSlideWhereTheLayoutPutsIt) {
  const QSize paper = QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, {}).fullRectPixels(kDpi).size();
  for (const auto& [perSheet, sheets] : {std::pair{1, 7}, {2, 4}, {6, 2}}) {
    const QString pdf = dir.filePath(QString("sheets%1.pdf").arg(perSheet));
    const Outcome run = Tessaly({"--print-to", pdf, "--per-sheet", QString::number(perSheet), "--frame", In()});
    ASSERT_EQ(run.code, 0) << run.err.toStdString();
    EXPECT_TRUE(run.err.isEmpty()) << run.err.toStdString();
    ASSERT_EQ(Pages(pdf), sheets) << perSheet;
    SheetOptions options;  // the stored margins: none are stored here
    options.perSheet = perSheet;
    const QRect content = ContentRect(paper, options.margins, kDpi, kDpi);
    for (int sheet = 0; sheet < sheets; ++sheet) {
      const QImage page = Page(pdf, sheet + 1);
      ASSERT_LE(std::abs(page.width() - paper.width()) + std::abs(page.height() - paper.height()), 2);
      for (const SheetCell& cell : LayOutSheet(content, kSlide, 7, sheet, options, 0)) {
        const double scale = cell.image.width() / double(kSlide.width());
        const QPoint box = cell.image.topLeft() + QPoint(int((40 + 4 * cell.slide) * scale), int(40 * scale));
        const QColor want(8 * cell.slide, 200 - 5 * cell.slide, 90);
        EXPECT_TRUE(Near(page.pixel(box), want)) << perSheet << " per sheet, slide " << cell.slide << ": "
                                                 << QColor(page.pixel(box)).name().toStdString();
      }
    }
  }
  // Nothing but the PDF files is left beside them.
  EXPECT_EQ(QDir(dir.path()).entryList({"*.pdf"}, QDir::Files | QDir::Hidden).size(), 3);
  EXPECT_TRUE(QDir(dir.path()).entryList({".print-*"}, QDir::Files | QDir::Hidden).isEmpty());
}

TEST_F(PrintCommandLineTest, FailuresExitNonZeroWithTheMessageAndLeaveNoFile) {
  const struct {
    QStringList args;
    const char* message;
  } cases[] = {
      {{"--print-to", dir.filePath("a.txt")}, "PDFファイルを指定してください"},
      {{"--print", "--printer", "NoSuchPrinter"}, "プリンタの初期化に失敗しました"},
      {{"--print-to", dir.filePath("no/such/a.pdf")}, "ファイルの保存に失敗"},
  };
  for (const auto& c : cases) {
    const Outcome run = Tessaly(c.args + QStringList{In()});
    EXPECT_EQ(run.code, 1) << c.args.join(' ').toStdString();
    EXPECT_TRUE(run.err.contains(QString::fromUtf8(c.message))) << run.err.toStdString();
  }
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"seven.tvl"});
}

}  // namespace
