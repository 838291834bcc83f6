#include "show/TransitionPlayer.h"

#include "show/ShowSettings.h"
#include "show/Transitions.h"

namespace {

bool Usable(const QImage& previous, const QImage& current) {
  return TransitionFormatSupported(current) && previous.size() == current.size() &&
         previous.format() == current.format();
}

bool PlayFadeIn(QImage& previous, QImage& current, TransitionScreen& screen) {
  const QImage slide = current.copy();
  if (slide.isNull()) return false;
  previous.fill(Qt::black);
  for (int k = 0; k < kFadeFrames; ++k) {
    FadeInFrame(slide, k, current);
    screen.ShowFrame();
  }
  return true;
}

bool PlayCrossFade(const QImage& previous, QImage& current, TransitionScreen& screen) {
  const QImage slide = current.copy();
  if (slide.isNull()) return false;
  for (int w = 0; w < kCrossFadeFrames; ++w) {
    CrossFadeFrame(previous, slide, w, current);
    screen.ShowFrame();
  }
  screen.Repaint();
  return true;
}

// Only the newly uncovered lines are copied between two screen updates.
bool PlayWipe(WipeFrom from, const QImage& previous, QImage& current, TransitionScreen& screen) {
  const QImage slide = current.copy();
  if (slide.isNull()) return false;
  current = previous.copy();
  if (current.isNull()) {
    current = slide;
    return false;
  }
  int done = 0;
  for (int lines : WipeSteps(from, slide.size())) {
    CopyWipeLines(slide, from, done, lines, current);
    done = lines;
    screen.ShowFrame();
  }
  return true;
}

bool PlayInterlace(QImage& current, TransitionScreen& screen) {
  const QImage slide = current.copy();
  if (slide.isNull()) return false;
  for (int f = 0; f < kInterlaceFrames; ++f) {
    InterlaceFrame(slide, f, current);
    screen.ShowFrame();
    screen.Wait(kInterlaceWaitMs);
  }
  current = slide;
  screen.Repaint();
  return true;
}

}  // namespace

bool PlayFadeOut(const QImage& previous, QImage& current, TransitionScreen& screen) {
  if (!Usable(previous, current)) return false;
  for (int k = 0; k < kFadeFrames; ++k) {
    FadeOutFrame(previous, k, current);
    screen.ShowFrame();
  }
  return true;
}

bool PlayTransition(int pattern, QImage& previous, QImage& current, TransitionScreen& screen) {
  if (!Usable(previous, current)) return false;
  switch (pattern) {
    case TransitionFade: return PlayFadeIn(previous, current, screen);
    case TransitionCrossFade: return PlayCrossFade(previous, current, screen);
    case TransitionWipeTop: return PlayWipe(WipeFrom::Top, previous, current, screen);
    case TransitionWipeBottom: return PlayWipe(WipeFrom::Bottom, previous, current, screen);
    case TransitionWipeLeft: return PlayWipe(WipeFrom::Left, previous, current, screen);
    case TransitionWipeRight: return PlayWipe(WipeFrom::Right, previous, current, screen);
    case TransitionInterlace: return PlayInterlace(current, screen);
    default: return false;
  }
}
