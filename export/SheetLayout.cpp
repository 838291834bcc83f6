#include "export/SheetLayout.h"

#include <algorithm>

namespace {

int Clamp(int margin, int least) { return std::clamp(margin, std::min(least, kMaxMarginMm), kMaxMarginMm); }

// Millimetres to device pixels, truncated.
int MmToPixels(int mm, double dpi) { return static_cast<int>(mm * dpi / 25.4); }

QSize CellSize(QSize content, int perSheet) {
  const int w = content.width();
  const int h = content.height();
  if (perSheet == 2) return {w, 8 * h / 17};
  if (perSheet == 6) return {8 * w / 17, 4 * h / 13};
  return {w, h};
}

// The top-left corner of cell `i` relative to the content rectangle.
QPoint CellOrigin(QSize content, QSize cell, int i, const SheetOptions& options) {
  const int w = content.width();
  const int h = content.height();
  if (options.perSheet == 2) return {0, i == 0 ? 0 : h - cell.height()};
  if (options.perSheet != 6) return {0, 0};
  const int row = options.acrossFirst ? i / 2 : i % 3;
  const int column = options.acrossFirst ? i % 2 : i / 3;
  const int rows[] = {0, h / 2 - cell.height() / 2, h - cell.height()};
  return {column == 0 ? 0 : w - cell.width(), rows[row]};
}

// The slide in its proportions: flush with the cell's edge along the axis it
// fills, centred along the other.
QRect FitSlide(const QRect& cell, QSize slide) {
  const qint64 cw = cell.width();
  const qint64 ch = cell.height();
  if (slide.isEmpty()) return {cell.topLeft(), QSize(0, 0)};
  if (cw * slide.height() <= ch * slide.width()) {
    const int h = static_cast<int>(slide.height() * cw / slide.width());
    return {cell.left(), cell.top() + (cell.height() - h) / 2, cell.width(), h};
  }
  const int w = static_cast<int>(slide.width() * ch / slide.height());
  return {cell.left() + (cell.width() - w) / 2, cell.top(), w, cell.height()};
}

}  // namespace

SheetMargins ClampMargins(SheetMargins m, MarginLimits limits) {
  return {Clamp(m.left, limits.minX), Clamp(m.top, limits.minY), Clamp(m.right, limits.minX),
          Clamp(m.bottom, limits.minY)};
}

int SheetCount(int slides, int perSheet) {
  if (slides <= 0 || perSheet <= 0) return 0;
  return (slides - 1) / perSheet + 1;
}

QRect ContentRect(QSize paper, const SheetMargins& m, double dpiX, double dpiY) {
  const int left = MmToPixels(m.left, dpiX);
  const int top = MmToPixels(m.top, dpiY);
  const int width = paper.width() - left - MmToPixels(m.right, dpiX);
  const int height = paper.height() - top - MmToPixels(m.bottom, dpiY);
  return {left, top, std::max(width, 0), std::max(height, 0)};
}

std::vector<SheetCell> LayOutSheet(const QRect& content, QSize slide, int slideCount, int sheet,
                                   const SheetOptions& options, int numberHeight) {
  std::vector<SheetCell> cells;
  const QSize cell = CellSize(content.size(), options.perSheet);
  for (int i = 0; i < options.perSheet; ++i) {
    const int k = sheet * options.perSheet + i;
    if (k >= slideCount) break;
    const QRect at(content.topLeft() + CellOrigin(content.size(), cell, i, options), cell);
    const QRect image = FitSlide(at, slide);
    cells.push_back({k, image, QRect(image.left(), image.bottom() + 1, image.width(), numberHeight)});
  }
  return cells;
}

QRect PreviewPaperRect(const QRect& area, QSizeF paper) {
  const QSizeF room(std::max(area.width() - 28, 1), std::max(area.height() - 28, 1));
  if (paper.isEmpty()) return {area.center(), QSize(0, 0)};
  const QSize fitted = paper.scaled(room, Qt::KeepAspectRatio).toSize();
  return {area.left() + (area.width() - fitted.width()) / 2, area.top() + (area.height() - fitted.height()) / 2,
          fitted.width(), fitted.height()};
}
