#include "show/ShowEngine.h"

#include <algorithm>
#include <cstdint>
#include <new>

#include "show/ShowTime.h"
#include "show/SlideSource.h"

namespace {

int At(const std::vector<int>& values, int i) {
  return i >= 0 && i < static_cast<int>(values.size()) ? values[static_cast<size_t>(i)] : 0;
}

}  // namespace

ShowEngine::ShowEngine(ShowSettings settings, ShowMode mode, SlideSource& slides, ShowView& view,
                       ShowTime& time)
    : settings_(std::move(settings)), mode_(settings_.player ? ShowMode::Production : mode),
      slides_(slides), view_(view), time_(time) {}

ShowEngine::~ShowEngine() { time_.StopSeconds(); }

ShowEngine::Prepared ShowEngine::Prepare(QSize screen) {
  screen_ = screen;
  count_ = std::max(0, slides_.SlideCount());
  fit_ = settings_.player ? ShowFit{1.0f, screen, QPoint()}
                          : ComputeShowFit(screen, settings_.slideSize, settings_.noEnlarge != 0);
  if (fit_.image.isEmpty()) return Prepared::OutOfMemory;
  current_ = QImage(fit_.image, QImage::Format_RGB32);
  previous_ = QImage(fit_.image, QImage::Format_RGB32);
  if (current_.isNull() || previous_.isNull()) return Prepared::OutOfMemory;
  current_.fill(Qt::black);
  previous_.fill(Qt::black);
  try {
    times_.assign(static_cast<size_t>(count_), 0);
  } catch (const std::bad_alloc&) {
    return Prepared::OutOfMemory;
  }
  if (mode_ != ShowMode::RehearsalMeasure)
    for (int i = 0; i < count_; ++i) times_[static_cast<size_t>(i)] = At(settings_.switchTime, i);
  clockShown_ = !settings_.player && (mode_ == ShowMode::RehearsalMeasure ||
                                      (mode_ == ShowMode::RehearsalAuto && settings_.showClock != 0));
  if (mode_ == ShowMode::ResultsOnly) {
    view_.OpenResults(times_);
    return Prepared::Ended;
  }
  // A current slide beyond the end (a damaged header) starts at the first.
  if (mode_ == ShowMode::ProductionFromCurrent && settings_.curSlide >= 0 &&
      settings_.curSlide < count_)
    index_ = settings_.curSlide;
  return Prepared::Ready;
}

void ShowEngine::Begin() {
  ShowCurrent();
  if (!settings_.player || settings_.autoSwitch) time_.StartSeconds([this] { Tick(); });
}

void ShowEngine::Stop() { time_.StopSeconds(); }

void ShowEngine::Pause() {
  if (paused_ || !time_.Running()) return;
  time_.StopSeconds();
  paused_ = true;
}

void ShowEngine::Resume() {
  if (!paused_) return;
  paused_ = false;
  time_.StartSeconds([this] { Tick(); });
}

bool ShowEngine::ClosingMessageShown() const {
  return settings_.player || mode_ == ShowMode::Production ||
         mode_ == ShowMode::ProductionFromCurrent || mode_ == ShowMode::RehearsalAuto;
}

int ShowEngine::Pattern(int index) const { return At(settings_.transition, index); }

void ShowEngine::ShowCurrent() {
  if (index_ >= count_) {
    view_.Repaint();
    return;
  }
  previous_ = current_.copy();
  if (Pattern(index_) == TransitionFade) {
    if (index_ == 0)
      view_.Repaint();
    else
      PlayFadeOut(previous_, current_, *this);
  }
  current_.fill(Qt::black);
  if (!slides_.RenderSlide(index_, fit_.scale, current_) ||
      !PlayTransition(Pattern(index_), previous_, current_, *this))
    view_.Repaint();
}

void ShowEngine::Next() {
  if (index_ >= count_) return;
  ++index_;
  if (index_ == count_ && mode_ == ShowMode::RehearsalMeasure) {
    time_.StopSeconds();
    clockShown_ = false;
    view_.OpenResults(times_);
    return;
  }
  ShowCurrent();
}

void ShowEngine::Previous() {
  if (index_ <= 0) return;
  --index_;
  ShowCurrent();
}

void ShowEngine::GoTo(int index) {
  if (index < 0 || index >= count_) return;
  index_ = index;
  ShowCurrent();
}

bool ShowEngine::AutoSwitching() const {
  return settings_.player ? settings_.autoSwitch : mode_ == ShowMode::RehearsalAuto;
}

void ShowEngine::Tick() {
  ++elapsed_;
  if (mode_ == ShowMode::RehearsalMeasure && index_ < count_) ++times_[static_cast<size_t>(index_)];
  if (AutoSwitching()) AutoSwitch();
  if (!settings_.player && mode_ == ShowMode::RehearsalAuto) RingBells();
  view_.RefreshClock();
}

void ShowEngine::AutoSwitch() {
  std::int64_t total = 0;
  for (int t : times_) total += t;
  if (elapsed_ == total) {
    if (settings_.repeatOnce == 1) {
      index_ = count_;
      view_.Repaint();
    } else {
      elapsed_ = 0;
      index_ = 0;
      bells_ = {};
      ShowCurrent();
    }
    return;
  }
  if (elapsed_ > total) return;
  // Several zero times in a row end together, so each moves one slide on.
  std::int64_t sum = 0;
  for (int t : times_) {
    sum += t;
    if (sum == elapsed_ && index_ + 1 < count_) {
      ++index_;
      ShowCurrent();
    }
  }
}

void ShowEngine::RingBells() {
  const BellSetting* settings[2] = {&settings_.bell1, &settings_.bell2};
  bool repaint = false;
  for (int b = 0; b < 2; ++b) {
    const BellSetting& bell = *settings[b];
    if (bell.kind == 0 || bell.time != elapsed_) continue;
    if (bell.kind == 1 || bell.kind == 3) view_.PlayBellSound(b + 1);
    if (bell.kind == 2 || bell.kind == 3)
      StartBlinking(bells_[static_cast<size_t>(b)], b == 0 ? kBell1Countdown : kBell2Countdown);
  }
  for (BellState& bell : bells_) {
    if (!bell.blinking) continue;
    StepBlinking(bell);
    repaint = true;
  }
  if (repaint) view_.RepaintBell();
}

// Transition frames are painted without clearing the screen first, so they do not flicker.
void ShowEngine::ShowFrame() {
  clearBackground_ = false;
  view_.Repaint();
  clearBackground_ = true;
}

void ShowEngine::Repaint() { view_.Repaint(); }

void ShowEngine::Wait(int ms) { time_.Wait(ms); }
