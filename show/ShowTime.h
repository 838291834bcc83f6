// The show's clock: the one-second timer, the one-shot timers of the menu,
// the tooltip and the guide window, and the pauses between interlace
// frames. Tests step it by hand.
#pragma once

#include <QObject>
#include <QTimer>
#include <functional>
#include <map>
#include <memory>

class ShowTime {
 public:
  virtual ~ShowTime() = default;
  virtual void StartSeconds(std::function<void()> tick) = 0;
  virtual void StopSeconds() = 0;
  virtual bool Running() const = 0;
  // Blocks the handler for `ms` milliseconds.
  virtual void Wait(int ms) = 0;
  // Calls `fire` once after `ms`; the id cancels it before then.
  virtual int Once(int ms, std::function<void()> fire) = 0;
  virtual void Cancel(int id) = 0;
  // The wall clock in milliseconds: seeds the sparkle.
  virtual qint64 NowMs() const = 0;
};

// The real clock: window timers and a plain sleep.
class QtShowTime : public ShowTime {
 public:
  explicit QtShowTime(QObject* parent = nullptr);
  ~QtShowTime() override;
  void StartSeconds(std::function<void()> tick) override;
  void StopSeconds() override;
  bool Running() const override { return timer_.isActive(); }
  void Wait(int ms) override;
  int Once(int ms, std::function<void()> fire) override;
  void Cancel(int id) override;
  qint64 NowMs() const override;

 private:
  QTimer timer_;
  std::function<void()> tick_;
  std::map<int, std::unique_ptr<QTimer>> once_;
  int lastId_ = 0;
};
