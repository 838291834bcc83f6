#include "show/sound/BellSounds.h"

#include <QEventLoop>
#include <QSoundEffect>
#include <QTimer>
#include <QUrl>

BellSounds::BellSounds() = default;

// Qt's shared sample cache deadlocks at process exit when a sample is still
// being decoded, so a bell that was just rung finishes loading before it goes.
BellSounds::~BellSounds() {
  for (const std::unique_ptr<QSoundEffect>& effect : effects_) {
    if (!effect || effect->status() != QSoundEffect::Loading) continue;
    QEventLoop loop;
    QTimer::singleShot(2000, &loop, &QEventLoop::quit);
    QObject::connect(effect.get(), &QSoundEffect::statusChanged, &loop, &QEventLoop::quit);
    if (effect->status() == QSoundEffect::Loading) loop.exec();
  }
}

void BellSounds::Play(int bell) {
  if (bell != 1 && bell != 2) return;
  auto& effect = effects_[static_cast<size_t>(bell - 1)];
  if (!effect) {
    effect = std::make_unique<QSoundEffect>();
    effect->setSource(QUrl(bell == 1 ? QStringLiteral("qrc:/show/bell1.wav")
                                     : QStringLiteral("qrc:/show/bell2.wav")));
  }
  effect->play();
}
