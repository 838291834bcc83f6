// Watches an X display from outside for the first pixels a new top-level
// window puts on the screen, through the DAMAGE extension: start-up timing
// that does not trust the program's own word.
#pragma once

#include <chrono>
#include <memory>

class XPaintWatcher {
 public:
  // Connects to $DISPLAY; Ok() is false without a display or the extension.
  XPaintWatcher();
  ~XPaintWatcher();
  XPaintWatcher(const XPaintWatcher&) = delete;
  XPaintWatcher& operator=(const XPaintWatcher&) = delete;

  bool Ok() const;
  // Forgets windows seen so far; call before starting the program.
  void Reset();
  // Waits until a mapped top-level window created since Reset() is drawn
  // into, and returns when that was seen; nothing after `timeout`.
  bool WaitForFirstPaint(std::chrono::milliseconds timeout, std::chrono::steady_clock::time_point* seen);

 private:
  struct State;
  std::unique_ptr<State> state_;
};
