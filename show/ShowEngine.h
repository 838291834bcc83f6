// The show's state and rules without a window: fitting, modes, moving
// between slides, transitions, the one-second timer and the bells.
#pragma once

#include <QImage>
#include <QPoint>
#include <QSize>
#include <vector>

#include "show/Bells.h"
#include "show/FitScale.h"
#include "show/ShowSettings.h"
#include "show/TransitionPlayer.h"

class ShowTime;
class SlideSource;

// What the engine asks of its window.
class ShowView {
 public:
  virtual ~ShowView() = default;
  // Paints now: background (when the engine's clear flag is set), image or closing screen, bells.
  virtual void Repaint() = 0;
  virtual void RepaintBell() = 0;
  virtual void PlayBellSound(int bell) = 0;
  // The measured or stored times go to the results graph; the show then ends.
  virtual void OpenResults(const std::vector<int>& times) = 0;
  // A second has passed: the clock shows the new time.
  virtual void RefreshClock() {}
};

class ShowEngine : private TransitionScreen {
 public:
  enum class Prepared { Ready, Ended, OutOfMemory };

  ShowEngine(ShowSettings settings, ShowMode mode, SlideSource& slides, ShowView& view,
             ShowTime& time);
  ~ShowEngine() override;

  // Start-up up to the point where the window is shown: fit, images, times.
  Prepared Prepare(QSize screen);
  // Once the window covers the screen: the start slide and the timer.
  void Begin();

  void Next();
  void Previous();
  void GoTo(int index);
  void Tick();  // every second
  void Stop();
  // The clock window's pause: no seconds pass, so nothing switches or rings.
  void Pause();
  void Resume();
  bool Paused() const { return paused_; }

  ShowMode Mode() const { return mode_; }
  int Count() const { return count_; }
  int Index() const { return index_; }
  bool AtClosingScreen() const { return index_ >= count_; }
  // The closing message is drawn in these modes (in mode 3 the show ends first).
  bool ClosingMessageShown() const;
  const ShowSettings& Settings() const { return settings_; }
  QSize Screen() const { return screen_; }
  const ShowFit& Fit() const { return fit_; }
  const QImage& CurrentImage() const { return current_; }
  bool ClearBackground() const { return clearBackground_; }
  int Elapsed() const { return elapsed_; }
  const std::vector<int>& Times() const { return times_; }
  const BellState& Bell(int bell) const { return bells_[bell == 2 ? 1 : 0]; }
  bool BellPictureVisible() const { return bells_[0].visible || bells_[1].visible; }
  bool ClockShown() const { return clockShown_; }

 private:
  void ShowCurrent();
  bool AutoSwitching() const;
  void AutoSwitch();
  void RingBells();
  int Pattern(int index) const;

  void ShowFrame() override;
  void Repaint() override;
  void Wait(int ms) override;

  ShowSettings settings_;
  ShowMode mode_;
  SlideSource& slides_;
  ShowView& view_;
  ShowTime& time_;
  int count_ = 0;
  int index_ = 0;
  QSize screen_;
  ShowFit fit_;
  QImage current_;
  QImage previous_;
  bool clearBackground_ = true;
  std::vector<int> times_;
  int elapsed_ = 0;
  std::array<BellState, 2> bells_{};
  bool clockShown_ = false;
  bool paused_ = false;
};
