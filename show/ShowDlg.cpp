#include "show/ShowDlg.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>

#include "base/MessageIds.h"
#include "show/ClosingScreen.h"
#include "show/ShowTime.h"

namespace {

template <typename T, typename Base>
Base& OwnOr(Base* given, std::unique_ptr<Base>& own) {
  if (given) return *given;
  own = std::make_unique<T>();
  return *own;
}

}  // namespace

CShowDlg::CShowDlg(ShowSettings settings, ShowMode mode, SlideSource& slides, QWidget* parent,
                   ShowTime* time, BellPlayer* bells)
    : QDialog(parent, Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      time_(OwnOr<QtShowTime>(time, ownTime_)),
      bells_(OwnOr<QtBellPlayer>(bells, ownBells_)),
      engine_(std::move(settings), mode, slides, *this, time_) {
  // Every paint covers the whole window itself; transition frames rely on
  // the old pixels staying where they are.
  setAttribute(Qt::WA_OpaquePaintEvent);
  setAttribute(Qt::WA_NoSystemBackground);
  setFocusPolicy(Qt::StrongFocus);
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
  bellPicture_ = BellPicture();
  // Without a window manager showFullScreen alone keeps the natural size.
  setGeometry(screen);
  showFullScreen();
  engine_.Begin();
  return {};
}

void CShowDlg::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const QSize screen = engine_.Screen();
  if (engine_.ClearBackground()) painter.fillRect(QRect(QPoint(0, 0), screen), Qt::black);
  if (!engine_.AtClosingScreen())
    painter.drawImage(engine_.Fit().offset, engine_.CurrentImage());
  else if (engine_.ClosingMessageShown())
    DrawClosingMessage(painter, screen, engine_.Settings().endText);
  if (engine_.BellPictureVisible() && !bellPicture_.isNull())
    painter.drawImage(BellPicturePosition(screen.height()), bellPicture_);
}

void CShowDlg::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Right:
    case Qt::Key_Down:
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter: engine_.Next(); break;
    case Qt::Key_Left:
    case Qt::Key_Up:
    case Qt::Key_Backspace: engine_.Previous(); break;
    case Qt::Key_Escape: EndShow(); break;
    default: QDialog::keyPressEvent(event);
  }
}

void CShowDlg::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) engine_.Next();
}

void CShowDlg::reject() { EndShow(); }

void CShowDlg::Repaint() {
  if (isVisible()) repaint();
}

void CShowDlg::RepaintBell() {
  if (isVisible()) update(QRect(BellPicturePosition(engine_.Screen().height()), kBellPictureSize));
}

void CShowDlg::PlayBellSound(int bell) { bells_.Play(bell); }

// The results graph is not there yet: the show ends where it would open.
void CShowDlg::OpenResults(const std::vector<int>&) { EndShow(); }

void CShowDlg::EndShow() {
  engine_.Stop();
  done(QDialog::Accepted);
}

Result<void> RunShow(const ShowSettings& settings, ShowMode mode, SlideSource& slides, QWidget* parent) {
  CShowDlg dlg(settings, mode, slides, parent);
  QScreen* screen = parent && parent->screen() ? parent->screen() : QGuiApplication::primaryScreen();
  if (!screen) return Failure{};
  if (Result<void> started = dlg.Start(screen->geometry()); !started) return started;
  dlg.exec();
  return {};
}
