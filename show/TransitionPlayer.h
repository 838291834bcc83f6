// Plays a slide's transition frame by frame inside the handler.
#pragma once

#include <QImage>

// What a transition needs from the window.
class TransitionScreen {
 public:
  virtual ~TransitionScreen() = default;
  // The current image holds a frame: put it on the screen now.
  virtual void ShowFrame() = 0;
  // A full repaint with the background cleared.
  virtual void Repaint() = 0;
  virtual void Wait(int ms) = 0;
};

// The first half of the fade pattern: `previous` fades to black in `current`.
bool PlayFadeOut(const QImage& previous, QImage& current, TransitionScreen& screen);

// Plays `pattern` from `previous` to the slide already drawn in `current`.
// `current` ends holding the slide exactly as drawn. Returns false when
// nothing was played (direct pattern, unknown value, unusable images): the
// caller then just repaints.
bool PlayTransition(int pattern, QImage& previous, QImage& current, TransitionScreen& screen);
