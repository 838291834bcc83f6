// The clock of the rehearsals: a small window over the show with the
// elapsed time in red figures, a bar for the current slide's share in the
// automatic rehearsal, a pause, and a choice of formats.
#pragma once

#include <QImage>
#include <QWidget>
#include <memory>

#include "show/ClockText.h"

class QMenu;
class ShowEngine;

inline constexpr QSize kClockWindowSize(260, 54);

class CTimeDlg : public QWidget {
  Q_OBJECT
 public:
  // `digits` is the clock bitmap, RGB(0,128,128) where the window shows through.
  CTimeDlg(ShowEngine& engine, const QImage& digits, QWidget* owner);

  // Places it from "CTimeDlg"/"PX", "PY", kept inside `desktop`.
  void Place(QRect desktop);
  // Writes the position back to "CTimeDlg"/"PX", "PY".
  void SavePosition() const;
  // A second has passed, or the slide or pause changed.
  void Refresh() { update(); }

  QString Text() const;
  ClockFormat Format() const { return format_; }
  // Takes effect at once and is kept as "Last"/"DateFormat".
  void SetFormat(ClockFormat format);
  void TogglePause();
  // The right-click menu, with the current format and pause checked.
  std::unique_ptr<QMenu> BuildMenu();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void leaveEvent(QEvent* event) override;

 private:
  ShowEngine& engine_;
  QImage digits_;
  ClockFormat format_;
  QRect desktop_;
  bool dragging_ = false;
  QPoint grip_;  // the press point inside the window
};
