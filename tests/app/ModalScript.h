// Drives the windows a command runs modally: each step waits until a visible
// window of the type it wants is up, then acts on it; an act that opens a
// nested modal window lets the next step run inside it. (The show goes full screen before its modal loop, so it
// is found among the windows rather than as the active modal widget.)
#pragma once

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <deque>
#include <functional>

class ModalScript {
 public:
  struct Step {
    std::function<QWidget*()> find;
    std::function<void(QWidget*)> act;
  };

  explicit ModalScript(std::deque<Step> steps) : steps_(std::move(steps)) {
    timer_.setInterval(1);
    QObject::connect(&timer_, &QTimer::timeout, [this] {
      if (steps_.empty()) return;
      QWidget* window = steps_.front().find();
      if (!window) return;
      const Step step = std::move(steps_.front());
      steps_.pop_front();
      if (steps_.empty()) timer_.stop();
      // Not inside this timer's own slot: a timer does not fire again while
      // its slot runs, and an act may open a modal window the next step wants.
      QTimer::singleShot(0, window, [act = step.act, window] { act(window); });
    });
    timer_.start();
  }
  bool Done() const { return steps_.empty(); }

  // A step on the visible window of type T.
  template <typename T>
  static Step On(std::function<void(T&)> act) {
    return {[]() -> QWidget* {
              for (QWidget* w : QApplication::topLevelWidgets())
                if (qobject_cast<T*>(w) && w->isVisible()) return w;
              return nullptr;
            },
            [act](QWidget* w) { act(*qobject_cast<T*>(w)); }};
  }

 private:
  std::deque<Step> steps_;
  QTimer timer_;
};
