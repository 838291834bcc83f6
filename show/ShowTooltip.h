// The tooltip of the show menu's buttons: dark blue with light text, shown
// half a second after the mouse reaches a button and for five seconds.
#pragma once

#include <QPoint>
#include <QRect>
#include <QString>
#include <memory>

class QLabel;
class QWidget;
class ShowTime;

inline constexpr int kTooltipDelayMs = 500;
inline constexpr int kTooltipVisibleMs = 5000;
inline constexpr int kTooltipMaxWidth = 512;

class ShowTooltip {
 public:
  ShowTooltip(QWidget* owner, ShowTime& time);
  ~ShowTooltip();

  // A new text for the cursor at `globalCursor`, kept inside `screen`; an
  // empty text takes the tooltip away.
  void SetText(const QString& text, QPoint globalCursor, QRect screen);
  QString Text() const;
  bool Visible() const;

 private:
  void Show();
  void CancelTimers();

  ShowTime& time_;
  std::unique_ptr<QLabel> label_;
  QPoint cursor_;
  QRect screen_;
  int showTimer_ = 0;
  int hideTimer_ = 0;
};
