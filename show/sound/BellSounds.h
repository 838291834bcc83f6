// The bell sounds through Qt Multimedia. Tessaly reaches this code only
// through the bell module (QtBellPlayer loads it when a bell first rings), so
// the sound libraries cost nothing at start-up; the player links it directly.
#pragma once

#include <array>
#include <memory>

#include "show/Bells.h"

class QSoundEffect;

// The bell sounds from the program's resources. Nothing is opened until a
// bell rings, and a machine without an audio device simply stays silent.
class BellSounds : public BellPlayer {
 public:
  BellSounds();
  ~BellSounds() override;
  void Play(int bell) override;

 private:
  std::array<std::unique_ptr<QSoundEffect>, 2> effects_;
};
