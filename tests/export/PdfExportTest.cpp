#include "export/PdfExport.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <QTimeZone>
#include <cstring>
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>

#include "ExportFixtures.h"
#include "ImageBytes.h"
#include "base/Cp932.h"
#include "base/MessageIds.h"
#include "core/Document.h"
#include "export/PdfInfo.h"
#include "render/SlideRenderer.h"
#include "tests/core/DocFixtures.h"

namespace {

using exportfixtures::Entries;
using exportfixtures::RunTool;

class PdfExportTest : public ::testing::Test {
 protected:
  PdfExportRequest Request(std::vector<int> slides, const QString& name = "out.pdf") {
    PdfExportRequest r;
    r.slides = std::move(slides);
    r.output = dir.filePath(name);
    r.title = QString::fromUtf8("発表資料.tvl");
    r.time = QDateTime(QDate(2024, 3, 15), QTime(9, 30, 5), QTimeZone(9 * 3600));
    r.helperFolder = PDFWELD_DIR;
    r.workFolder = work.path();
    return r;
  }

  static std::vector<int> AllOf(int count) {
    std::vector<int> all;
    for (int k = 0; k < count; ++k) all.push_back(k);
    return all;
  }

  QTemporaryDir dir, work;
  Document doc;
};

std::string Info(QPDF& pdf, const char* key) {
  return pdf.getTrailer().getKey("/Info").getKey(key).getUTF8Value();
}

TEST_F(PdfExportTest, JoinsThirtyPagesIntoACheckedFile) {
  exportfixtures::Slides(doc, 30);
  int steps = 0;
  ASSERT_TRUE(ExportPdf(doc, Request(AllOf(30)), [&](int done, int total) {
    EXPECT_EQ(done, ++steps);
    EXPECT_EQ(total, 30);
    return true;
  }));
  int code = -1;
  const QString check = RunTool(QPDF_TOOL, {"--check", dir.filePath("out.pdf")}, &code);
  EXPECT_EQ(code, 0) << check.toStdString();
  EXPECT_TRUE(check.contains("No syntax or stream encoding errors found")) << check.toStdString();
  EXPECT_EQ(RunTool(QPDF_TOOL, {"--show-npages", dir.filePath("out.pdf")}).trimmed(), "30");
  EXPECT_TRUE(Entries(work.path()).isEmpty()) << Entries(work.path()).join(' ').toStdString();

  // Every page is its own slide, in order: page k shows slide k's box colour.
  QPDF pdf;
  pdf.processFile(dir.filePath("out.pdf").toLocal8Bit().constData());
  std::vector<QPDFPageObjectHelper> pages = QPDFPageDocumentHelper(pdf).getAllPages();
  ASSERT_EQ(pages.size(), 30u);
  for (int k : {0, 17, 29}) {
    QPDFObjectHandle image = pages[k].getImages().begin()->second;
    const std::shared_ptr<Buffer> jpeg = image.getRawStreamData();
    const QImage drawn = QImage::fromData(jpeg->getBuffer(), static_cast<int>(jpeg->getSize()), "jpeg");
    const QRgb inside = drawn.pixel(40 + 4 * k, 40);
    EXPECT_NEAR(qRed(inside), 8 * k, 6) << k;
    EXPECT_NEAR(qGreen(inside), 200 - 5 * k, 6) << k;
    EXPECT_EQ(pages[k].getMediaBox().unparse(), "[ 0 0 200 150 ]");
  }
}

TEST_F(PdfExportTest, WritesTheDocumentInformation) {
  exportfixtures::Slides(doc, 2);
  ASSERT_TRUE(ExportPdf(doc, Request({1})));
  QPDF pdf;
  pdf.processFile(dir.filePath("out.pdf").toLocal8Bit().constData());
  EXPECT_EQ(QPDFPageDocumentHelper(pdf).getAllPages().size(), 1u);
  EXPECT_EQ(Info(pdf, "/Title"), "発表資料");
  // A text string every reader shows: UTF-16BE after its byte-order mark.
  const std::string raw = pdf.getTrailer().getKey("/Info").getKey("/Title").getStringValue();
  EXPECT_EQ(raw.substr(0, 4), std::string("\xFE\xFF\x76\x7A", 4));
  EXPECT_EQ(Info(pdf, "/Author"), "");
  EXPECT_EQ(Info(pdf, "/Creator"), "Tessaly (Orlinde)");
  EXPECT_EQ(Info(pdf, "/Producer"), "Tessaly (by libpdfweld.so)");
  EXPECT_EQ(Info(pdf, "/CreationDate"), "D:20240315093005+09'00'");
  EXPECT_EQ(Info(pdf, "/ModDate"), "D:20240315093005+09'00'");
}

TEST_F(PdfExportTest, AZoomDrawsSharperPagesOfTheSameSize) {
  exportfixtures::Slides(doc, 1);
  PdfExportRequest request = Request({0});
  request.zoom = 2.0f;
  ASSERT_TRUE(ExportPdf(doc, request));
  QPDF pdf;
  pdf.processFile(dir.filePath("out.pdf").toLocal8Bit().constData());
  QPDFPageObjectHelper page = QPDFPageDocumentHelper(pdf).getAllPages().at(0);
  EXPECT_EQ(page.getMediaBox().unparse(), "[ 0 0 200 150 ]");
  QPDFObjectHandle image = QPDFPageObjectHelper(page).getImages().begin()->second;
  EXPECT_EQ(image.getDict().getKey("/Width").getIntValue(), 400);
  EXPECT_EQ(image.getDict().getKey("/Height").getIntValue(), 300);
}

TEST_F(PdfExportTest, AFailedOrStoppedExportLeavesTheOldFileAndNoScratch) {
  exportfixtures::Slides(doc, 4);
  QFile old(dir.filePath("out.pdf"));
  ASSERT_TRUE(old.open(QIODevice::WriteOnly));
  old.write("an earlier export");
  old.close();

  PdfExportRequest missing = Request(AllOf(4));
  missing.helperFolder = dir.filePath("nowhere");
  const Result<void> noHelper = ExportPdf(doc, missing);
  ASSERT_FALSE(noHelper);
  EXPECT_EQ(noHelper.error().id, 30026);
  EXPECT_EQ(noHelper.error().detail, dir.filePath("nowhere/libpdfweld.so\n"));

  const Result<void> stopped = ExportPdf(doc, Request(AllOf(4)), [](int done, int) { return done < 2; });
  ASSERT_FALSE(stopped);
  EXPECT_EQ(stopped.error().id, msg::None);

  const Result<void> badTarget = ExportPdf(doc, Request(AllOf(4), "missing-folder/out.pdf"));
  ASSERT_FALSE(badTarget);
  EXPECT_EQ(badTarget.error().id, 30084);

  const Result<void> tooLong = ExportPdf(doc, Request(AllOf(4), QString(300, 'x') + ".pdf"));
  ASSERT_FALSE(tooLong);
  EXPECT_EQ(tooLong.error().id, 30018);
  EXPECT_TRUE(tooLong.error().detail.endsWith(QString(300, 'x') + ".pdf\n"));  // the whole path, never cut

  ASSERT_TRUE(old.open(QIODevice::ReadOnly));
  EXPECT_EQ(old.readAll(), "an earlier export");
  EXPECT_EQ(Entries(dir.path()), QStringList{"out.pdf"});
  EXPECT_TRUE(Entries(work.path()).isEmpty());
}

TEST_F(PdfExportTest, ALongPathIsTakenWhole) {
  exportfixtures::Slides(doc, 2);
  QString folder = dir.path();
  for (int depth = 0; depth < 8; ++depth) folder += '/' + QString(40, QChar('a' + depth));
  ASSERT_TRUE(QDir().mkpath(folder));
  const QString output = folder + QString::fromUtf8("/長い名前の発表資料.pdf");
  ASSERT_GT(output.toUtf8().size(), 400);
  PdfExportRequest request = Request({0, 1});
  request.output = output;
  ASSERT_TRUE(ExportPdf(doc, request));
  EXPECT_EQ(RunTool(QPDF_TOOL, {"--show-npages", output}).trimmed(), "2");
}

TEST_F(PdfExportTest, PagesDrawnOnEveryCoreGiveTheSerialFile) {
  exportfixtures::Slides(doc, 9, QSize(400, 300));
  // Text, design text and a picture too: the parts of a slide that use fonts,
  // glyph outlines and shared pictures.
  ObjectRecord text = renderfixtures::Box(QRect(200, 150, 180, 100), 0xF0E0D0, 0x202020, 4);
  text.FontSize = 14;
  StoreCp932(text.Text, sizeof text.Text, QString::fromUtf8("並列でも同じ"));
  ASSERT_TRUE(doc.AddObject(text));
  ObjectRecord design{};
  design.ObjClass = objclass::DText;
  design.ObjKind = objkind::DText;
  design.Slide = 5;
  StoreCp932(design.Text, sizeof design.Text, QString::fromUtf8("飾り文字"));
  std::strcpy(design.FontName, "IPAPGothic");
  design.FontSize = 40;
  design.CenterX = 200;
  design.CenterY = 150;
  design.refMen = 0x2040C0;
  design.refLine = design.refKage = kNoColor;
  design.GradePattern = -1;
  design.Futosa = 1;
  design.PointNum = 4;
  ASSERT_TRUE(doc.AddObject(design));
  const QImage drawn = RenderSlideImage(doc, 5, 1.0f);
  int inked = 0;
  for (int y = 0; y < drawn.height(); ++y)
    for (int x = 0; x < drawn.width(); ++x) inked += drawn.pixel(x, y) == qRgb(0xC0, 0x40, 0x20);
  ASSERT_GT(inked, 100);  // the design text is drawn
  fixtures::AddImage(doc, support::EncodeImage(support::PatternImage(64, 48), "jpeg"), 7);
  const auto bytes = [&](const QString& name, int workers) {
    PdfExportRequest request = Request(AllOf(9), name);
    request.workers = workers;
    EXPECT_TRUE(ExportPdf(doc, request)) << workers;
    QFile file(dir.filePath(name));
    file.open(QIODevice::ReadOnly);
    return file.readAll();
  };
  const QByteArray serial = bytes("serial.pdf", 1);
  ASSERT_FALSE(serial.isEmpty());
  EXPECT_EQ(bytes("two.pdf", 2), serial);
  EXPECT_EQ(bytes("four.pdf", 4), serial);
}

TEST(PdfInfo, DatesCarryTheirOffset) {
  const QDate day(2024, 12, 31);
  const QTime time(23, 59, 58);
  EXPECT_EQ(PdfDate(QDateTime(day, time, QTimeZone(9 * 3600))), "D:20241231235958+09'00'");
  EXPECT_EQ(PdfDate(QDateTime(day, time, QTimeZone(-(3 * 3600 + 30 * 60)))), "D:20241231235958-03'30'");
  EXPECT_EQ(PdfDate(QDateTime(day, time, QTimeZone::utc())), "D:20241231235958Z");
}

TEST(PdfInfo, ATitleCp932CannotHoldKeepsWhatItCan) {
  const PdfInfoTexts info = MakePdfInfo(QString::fromUtf8("Ünïcode 資料 😀.tvl"), QDateTime::currentDateTime());
  EXPECT_EQ(info[0], QByteArray("?n?code ") + *EncodeCp932(u"資料") + " ?");
}

}  // namespace
