// The short guide shown when the presenter right-clicks with nothing else to
// do: where the menu is. It closes after two seconds or at a click.
#pragma once

#include <QDialog>

class ShowTime;

inline constexpr int kGuideMs = 2000;
inline constexpr double kGuideOpacity = 170.0 / 255.0;

class CMesDlg : public QDialog {
  Q_OBJECT
 public:
  // The player's guide is a shade lighter blue than Tessaly's.
  CMesDlg(bool player, ShowTime& time, QWidget* parent = nullptr);
  ~CMesDlg() override;

  // Opens at `globalPos` (kept inside `screen`) and returns when it has closed.
  void Run(QPoint globalPos, QRect screen);
  static QString Text();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  ShowTime& time_;
  QColor fill_;
  int timer_ = 0;
};
