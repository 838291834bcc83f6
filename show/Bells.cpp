#include "show/Bells.h"

#include <QSoundEffect>
#include <QUrl>

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

QtBellPlayer::QtBellPlayer() = default;
QtBellPlayer::~QtBellPlayer() = default;

void QtBellPlayer::Play(int bell) {
  if (bell != 1 && bell != 2) return;
  auto& effect = effects_[static_cast<size_t>(bell - 1)];
  if (!effect) {
    effect = std::make_unique<QSoundEffect>();
    effect->setSource(QUrl(bell == 1 ? QStringLiteral("qrc:/show/bell1.wav")
                                     : QStringLiteral("qrc:/show/bell2.wav")));
  }
  effect->play();
}
