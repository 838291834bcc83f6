// The full-screen show window: turns keys, clicks and timer ticks into
// engine calls and paints what the engine holds.
#pragma once

#include <QDialog>
#include <memory>

#include "base/Failure.h"
#include "show/Bells.h"
#include "show/ShowEngine.h"

class ShowTime;
class SlideSource;

class CShowDlg : public QDialog, private ShowView {
  Q_OBJECT

 public:
  // `time` and `bells` default to the real clock and sounds.
  CShowDlg(ShowSettings settings, ShowMode mode, SlideSource& slides, QWidget* parent = nullptr,
           ShowTime* time = nullptr, BellPlayer* bells = nullptr);
  ~CShowDlg() override;

  // Covers `screen` and shows the start slide. Fails when the show ended at
  // once: msg::None when only the results were wanted, 30001 when the
  // pictures could not be had.
  Result<void> Start(QRect screen);
  ShowEngine& Engine() { return engine_; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void reject() override;

 private:
  void Repaint() override;
  void RepaintBell() override;
  void PlayBellSound(int bell) override;
  void OpenResults(const std::vector<int>& times) override;
  void EndShow();

  std::unique_ptr<ShowTime> ownTime_;
  std::unique_ptr<BellPlayer> ownBells_;
  ShowTime& time_;
  BellPlayer& bells_;
  ShowEngine engine_;
  QImage bellPicture_;
};

// Runs a show modally on the screen of `parent` (else the primary screen) and
// returns when it ends; the failure of a show that could not start.
Result<void> RunShow(const ShowSettings& settings, ShowMode mode, SlideSource& slides,
                     QWidget* parent = nullptr);
