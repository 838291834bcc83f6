#include "show/MesDlg.h"

#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

#include "show/ShowFont.h"
#include "show/ShowTime.h"

CMesDlg::CMesDlg(bool player, ShowTime& time, QWidget* parent)
    : QDialog(parent, Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      time_(time),
      fill_(player ? QColor(0, 0, 160) : QColor(0, 0, 156)) {
  setWindowOpacity(kGuideOpacity);
  const QFontMetrics metrics(ShowFont(11));
  setFixedSize(metrics.horizontalAdvance(Text()) + 24, metrics.height() + 16);
}

CMesDlg::~CMesDlg() {
  if (timer_) time_.Cancel(timer_);
}

QString CMesDlg::Text() { return QString::fromUtf8("カーソルを右下隅に合せるとメニューが表示されます"); }

void CMesDlg::Run(QPoint globalPos, QRect screen) {
  QPoint at = globalPos;
  at.setX(std::max(screen.left(), std::min(at.x(), screen.right() + 1 - width())));
  at.setY(std::max(screen.top(), std::min(at.y(), screen.bottom() + 1 - height())));
  move(at);
  timer_ = time_.Once(kGuideMs, [this] {
    timer_ = 0;
    accept();
  });
  exec();
}

void CMesDlg::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), fill_);
  painter.setFont(ShowFont(11));
  painter.setPen(QColor(255, 255, 0));
  painter.drawText(rect(), Qt::AlignCenter | Qt::TextSingleLine, Text());
}

void CMesDlg::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) accept();
}

void CMesDlg::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::RightButton) accept();
}
