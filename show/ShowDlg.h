// The full-screen show window: turns keys, clicks and timer ticks into
// engine and overlay calls, and shows the overlay's picture of the screen.
#pragma once

#include <QDialog>
#include <functional>
#include <memory>
#include <optional>

#include "base/Failure.h"
#include "show/Bells.h"
#include "show/ShowEngine.h"
#include "show/ShowOverlay.h"

class CTimeDlg;
class ShowTime;
class ShowTooltip;
class SlideSource;

class CShowDlg : public QDialog, private ShowView, private OverlayView {
  Q_OBJECT

 public:
  // The pen colour dialog, replaceable in tests; nothing when cancelled.
  using ColourDialog = std::function<std::optional<QColor>(QColor current, QWidget* owner)>;
  // The results window a rehearsal's end opens, modal over `owner`; the show
  // ends once it closes. Without one the show just ends there.
  using ResultsWindow = std::function<void(const std::vector<int>& times, QWidget* owner)>;

  // `time` and `bells` default to the real clock and sounds.
  CShowDlg(ShowSettings settings, ShowMode mode, SlideSource& slides, QWidget* parent = nullptr,
           ShowTime* time = nullptr, BellPlayer* bells = nullptr);
  ~CShowDlg() override;

  // Covers `screen` and shows the start slide. Fails when the show ended at
  // once: msg::None when only the results were wanted, 30001 when the
  // pictures could not be had.
  Result<void> Start(QRect screen);
  ShowEngine& Engine() { return engine_; }
  ShowOverlay& Overlay() { return *overlay_; }
  // The rehearsal clock; null when the mode shows none, and in the player.
  CTimeDlg* Clock() const { return clock_.get(); }
  const ShowTooltip& Tooltip() const { return *tooltip_; }
  void SetColourDialog(ColourDialog dialog) { colourDialog_ = std::move(dialog); }
  void SetResultsWindow(ResultsWindow results) { results_ = std::move(results); }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void reject() override;

 private:
  // ShowView
  void Repaint() override;
  void RepaintBell() override;
  void PlayBellSound(int bell) override;
  void OpenResults(const std::vector<int>& times) override;
  void RefreshClock() override;
  // OverlayView
  void Flush(QRect rect) override;
  void Tooltip(const QString& text) override;
  void SetCursorHidden(bool hidden) override;
  std::optional<QColor> ChooseColour(QColor current) override;
  void OpenGuide() override;
  void EndShow() override;

  std::unique_ptr<ShowTime> ownTime_;
  std::unique_ptr<BellPlayer> ownBells_;
  ShowTime& time_;
  BellPlayer& bells_;
  ShowEngine engine_;
  std::unique_ptr<ShowOverlay> overlay_;
  std::unique_ptr<CTimeDlg> clock_;
  std::unique_ptr<ShowTooltip> tooltip_;
  ColourDialog colourDialog_;
  ResultsWindow results_;
  bool paintNow_ = false;
  int wheel_ = 0;  // wheel angle not yet turned into steps
};

// Runs a show modally on the screen of `parent` (else the primary screen) and
// returns when it ends; the failure of a show that could not start.
Result<void> RunShow(const ShowSettings& settings, ShowMode mode, SlideSource& slides,
                     QWidget* parent = nullptr, CShowDlg::ResultsWindow results = {});
