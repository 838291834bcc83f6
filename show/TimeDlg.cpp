#include "show/TimeDlg.h"

#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

#include "base/Settings.h"
#include "show/ShowBitmaps.h"
#include "show/ShowEngine.h"

namespace {

const IntSetting kPosX{"CTimeDlg", "PX", 20};
const IntSetting kPosY{"CTimeDlg", "PY", 20};
const IntSetting kDateFormat{"Last", "DateFormat", 1};

// The bitmap with its key colour made see-through, so the bar shows behind the figures.
QImage KeyedDigits(const QImage& digits) {
  QImage keyed = digits.convertToFormat(QImage::Format_ARGB32);
  for (int y = 0; y < keyed.height(); ++y) {
    auto* row = reinterpret_cast<QRgb*>(keyed.scanLine(y));
    for (int x = 0; x < keyed.width(); ++x)
      if ((row[x] & 0xFFFFFFu) == kClockKey) row[x] = 0;
  }
  return keyed;
}

QPoint Clamped(QPoint p, QRect desktop, QSize size) {
  return QPoint(std::clamp(p.x(), desktop.left(), std::max(desktop.left(), desktop.right() + 1 - size.width())),
                std::clamp(p.y(), desktop.top(), std::max(desktop.top(), desktop.bottom() + 1 - size.height())));
}

}  // namespace

CTimeDlg::CTimeDlg(ShowEngine& engine, const QImage& digits, QWidget* owner)
    : QWidget(owner, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      engine_(engine),
      digits_(KeyedDigits(digits)),
      format_(ClockFormatFromSetting(GetInt(kDateFormat))) {
  setFixedSize(kClockWindowSize);
  setAttribute(Qt::WA_OpaquePaintEvent);
  setContextMenuPolicy(Qt::PreventContextMenu);
}

void CTimeDlg::Place(QRect desktop) {
  desktop_ = desktop;
  move(Clamped(QPoint(std::max(0, GetInt(kPosX)), std::max(0, GetInt(kPosY))) + desktop.topLeft(),
               desktop, size()));
}

void CTimeDlg::SavePosition() const {
  SettingsBatch batch;
  batch.WriteInt(kPosX, pos().x() - desktop_.left());
  batch.WriteInt(kPosY, pos().y() - desktop_.top());
}

QString CTimeDlg::Text() const { return ClockText(engine_.Elapsed(), format_); }

void CTimeDlg::SetFormat(ClockFormat format) {
  format_ = format;
  WriteInt(kDateFormat, static_cast<int>(format));
  update();
}

void CTimeDlg::TogglePause() {
  if (engine_.Paused())
    engine_.Resume();
  else
    engine_.Pause();
  update();
}

std::unique_ptr<QMenu> CTimeDlg::BuildMenu() {
  auto menu = std::make_unique<QMenu>();
  QAction* pause = menu->addAction(QString::fromUtf8("一時停止/再進行(&P)\tWClick"));
  pause->setCheckable(true);
  pause->setChecked(engine_.Paused());
  connect(pause, &QAction::triggered, this, [this] { TogglePause(); });
  QMenu* formats = menu->addMenu(QString::fromUtf8("時間の表記法(&D)"));
  const struct {
    const char* label;
    ClockFormat format;
  } items[] = {{"時:分:秒(&1)", ClockFormat::HoursMinutesSeconds},
               {"分:秒(&2)", ClockFormat::MinutesSeconds},
               {"分(&3)", ClockFormat::Minutes},
               {"秒(&4)", ClockFormat::Seconds}};
  for (const auto& item : items) {
    QAction* action = formats->addAction(QString::fromUtf8(item.label));
    action->setCheckable(true);
    action->setChecked(item.format == format_);
    const ClockFormat format = item.format;
    connect(action, &QAction::triggered, this, [this, format] { SetFormat(format); });
  }
  return menu;
}

void CTimeDlg::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), engine_.Paused() ? QColor(0, 128, 0) : QColor(Qt::black));
  if (engine_.Mode() == ShowMode::RehearsalAuto) {
    const int bar = ClockBarWidth(width(), engine_.Elapsed(), engine_.Times(), engine_.Index());
    if (bar > 0) painter.fillRect(QRect(0, 0, bar, height()), QColor(0, 255, 0));
  }
  const QString text = Text();
  for (qsizetype i = 0; i < text.size(); ++i) {
    const QRect cell = ClockCell(text[i]);
    if (!cell.isEmpty())
      painter.drawImage(QPoint(2 + kClockCellSize.width() * static_cast<int>(i), 2), digits_, cell);
  }
}

void CTimeDlg::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) {
    dragging_ = true;
    grip_ = event->position().toPoint();
  } else if (event->button() == Qt::RightButton) {
    const std::unique_ptr<QMenu> menu = BuildMenu();
    menu->exec(event->globalPosition().toPoint());
  }
}

void CTimeDlg::mouseMoveEvent(QMouseEvent* event) {
  if (!dragging_) return;
  const QPoint target = event->globalPosition().toPoint() - grip_;
  move(desktop_.isEmpty() ? target : Clamped(target, desktop_, size()));
}

void CTimeDlg::mouseReleaseEvent(QMouseEvent*) { dragging_ = false; }

void CTimeDlg::mouseDoubleClickEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) TogglePause();
}

void CTimeDlg::leaveEvent(QEvent*) { dragging_ = false; }
