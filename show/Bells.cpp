#include "show/Bells.h"

#include <QCoreApplication>
#include <QLibrary>
#include <utility>

void StartBlinking(BellState& bell, int countdown) {
  bell.blinking = true;
  bell.countdown = countdown;
}

void StepBlinking(BellState& bell) {
  if (!bell.blinking) return;
  --bell.countdown;
  if (bell.countdown <= 0) {
    bell = BellState{};
    return;
  }
  bell.visible = bell.countdown % 2 == 1;
}

QImage BellPicture() {
  QImage picture(QStringLiteral(":/show/bell.png"));
  if (picture.isNull()) return picture;
  picture = picture.convertToFormat(QImage::Format_ARGB32);
  for (int y = 0; y < picture.height(); ++y) {
    auto* row = reinterpret_cast<QRgb*>(picture.scanLine(y));
    for (int x = 0; x < picture.width(); ++x)
      if ((row[x] & 0xFFFFFFu) == 0xFFFFFFu) row[x] = 0;
  }
  return picture;
}

const char QtBellPlayer::kModuleName[] = "libtessaly_bells.so";

QtBellPlayer::QtBellPlayer(QString folder) : folder_(std::move(folder)) {}

QtBellPlayer::~QtBellPlayer() = default;  // the module stays loaded for the process

void QtBellPlayer::Play(int bell) {
  if (!loaded_) {
    loaded_ = true;
    const QString folder = folder_.isEmpty() ? QCoreApplication::applicationDirPath() : folder_;
    using Make = BellPlayer* (*)();
    if (const auto make = reinterpret_cast<Make>(QLibrary::resolve(folder + '/' + kModuleName, "TessalyBellSounds")))
      sounds_.reset(make());
  }
  if (sounds_) sounds_->Play(bell);
}
