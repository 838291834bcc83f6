#include "show/ShowTime.h"

#include <QDateTime>
#include <QThread>

QtShowTime::QtShowTime(QObject* parent) : timer_(parent) {
  timer_.setInterval(1000);
  QObject::connect(&timer_, &QTimer::timeout, [this] {
    if (tick_) tick_();
  });
}

QtShowTime::~QtShowTime() = default;

void QtShowTime::StartSeconds(std::function<void()> tick) {
  tick_ = std::move(tick);
  timer_.start();
}

void QtShowTime::StopSeconds() { timer_.stop(); }

// Input and timer ticks wait while a transition plays, as they always did.
void QtShowTime::Wait(int ms) { QThread::msleep(static_cast<unsigned long>(ms)); }

int QtShowTime::Once(int ms, std::function<void()> fire) {
  const int id = ++lastId_;
  auto timer = std::make_unique<QTimer>();
  timer->setSingleShot(true);
  // The timer is dropped before `fire` runs, so `fire` may start another.
  QObject::connect(timer.get(), &QTimer::timeout, [this, id, fire = std::move(fire)] {
    const std::function<void()> run = fire;
    if (auto it = once_.find(id); it != once_.end()) {
      it->second.release()->deleteLater();
      once_.erase(it);
    }
    run();
  });
  timer->start(ms);
  once_[id] = std::move(timer);
  return id;
}

void QtShowTime::Cancel(int id) { once_.erase(id); }

qint64 QtShowTime::NowMs() const { return QDateTime::currentMSecsSinceEpoch(); }
