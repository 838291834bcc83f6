// Stand-ins for the show's slides, window and clock.
#pragma once

#include <QColor>
#include <QImage>
#include <functional>
#include <map>
#include <vector>

#include "show/Bells.h"
#include "show/ShowEngine.h"
#include "show/ShowTime.h"
#include "show/SlideSource.h"

// Slide i is a plain colour with red = 10 * (i + 1).
class ColourSlides : public SlideSource {
 public:
  explicit ColourSlides(int count) : count_(count) {}
  static QRgb Colour(int index) { return qRgb(10 * (index + 1), 100, 200); }
  int SlideCount() const override { return count_; }
  bool RenderSlide(int index, float scale, QImage& target) override {
    rendered.push_back(index);
    lastScale = scale;
    target.fill(Colour(index));
    return !failing;
  }
  std::vector<int> rendered;
  float lastScale = 0;
  bool failing = false;

 private:
  int count_;
};

class StepTime : public ShowTime {
 public:
  void StartSeconds(std::function<void()> tick) override { tick_ = std::move(tick); running_ = true; }
  void StopSeconds() override { running_ = false; }
  bool Running() const override { return running_; }
  void Wait(int ms) override { waits.push_back(ms); }
  void Fire(int seconds = 1) {
    for (int i = 0; i < seconds && running_; ++i) tick_();
  }
  int Once(int ms, std::function<void()> fire) override {
    once_[++lastId_] = {now_ + ms, std::move(fire)};
    return lastId_;
  }
  void Cancel(int id) override { once_.erase(id); }
  qint64 NowMs() const override { return now_; }
  // Moves the clock on, firing the one-shot timers that fall due in order.
  void Advance(qint64 ms) {
    const qint64 end = now_ + ms;
    for (;;) {
      auto due = once_.end();
      for (auto it = once_.begin(); it != once_.end(); ++it)
        if (it->second.first <= end && (due == once_.end() || it->second.first < due->second.first))
          due = it;
      if (due == once_.end()) break;
      now_ = due->second.first;
      const std::function<void()> fire = std::move(due->second.second);
      once_.erase(due);
      fire();
    }
    now_ = end;
  }
  size_t Pending() const { return once_.size(); }
  std::vector<int> waits;

 private:
  std::function<void()> tick_;
  bool running_ = false;
  qint64 now_ = 0;
  int lastId_ = 0;
  std::map<int, std::pair<qint64, std::function<void()>>> once_;
};

// Records every paint with what the screen would show.
class RecordingView : public ShowView {
 public:
  const ShowEngine* engine = nullptr;
  int repaints = 0;       // with the background cleared
  int frames = 0;         // transition frames (background kept)
  int bellRepaints = 0;
  std::vector<QImage> frameImages;
  bool keepFrames = false;
  std::vector<int> sounds;
  std::vector<std::vector<int>> results;

  void Repaint() override {
    if (engine && !engine->ClearBackground()) {
      ++frames;
      if (keepFrames) frameImages.push_back(engine->CurrentImage().copy());
    } else {
      ++repaints;
    }
  }
  void RepaintBell() override { ++bellRepaints; }
  void PlayBellSound(int bell) override { sounds.push_back(bell); }
  void OpenResults(const std::vector<int>& times) override { results.push_back(times); }
};
