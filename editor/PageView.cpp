#include "editor/PageView.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QScreen>
#include <QScrollBar>
#include <algorithm>

#include "core/Document.h"
#include "render/SlideRenderer.h"
#include "render/ZoomConsole.h"
#include "render/gdi/Blit.h"
#include "render/gdi/Dc.h"

namespace {

QSize ScreenSize() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  return screen ? screen->size() : QSize(1920, 1080);
}

}  // namespace

CMiradoView::CMiradoView(Document& doc, QWidget* parent)
    : QAbstractScrollArea(parent),
      doc_(doc),
      backBuffer_(ScreenSize(), QImage::Format_RGB32),
      dial_(MakeConsoleDial()),
      digits_(MakeDigitStrip()) {
  setFocusPolicy(Qt::StrongFocus);
  viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
  DocumentChanged();
}

void CMiradoView::DocumentChanged() {
  overlay_ = EditOverlay{};
  overlay_.views = &doc_.View(0);
  UpdateScrollRange();
  viewport()->update();
}

void CMiradoView::UpdateScrollRange() {
  const DocHeader& h = doc_.Header();
  const QSize range = doc_.ScrollRange();
  const QSize view(static_cast<int>(range.width() * h.Zoom), static_cast<int>(range.height() * h.Zoom));
  const QSize client = viewport()->size();
  horizontalScrollBar()->setRange(0, std::max(0, view.width() - client.width()));
  verticalScrollBar()->setRange(0, std::max(0, view.height() - client.height()));
  horizontalScrollBar()->setPageStep(client.width());
  verticalScrollBar()->setPageStep(client.height());
}

QPoint CMiradoView::ScrollPos() const {
  return {horizontalScrollBar()->value(), verticalScrollBar()->value()};
}

void CMiradoView::SelectNewObject(int index) {
  doc_.View(index).Selected = 1;
  overlay_.primary = index;
  viewport()->update();
}

void CMiradoView::StepSlide(int delta) {
  DocHeader& h = doc_.Header();
  const int next = std::clamp(h.CurSlide + delta, 0, std::max(0, h.SlideCount - 1));
  if (next == h.CurSlide) return;
  h.CurSlide = static_cast<std::uint16_t>(next);
  viewport()->update();
}

void CMiradoView::OnDraw(QImage& target) {
  const DocHeader& h = doc_.Header();
  const RenderContext ctx = RenderContext::ForEditor(doc_, overlay_);
  const int w = ctx.Scale(h.SlideW);
  const int ht = ctx.Scale(h.SlideH);
  const QPoint scroll = ScrollPos();
  const QSize client = target.size();

  target.fill(Qt::white);
  gdi::Dc dc(target);
  dc.SetWindowOrg(scroll);
  if (h.SlideCount > 0) DrawSlide(dc, doc_, ctx);

  // Whatever sticks out beyond the slide is cut by the white margin.
  if (w < client.width() + scroll.x()) dc.FillRect(QRect(w, scroll.y(), client.width() + scroll.x() - w, client.height()), kWhite);
  if (ht < client.height() + scroll.y()) dc.FillRect(QRect(scroll.x(), ht, client.width(), client.height() + scroll.y() - ht), kWhite);

  if (h.ConsoleAlways) {
    if (consoleZoom_ != h.Zoom) {
      console_ = BuildConsoleImage(dial_, digits_, h.Zoom);
      consoleZoom_ = h.Zoom;
    }
    const int inset = 5 + kConsoleSize / 2;
    const QPoint c(std::clamp(h.ConsoleX, inset, std::max(inset, client.width() - inset)),
                   std::clamp(h.ConsoleY, inset, std::max(inset, client.height() - inset)));
    dc.SetWindowOrg(QPoint(0, 0));
    gdi::TransparentBlt(dc, QRect(c - QPoint(kConsoleSize / 2, kConsoleSize / 2), console_.size()),
                        console_, console_.rect(), kTransKey);
  }
}

void CMiradoView::paintEvent(QPaintEvent*) {
  const QSize client = viewport()->size();
  if (backBuffer_.width() < client.width() || backBuffer_.height() < client.height())
    backBuffer_ = QImage(client.expandedTo(backBuffer_.size()), QImage::Format_RGB32);
  QImage visible(backBuffer_.bits(), client.width(), client.height(), backBuffer_.bytesPerLine(),
                 QImage::Format_RGB32);
  OnDraw(visible);
  QPainter(viewport()).drawImage(0, 0, visible);
}

void CMiradoView::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_PageDown: StepSlide(1); break;
    case Qt::Key_PageUp: StepSlide(-1); break;
    default: QAbstractScrollArea::keyPressEvent(event);
  }
}

void CMiradoView::resizeEvent(QResizeEvent* event) {
  QAbstractScrollArea::resizeEvent(event);
  UpdateScrollRange();
}

void CMiradoView::scrollContentsBy(int, int) { viewport()->update(); }
