// The two timed bells of the automatic rehearsal: a sound and a blinking
// picture in the bottom-left corner.
#pragma once

#include <QImage>
#include <QPoint>
#include <QSize>
#include <QString>
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

// The bell sounds, played by the bell module "libtessaly_bells.so" found in
// `folder` (the program's folder when empty). The module and the sound
// libraries under it are loaded when a bell first rings, never at start-up;
// without the module or an audio device the bells stay silent.
class QtBellPlayer : public BellPlayer {
 public:
  explicit QtBellPlayer(QString folder = {});
  ~QtBellPlayer() override;
  void Play(int bell) override;

  static const char kModuleName[];

 private:
  QString folder_;
  bool loaded_ = false;
  std::unique_ptr<BellPlayer> sounds_;
};
