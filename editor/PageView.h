// The editing view: the current slide at the document's zoom in a scrollable
// area, painted through one screen-sized back buffer, with the zoom console.
#pragma once

#include <QAbstractScrollArea>
#include <QImage>

#include "editor/factory/MakeObj.h"
#include "render/RenderContext.h"

class Document;

class CMiradoView : public QAbstractScrollArea {
  Q_OBJECT
 public:
  explicit CMiradoView(Document& doc, QWidget* parent = nullptr);

  // After the document was replaced or its size or zoom changed.
  void DocumentChanged();
  // Moves to the slide `delta` away, within the document.
  void StepSlide(int delta);
  // Paints the visible part of the view into `target` (client pixels).
  void OnDraw(QImage& target);

  const EditOverlay& Overlay() const { return overlay_; }

  // For the object factory: the visible part of the view, and the object it
  // just created, which becomes the selected primary object.
  ViewArea VisibleArea() const { return {ScrollPos(), viewport()->size()}; }
  void SelectNewObject(int index);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void scrollContentsBy(int dx, int dy) override;

 private:
  void UpdateScrollRange();
  QPoint ScrollPos() const;

  Document& doc_;
  EditOverlay overlay_;
  QImage backBuffer_;
  QImage dial_, digits_, console_;
  float consoleZoom_ = -1;
};
