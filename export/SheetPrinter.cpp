#include "export/SheetPrinter.h"

#include <QFontMetrics>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <algorithm>

#include "base/MessageIds.h"
#include "core/Document.h"
#include "render/SlideRenderer.h"

namespace {

constexpr QRgb kFrameColour = qRgb(4, 0, 0);

// The sheets drawn together: enough slides to keep every worker busy, few
// enough that their images stay small.
int SheetsPerBatch(int workers, int perSheet) { return std::max(1, (2 * workers + perSheet - 1) / perSheet); }

struct Batch {
  std::vector<std::vector<SheetCell>> sheets;
  std::vector<QImage> images;  // every cell's slide, sheet after sheet
};

Result<void> DrawBatch(const WorkerDocuments& documents, int workers, Batch& batch) {
  std::vector<const SheetCell*> cells;
  for (const auto& sheet : batch.sheets)
    for (const SheetCell& cell : sheet) cells.push_back(&cell);
  batch.images.assign(cells.size(), QImage());
  const auto job = [&](int worker, int k) -> Result<void> {
    batch.images[k] = RenderPrintedSlide(documents.For(worker), cells[k]->slide, cells[k]->image.size());
    if (batch.images[k].isNull()) return Failure(msg::NoMemory);
    return {};
  };
  return RunSlideJobs(static_cast<int>(cells.size()), workers, job, {});
}

Result<void> PrintPages(const Document& doc, QPagedPaintDevice& device, QPainter& painter, const PrintJob& job,
                        int last, const ExportProgress& progress) {
  const QPageLayout layout = device.pageLayout();
  const int dpiX = device.logicalDpiX();
  const int dpiY = device.logicalDpiY();
  // The painter starts at the printable area; the margins count from the paper's edge.
  painter.translate(-layout.paintRectPixels(dpiX).topLeft());
  SheetOptions options = job.options;
  options.margins = ClampMargins(options.margins, DeviceMarginLimits(layout));
  const QRect content = ContentRect(layout.fullRectPixels(dpiX).size(), options.margins, dpiX, dpiY);
  const QFont font = NumberFont(options.perSheet, dpiY);
  const int numberHeight = QFontMetrics(font, &device).height();
  const QSize slide(doc.Header().SlideW, doc.Header().SlideH);
  const int workers = ExportWorkers(job.workers);
  const WorkerDocuments documents(doc, workers);
  const int total = last - job.sheets.first + 1;
  for (int sheet = job.sheets.first; sheet <= last;) {
    Batch batch;
    const int end = std::min(last + 1, sheet + SheetsPerBatch(workers, options.perSheet));
    for (int s = sheet; s < end; ++s)
      batch.sheets.push_back(LayOutSheet(content, slide, doc.Header().SlideCount, s - 1, options, numberHeight));
    if (Result<void> drawn = DrawBatch(documents, workers, batch); !drawn) return drawn;
    std::size_t image = 0;
    for (const auto& cells : batch.sheets) {
      if (sheet > job.sheets.first && !device.newPage()) return Failure(msg::PrinterDcFailed, "StartPage\n");
      const std::vector<QImage> images(batch.images.begin() + image, batch.images.begin() + image + cells.size());
      image += cells.size();
      PaintSheet(painter, cells, images, options, font);
      if (progress && !progress(sheet - job.sheets.first + 1, total)) return Failure(msg::None);
      ++sheet;
    }
  }
  return {};
}

}  // namespace

MarginLimits DeviceMarginLimits(const QPageLayout& layout) {
  QPageLayout mm = layout;
  mm.setUnits(QPageLayout::Millimeter);
  const QMarginsF edge = mm.minimumMargins();
  return {static_cast<int>(std::max(edge.left(), edge.right())), static_cast<int>(std::max(edge.top(), edge.bottom()))};
}

QFont NumberFont(int perSheet, double pixelsPerInch) {
  QFont font(QString::fromUtf8("ＭＳ Ｐゴシック"));
  font.setPixelSize(std::max(1, static_cast<int>(NumberPoints(perSheet) * pixelsPerInch / 72.0 + 0.5)));
  font.setBold(false);
  return font;
}

void PaintSheet(QPainter& painter, const std::vector<SheetCell>& cells, const std::vector<QImage>& images,
                const SheetOptions& options, const QFont& numberFont) {
  painter.save();
  painter.setFont(numberFont);
  for (std::size_t i = 0; i < cells.size() && i < images.size(); ++i) {
    const SheetCell& cell = cells[i];
    painter.drawImage(cell.image.topLeft(), images[i]);
    if (options.frame) {
      painter.setPen(QPen(QColor(kFrameColour), 0));
      painter.setBrush(Qt::NoBrush);
      painter.drawRect(cell.image.adjusted(-1, -1, 0, 0));
    }
    if (options.numbers) {
      painter.setPen(Qt::black);
      painter.drawText(cell.number, Qt::AlignHCenter | Qt::AlignTop, QString::number(cell.slide + 1));
    }
  }
  painter.restore();
}

Result<void> PrintSheets(const Document& doc, QPagedPaintDevice& device, const PrintJob& job,
                         const ExportProgress& progress) {
  const int last = std::min(job.sheets.last, SheetCount(doc.Header().SlideCount, job.options.perSheet));
  if (job.sheets.first < 1 || job.sheets.first > last) return Failure(msg::PrintStartUnknown);
  QPainter painter;
  if (!painter.begin(&device)) return Failure(msg::PrinterDcFailed, "StartDoc\n");
  if (Result<void> printed = PrintPages(doc, device, painter, job, last, progress); !printed) {
    if (job.abandon) job.abandon();
    return printed;
  }
  if (!painter.end()) return Failure(msg::PrinterDcFailed, "EndDoc\n");
  return {};
}
