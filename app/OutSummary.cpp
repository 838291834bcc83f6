#include "app/OutSummary.h"

#include <QFileInfo>
#include <algorithm>

#include "base/Cp932.h"
#include "core/Records.h"
#include "show/ShowSettings.h"

namespace {

QString U(const char* utf8) { return QString::fromUtf8(utf8); }

}  // namespace

OutSummary SummaryOf(const DocHeader& h) {
  OutSummary s;
  s.slides = U("%1 枚").arg(h.SlideCount);
  s.menu = h.MenuMode == 0   ? U("メニューを表示しない")
           : h.MenuMode == 1 ? U("常に表示する")
                             : U("最初の %1 秒間").arg(h.MenuMode);
  s.repeat = h.RepeatOnce == 0 ? U("連続に繰り返す") : U("%1 回のみ").arg(h.RepeatOnce);
  s.enlarge = h.NoEnlarge != 0 ? U("拡大しない") : U("拡大する");
  s.autoSwitch = h.AutoSwitch != 0 ? U("する") : U("しない");
  s.endText = DecodeCp932Buffer(h.EndText, sizeof h.EndText).replace('@', '\n');
  return s;
}

std::vector<OutRow> SlideRowsOf(const DocHeader& h) {
  std::vector<OutRow> rows;
  int total = 0;
  for (int i = 0; i < std::min<int>(h.SlideCount, kMaxSlides); ++i) {
    total += h.SwitchTime[i];
    rows.push_back({QString::number(i + 1), DurationText(h.SwitchTime[i]), DurationText(total),
                    TransitionName(h.Transition[i])});
  }
  return rows;
}

QString DurationText(int seconds) {
  if (seconds < 3600) return QString::asprintf("%02d:%02d", seconds / 60, seconds % 60);
  return QString::asprintf("%02d:%02d:%02d", seconds / 3600, seconds / 60 % 60, seconds % 60);
}

QString TransitionName(int pattern) {
  static const struct {
    int pattern;
    const char* name;
  } kNames[] = {
      {TransitionDirect, "ダイレクト"},          {TransitionFade, "フェードイン・アウト"},
      {TransitionCrossFade, "クロス・フェード"}, {TransitionWipeTop, "ワイプ（上から）"},
      {TransitionWipeBottom, "ワイプ（下から）"}, {TransitionWipeLeft, "ワイプ（左から）"},
      {TransitionWipeRight, "ワイプ（右から）"},  {TransitionInterlace, "インターレス"},
  };
  for (const auto& row : kNames)
    if (row.pattern == pattern) return U(row.name);
  return QString();
}

QString PackageProposal(const QString& field, const QString& documentPath) {
  const QFileInfo info(field.isEmpty() ? documentPath : field);
  const QString base = info.completeBaseName().isEmpty() ? info.fileName() : info.completeBaseName();
  return base + ".run";
}
