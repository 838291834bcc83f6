#include "show/ShowTime.h"

#include <QThread>

QtShowTime::QtShowTime(QObject* parent) : timer_(parent) {
  timer_.setInterval(1000);
  QObject::connect(&timer_, &QTimer::timeout, [this] {
    if (tick_) tick_();
  });
}

void QtShowTime::StartSeconds(std::function<void()> tick) {
  tick_ = std::move(tick);
  timer_.start();
}

void QtShowTime::StopSeconds() { timer_.stop(); }

// Input and timer ticks wait while a transition plays, as they always did.
void QtShowTime::Wait(int ms) { QThread::msleep(static_cast<unsigned long>(ms)); }
