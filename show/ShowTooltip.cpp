#include "show/ShowTooltip.h"

#include <QLabel>
#include <algorithm>

#include "show/ShowTime.h"

ShowTooltip::ShowTooltip(QWidget* owner, ShowTime& time)
    : time_(time), label_(std::make_unique<QLabel>(owner, Qt::ToolTip | Qt::FramelessWindowHint)) {
  label_->setStyleSheet(QStringLiteral(
      "QLabel { background: rgb(0,0,123); color: rgb(156,215,231); border: 1px solid rgb(156,215,231);"
      " padding: 2px 4px; }"));
  label_->setMaximumWidth(kTooltipMaxWidth);
  label_->setWordWrap(false);
}

ShowTooltip::~ShowTooltip() { CancelTimers(); }

void ShowTooltip::CancelTimers() {
  if (showTimer_) time_.Cancel(showTimer_);
  if (hideTimer_) time_.Cancel(hideTimer_);
  showTimer_ = hideTimer_ = 0;
}

void ShowTooltip::SetText(const QString& text, QPoint globalCursor, QRect screen) {
  CancelTimers();
  label_->hide();
  label_->setText(text);
  cursor_ = globalCursor;
  screen_ = screen;
  if (text.isEmpty()) return;
  showTimer_ = time_.Once(kTooltipDelayMs, [this] {
    showTimer_ = 0;
    Show();
  });
}

// Below the cursor, or where the screen ends there (the menu sits in the
// bottom corner) above it, clear of the button under the cursor.
void ShowTooltip::Show() {
  label_->adjustSize();
  const QSize size = label_->size();
  QPoint at = cursor_ + QPoint(0, 20);
  if (at.y() + size.height() > screen_.bottom()) at.setY(cursor_.y() - size.height() - 20);
  at.setX(std::min(at.x(), screen_.right() - size.width()));
  label_->move(at);
  label_->show();
  hideTimer_ = time_.Once(kTooltipVisibleMs, [this] {
    hideTimer_ = 0;
    label_->hide();
  });
}

QString ShowTooltip::Text() const { return label_->text(); }

bool ShowTooltip::Visible() const { return label_->isVisible(); }
