#include "show/ShowDlg.h"

#include <QColorDialog>
#include <QCursor>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>

#include "base/MessageIds.h"
#include "show/MesDlg.h"
#include "show/ShowKeyMap.h"
#include "show/ShowTime.h"
#include "show/ShowTooltip.h"
#include "show/TimeDlg.h"

namespace {

template <typename T, typename Base>
Base& OwnOr(Base* given, std::unique_ptr<Base>& own) {
  if (given) return *given;
  own = std::make_unique<T>();
  return *own;
}

std::optional<QColor> StandardColourDialog(QColor current, QWidget* owner) {
  const QColor chosen = QColorDialog::getColor(current, owner);
  if (!chosen.isValid()) return std::nullopt;
  return chosen;
}

}  // namespace

CShowDlg::CShowDlg(ShowSettings settings, ShowMode mode, SlideSource& slides, QWidget* parent,
                   ShowTime* time, BellPlayer* bells)
    : QDialog(parent, Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      time_(OwnOr<QtShowTime>(time, ownTime_)),
      bells_(OwnOr<QtBellPlayer>(bells, ownBells_)),
      engine_(std::move(settings), mode, slides, *this, time_),
      tooltip_(std::make_unique<ShowTooltip>(this, time_)),
      colourDialog_(StandardColourDialog) {
  // Every paint covers the whole window itself; transition frames rely on
  // the old pixels staying where they are.
  setAttribute(Qt::WA_OpaquePaintEvent);
  setAttribute(Qt::WA_NoSystemBackground);
  setFocusPolicy(Qt::StrongFocus);
  setMouseTracking(true);
}

CShowDlg::~CShowDlg() {
  engine_.Stop();
  unsetCursor();
}

Result<void> CShowDlg::Start(QRect screen) {
  switch (engine_.Prepare(screen.size())) {
    case ShowEngine::Prepared::Ended: return Failure{};
    case ShowEngine::Prepared::OutOfMemory: return Failure{msg::NoMemory};
    case ShowEngine::Prepared::Ready: break;
  }
  std::optional<ShowBitmaps> bitmaps = LoadShowBitmaps();
  if (!bitmaps) return Failure{msg::NoMemory};
  if (engine_.ClockShown()) clock_ = std::make_unique<CTimeDlg>(engine_, bitmaps->clockDigits, this);
  OverlayView& view = *this;
  overlay_ = std::make_unique<ShowOverlay>(engine_, std::move(*bitmaps), view, time_);
  if (!overlay_->Start()) return Failure{msg::NoMemory};
  // Without a window manager showFullScreen alone keeps the natural size.
  setGeometry(screen);
  showFullScreen();
  overlay_->SetCursor(QCursor::pos() - screen.topLeft());
  if (clock_) {
    clock_->Place(screen);
    clock_->show();
  }
  engine_.Begin();
  return {};
}

void CShowDlg::paintEvent(QPaintEvent* event) {
  if (!overlay_) return;
  QPainter painter(this);
  painter.drawImage(event->rect(), overlay_->Screen(), event->rect());
}

void CShowDlg::keyPressEvent(QKeyEvent* event) {
  const bool player = engine_.Settings().player;
  const int command = ShowCommandForKey(event->key(), event->modifiers(), player);
  if (command == 0 || !overlay_) {
    QDialog::keyPressEvent(event);
    return;
  }
  overlay_->Act(ShowActionForCommand(command, player));
}

void CShowDlg::mousePressEvent(QMouseEvent* event) {
  if (overlay_) overlay_->Press(event->button(), event->position().toPoint());
}

void CShowDlg::mouseReleaseEvent(QMouseEvent* event) {
  if (overlay_) overlay_->Release(event->button(), event->position().toPoint());
}

void CShowDlg::mouseDoubleClickEvent(QMouseEvent* event) {
  if (overlay_) overlay_->DoubleClick(event->button(), event->position().toPoint());
}

void CShowDlg::mouseMoveEvent(QMouseEvent* event) {
  if (overlay_) overlay_->Move(event->position().toPoint(), event->buttons());
}

// One size per notch of 120, however finely the wheel reports it.
void CShowDlg::wheelEvent(QWheelEvent* event) {
  if (!overlay_) return;
  wheel_ += event->angleDelta().y();
  while (wheel_ >= 120 || wheel_ <= -120) {
    const int step = wheel_ > 0 ? 120 : -120;
    overlay_->Wheel(step);
    wheel_ -= step;
  }
}

void CShowDlg::reject() { EndShow(); }

// The engine needs its frames on the screen before it goes on.
void CShowDlg::Repaint() {
  if (!overlay_) return;
  paintNow_ = true;
  overlay_->RepaintAll(engine_.ClearBackground());
  paintNow_ = false;
  if (clock_ && clock_->isVisible()) clock_->Refresh();
}

void CShowDlg::RepaintBell() {
  if (overlay_) overlay_->RepaintArea(QRect(BellPicturePosition(engine_.Screen().height()), kBellPictureSize));
}

void CShowDlg::PlayBellSound(int bell) { bells_.Play(bell); }

// In a rehearsal the show stays behind the results until they close; with
// the stored times only, the show was never shown.
void CShowDlg::OpenResults(const std::vector<int>& times) {
  if (clock_) clock_->hide();
  SetCursorHidden(false);
  if (results_) results_(times, isVisible() ? this : parentWidget());
  EndShow();
}

void CShowDlg::RefreshClock() {
  if (clock_) clock_->Refresh();
}

void CShowDlg::Flush(QRect rect) {
  if (!isVisible() || rect.isEmpty()) return;
  if (paintNow_)
    repaint(rect);
  else
    update(rect);
}

void CShowDlg::Tooltip(const QString& text) {
  tooltip_->SetText(text, mapToGlobal(overlay_->Cursor()), geometry());
}

void CShowDlg::SetCursorHidden(bool hidden) {
  if (hidden)
    setCursor(Qt::BlankCursor);
  else
    unsetCursor();
}

std::optional<QColor> CShowDlg::ChooseColour(QColor current) { return colourDialog_(current, this); }

void CShowDlg::OpenGuide() {
  CMesDlg guide(engine_.Settings().player, time_, this);
  guide.Run(mapToGlobal(overlay_->Cursor()), geometry());
}

void CShowDlg::EndShow() {
  engine_.Stop();
  tooltip_->SetText(QString(), QPoint(), QRect());
  if (clock_) {
    clock_->SavePosition();
    clock_->hide();
  }
  done(QDialog::Accepted);
}

Result<void> RunShow(const ShowSettings& settings, ShowMode mode, SlideSource& slides, QWidget* parent,
                     CShowDlg::ResultsWindow results) {
  CShowDlg dlg(settings, mode, slides, parent);
  dlg.SetResultsWindow(std::move(results));
  QScreen* screen = parent && parent->screen() ? parent->screen() : QGuiApplication::primaryScreen();
  if (!screen) return Failure{};
  if (Result<void> started = dlg.Start(screen->geometry()); !started) return started;
  dlg.exec();
  return {};
}
