#include "export/SheetPrinter.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPageLayout>
#include <QPdfWriter>
#include <QProcess>
#include <QTemporaryDir>

#include "ExportFixtures.h"
#include "base/MessageIds.h"

namespace {

constexpr int kDpi = 100;

// Seven slides, each a box of its own colour at (10 + 4k, 20), 60 x 40.
class SheetPrinterTest : public ::testing::Test {
 protected:
  void SetUp() override { exportfixtures::Slides(doc, 7, QSize(200, 150)); }

  // A4 portrait at kDpi; `writerMarginsMm` is where the writer's own painting area starts.
  std::unique_ptr<QPdfWriter> Writer(double writerMarginsMm = 0) {
    auto writer = std::make_unique<QPdfWriter>(dir.filePath("sheets.pdf"));
    writer->setResolution(kDpi);
    writer->setPageSize(QPageSize(QPageSize::A4));
    writer->setPageMargins(QMarginsF(writerMarginsMm, writerMarginsMm, writerMarginsMm, writerMarginsMm),
                           QPageLayout::Millimeter);
    return writer;
  }

  // Page `page` (1-based) of the written file as pixels at kDpi.
  QImage Page(int page) {
    const QString prefix = dir.filePath(QString("page%1").arg(page));
    QProcess::execute(PDFTOPPM_TOOL, {"-r", QString::number(kDpi), "-f", QString::number(page), "-l",
                                      QString::number(page), "-singlefile", "-aa", "no", "-aaVector", "no", "-png", dir.filePath("sheets.pdf"), prefix});
    return QImage(prefix + ".png").convertToFormat(QImage::Format_RGB32);
  }

  int Pages() {
    QProcess p;
    p.start(QPDF_TOOL, {"--show-npages", dir.filePath("sheets.pdf")});
    p.waitForFinished();
    return p.readAllStandardOutput().trimmed().toInt();
  }

  // Where slide k's box lies on the page, in pixels, for a slide drawn in `image`.
  static QPoint BoxCentre(int k, const QRect& image) {
    const double scale = image.width() / 200.0;
    return image.topLeft() + QPoint(static_cast<int>((40 + 4 * k) * scale), static_cast<int>(40 * scale));
  }

  static QColor BoxColour(int k) { return QColor(8 * k, 200 - 5 * k, 90); }

  static bool Near(QRgb pixel, const QColor& want) {
    return std::abs(qRed(pixel) - want.red()) < 16 && std::abs(qGreen(pixel) - want.green()) < 16 &&
           std::abs(qBlue(pixel) - want.blue()) < 16;
  }

  std::vector<SheetCell> Cells(const SheetOptions& options, int sheet) {
    const QRect content = ContentRect(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, {})
                                          .fullRectPixels(kDpi)
                                          .size(),
                                      options.margins, kDpi, kDpi);
    return LayOutSheet(content, QSize(200, 150), 7, sheet, options, 0);
  }

  Document doc;
  QTemporaryDir dir;
};

TEST_F(SheetPrinterTest, EachSheetShowsItsSlidesWhereTheLayoutPutsThem) {
  for (const bool across : {true, false}) {
    SheetOptions options;
    options.perSheet = 6;
    options.acrossFirst = across;
    options.margins = {20, 20, 10, 10};
    {
      const std::unique_ptr<QPdfWriter> writer = Writer();
      ASSERT_TRUE(PrintSheets(doc, *writer, {options, {1, 2}, 2, {}}).has_value());
    }
    ASSERT_EQ(Pages(), 2);
    for (int sheet = 0; sheet < 2; ++sheet) {
      const QImage page = Page(sheet + 1);
      ASSERT_FALSE(page.isNull());
      for (const SheetCell& cell : Cells(options, sheet)) {
        const QPoint at = BoxCentre(cell.slide, cell.image);
        EXPECT_TRUE(Near(page.pixel(at), BoxColour(cell.slide)))
            << "slide " << cell.slide << " across " << across << " at " << at.x() << "," << at.y() << ": "
            << QColor(page.pixel(at)).name().toStdString();
      }
    }
  }
}

TEST_F(SheetPrinterTest, AMarginCountsFromThePapersEdgeWhereverTheDeviceStartsPainting) {
  SheetOptions options;
  options.perSheet = 1;
  options.frame = true;
  options.numbers = false;
  options.margins = {20, 20, 20, 20};
  {
    // The writer paints from 15 mm in; the slide must still start 20 mm from the edge, not 35.
    const std::unique_ptr<QPdfWriter> writer = Writer(15);
    ASSERT_TRUE(PrintSheets(doc, *writer, {options, {1, 1}, 1, {}}).has_value());
  }
  const QImage page = Page(1);
  const QRect image = Cells(options, 0).front().image;
  EXPECT_EQ(image.left(), 20 * kDpi * 10 / 254);
  EXPECT_TRUE(Near(page.pixel(BoxCentre(0, image)), BoxColour(0)));
  // The frame lies just outside the slide (a hairline lands within a pixel of
  // it), the paper before it is white.
  const int y = image.center().y();
  int darkest = 255;
  for (int x = image.left() - 2; x <= image.left(); ++x) darkest = std::min(darkest, qRed(page.pixel(x, y)));
  EXPECT_LT(darkest, 128);
  EXPECT_EQ(page.pixel(image.left() - 4, y), qRgb(255, 255, 255));
}

TEST_F(SheetPrinterTest, ARangePrintsOnlyItsSheetsAndAStopEndsTheJob) {
  SheetOptions options;
  options.perSheet = 2;
  {
    const std::unique_ptr<QPdfWriter> writer = Writer();
    ASSERT_TRUE(PrintSheets(doc, *writer, {options, {3, 3}, 1, {}}).has_value());
  }
  ASSERT_EQ(Pages(), 1);
  const QImage page = Page(1);
  const std::vector<SheetCell> third = Cells(options, 2);
  ASSERT_EQ(third.size(), 2u);
  EXPECT_TRUE(Near(page.pixel(BoxCentre(4, third[0].image)), BoxColour(4)));

  bool abandoned = false;
  std::vector<int> seen;
  const std::unique_ptr<QPdfWriter> writer = Writer();
  const Result<void> stopped = PrintSheets(doc, *writer, {options, {1, 4}, 1, [&] { abandoned = true; }},
                                           [&](int done, int total) {
                                             seen.push_back(done);
                                             EXPECT_EQ(total, 4);
                                             return done < 2;
                                           });
  ASSERT_FALSE(stopped.has_value());
  EXPECT_EQ(stopped.error().id, msg::None);
  EXPECT_TRUE(abandoned);
  EXPECT_EQ(seen, (std::vector<int>{1, 2}));
  // Sheets past the document are refused, not printed blank.
  const std::unique_ptr<QPdfWriter> another = Writer();
  EXPECT_FALSE(PrintSheets(doc, *another, {options, {5, 5}, 1, {}}).has_value());
}

}  // namespace
