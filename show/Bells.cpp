#include "show/Bells.h"

#include <QEventLoop>
#include <QSoundEffect>
#include <QTimer>
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

// Qt's shared sample cache deadlocks at process exit when a sample is still
// being decoded, so a bell that was just rung finishes loading before it goes.
QtBellPlayer::~QtBellPlayer() {
  for (const std::unique_ptr<QSoundEffect>& effect : effects_) {
    if (!effect || effect->status() != QSoundEffect::Loading) continue;
    QEventLoop loop;
    QTimer::singleShot(2000, &loop, &QEventLoop::quit);
    QObject::connect(effect.get(), &QSoundEffect::statusChanged, &loop, &QEventLoop::quit);
    if (effect->status() == QSoundEffect::Loading) loop.exec();
  }
}

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
