// The print dialog's preview: one sheet on a paper with its shadow, laid out
// and drawn as printing lays it out, everything scaled to the preview.
#pragma once

#include <QSizeF>
#include <QWidget>

#include "export/SheetLayout.h"

class Document;

struct PreviewSheet {
  QSizeF paperMm;  // the paper as it lies: landscape is wider
  SheetOptions options;
  int sheet = 0;  // 0-based
  bool marginLines = false;
};

class SheetPreview : public QWidget {
 public:
  SheetPreview(const Document& doc, QWidget* parent = nullptr);
  void Show(const PreviewSheet& sheet);
  // The paper and the content rectangle as last painted, in widget pixels.
  QRect PaperRect() const;
  QRect ContentRectShown() const;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  double PixelsPerMm() const;

  const Document& doc_;
  PreviewSheet sheet_;
};
