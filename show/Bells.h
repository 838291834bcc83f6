// The two timed bells of the automatic rehearsal: a sound and a blinking
// picture in the bottom-left corner.
#pragma once

#include <QImage>
#include <QPoint>
#include <QSize>
#include <array>
#include <memory>

inline constexpr int kBell1Countdown = 6;   // picture shown 3 times
inline constexpr int kBell2Countdown = 20;  // picture shown 10 times
inline constexpr QSize kBellPictureSize(95, 74);

struct BellState {
  bool blinking = false;
  int countdown = 0;
  bool visible = false;
};

void StartBlinking(BellState& bell, int countdown);
// One second of blinking: on while the countdown is odd, off for good at 0.
void StepBlinking(BellState& bell);

// Where the picture sits on a screen of height `screenHeight`.
inline QPoint BellPicturePosition(int screenHeight) { return QPoint(20, screenHeight - 94); }

// The bell picture with its white background made transparent.
QImage BellPicture();

// Plays bell 1 or 2 without waiting for it.
class BellPlayer {
 public:
  virtual ~BellPlayer() = default;
  virtual void Play(int bell) = 0;
};

class QSoundEffect;

// The bell sounds from the program's resources. Nothing is opened until a
// bell rings, and a machine without an audio device simply stays silent.
class QtBellPlayer : public BellPlayer {
 public:
  QtBellPlayer();
  ~QtBellPlayer() override;
  void Play(int bell) override;

 private:
  std::array<std::unique_ptr<QSoundEffect>, 2> effects_;
};
