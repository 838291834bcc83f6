// The show's clock: the one-second timer and the pauses between interlace
// frames. Tests step it by hand.
#pragma once

#include <QObject>
#include <QTimer>
#include <functional>

class ShowTime {
 public:
  virtual ~ShowTime() = default;
  virtual void StartSeconds(std::function<void()> tick) = 0;
  virtual void StopSeconds() = 0;
  virtual bool Running() const = 0;
  // Blocks the handler for `ms` milliseconds.
  virtual void Wait(int ms) = 0;
};

// The real clock: a window timer of 1000 ms and a plain sleep.
class QtShowTime : public ShowTime {
 public:
  explicit QtShowTime(QObject* parent = nullptr);
  void StartSeconds(std::function<void()> tick) override;
  void StopSeconds() override;
  bool Running() const override { return timer_.isActive(); }
  void Wait(int ms) override;

 private:
  QTimer timer_;
  std::function<void()> tick_;
};
