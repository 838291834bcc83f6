#include "app/KansetValues.h"

#include <algorithm>

#include "base/Settings.h"

int ClampObjectSize(int px) { return std::clamp(px, kMinObjectSize, kMaxObjectSize); }

int AutoCngChoice(int seconds) {
  const auto* it = std::find(kAutoCngChoices.begin(), kAutoCngChoices.end(), seconds);
  return it == kAutoCngChoices.end() ? int(kAutoCngChoices.size()) - 1
                                     : int(it - kAutoCngChoices.begin());
}

int AnimeSpinValue(int playAnime) {
  return playAnime == 0 ? 3 : std::clamp(playAnime, 1, kMaxAnimeCount);
}

int SpeedChoice(int speedAnime) {
  return speedAnime >= 0 && speedAnime < kAnimeSpeeds ? speedAnime : 0;
}

KansetValues LoadKanset(const AnimeGuide& app) {
  KansetValues v;
  v.firstOpen = GetInt(sys::FirstOpen) != 0;
  v.imageW = ClampObjectSize(GetInt(sys::ImageW));
  v.objW = ClampObjectSize(GetInt(sys::ObjW));
  v.objH = ClampObjectSize(GetInt(sys::ObjH));
  v.autoCng = kAutoCngChoices[AutoCngChoice(GetInt(sys::AutoCng))];
  v.playAnime = app.playAnime <= 0 ? 0 : std::min(app.playAnime, kMaxAnimeCount);
  v.speedAnime = SpeedChoice(app.speedAnime);
  v.makeBackup = GetInt(sys::MakeBackup) != 0;
  v.dspGuide = app.dspGuide != 0;
  return v;
}

KansetValues CollectKanset(bool firstOpen, int imageW, int objW, int objH, int autoCngChoice,
                           bool animeChecked, int animeCount, int speedChoice, bool makeBackup,
                           bool dspGuide) {
  KansetValues v;
  v.firstOpen = firstOpen;
  v.imageW = ClampObjectSize(imageW);
  v.objW = ClampObjectSize(objW);
  v.objH = ClampObjectSize(objH);
  const int last = int(kAutoCngChoices.size()) - 1;
  v.autoCng = kAutoCngChoices[std::clamp(autoCngChoice, 0, last)];
  v.playAnime = animeChecked ? std::clamp(animeCount, 1, kMaxAnimeCount) : 0;
  v.speedAnime = SpeedChoice(speedChoice);
  v.makeBackup = makeBackup;
  v.dspGuide = dspGuide;
  return v;
}

AnimeGuide SaveKanset(const KansetValues& v) {
  SettingsBatch store;
  store.WriteInt(sys::FirstOpen, v.firstOpen ? 1 : 0);
  store.WriteInt(sys::ImageW, v.imageW);
  store.WriteInt(sys::ObjW, v.objW);
  store.WriteInt(sys::ObjH, v.objH);
  store.WriteInt(sys::AutoCng, v.autoCng);
  store.WriteInt(sys::MakeBackup, v.makeBackup ? 1 : 0);
  return {v.playAnime, v.speedAnime, v.dspGuide ? 1 : 0};
}
