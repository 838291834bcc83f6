#include "app/SheetPreview.h"

#include <QFontMetrics>
#include <QPainter>

#include "core/Document.h"
#include "export/SheetPrinter.h"
#include "render/SlideRenderer.h"

SheetPreview::SheetPreview(const Document& doc, QWidget* parent) : QWidget(parent), doc_(doc) {
  setMinimumSize(200, 200);
}

void SheetPreview::Show(const PreviewSheet& sheet) {
  sheet_ = sheet;
  update();
}

QRect SheetPreview::PaperRect() const { return PreviewPaperRect(rect(), sheet_.paperMm); }

double SheetPreview::PixelsPerMm() const {
  return sheet_.paperMm.width() > 0 ? PaperRect().width() / sheet_.paperMm.width() : 0.0;
}

// The margins are scaled with the paper, as everything else here is.
QRect SheetPreview::ContentRectShown() const {
  const double dpi = PixelsPerMm() * 25.4;
  return ContentRect(PaperRect().size(), sheet_.options.margins, dpi, dpi).translated(PaperRect().topLeft());
}

void SheetPreview::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), QColor(247, 247, 247));
  const QRect paper = PaperRect();
  if (paper.isEmpty()) return;
  painter.fillRect(paper.translated(5, 5), QColor(128, 128, 128));
  painter.fillRect(paper, Qt::white);
  painter.setPen(QColor(192, 192, 192));
  painter.drawRect(paper.adjusted(0, 0, -1, -1));

  const QRect content = ContentRectShown();
  const QFont font = NumberFont(sheet_.options.perSheet, PixelsPerMm() * 25.4);
  const std::vector<SheetCell> cells =
      LayOutSheet(content, QSize(doc_.Header().SlideW, doc_.Header().SlideH), doc_.Header().SlideCount,
                  sheet_.sheet, sheet_.options, QFontMetrics(font).height());
  std::vector<QImage> images;
  for (const SheetCell& cell : cells) images.push_back(RenderPrintedSlide(doc_, cell.slide, cell.image.size()));
  PaintSheet(painter, cells, images, sheet_.options, font);

  if (!sheet_.marginLines) return;
  painter.setPen(QPen(Qt::red, 1, Qt::DotLine));
  for (int x : {content.left(), content.right() + 1}) painter.drawLine(x, paper.top(), x, paper.bottom());
  for (int y : {content.top(), content.bottom() + 1}) painter.drawLine(paper.left(), y, paper.right(), y);
}
