#include "player/PlayerStrings.h"

#include <algorithm>
#include <iterator>

#include "base/MessageSink.h"
#include "show/package/PlayerMessageIds.h"

namespace {

struct Entry {
  int id;
  const char8_t* text;
};

// Sorted by id.
constexpr Entry kStrings[] = {
    {playermsg::NoMemory, u8"メモリの確保に失敗"},
    {playermsg::RunAlone, u8"このファイルを単体で実行することはできません"},
    {playermsg::OpenFailed, u8"ファイルのオープンに失敗"},
    {playermsg::NoImage, u8"イメージの取得に失敗"},
    {playermsg::ImageTypeRefused, u8"このイメージタイプはセットできません"},
};

}  // namespace

std::optional<QString> PlayerString(int id) {
  const auto it = std::lower_bound(std::begin(kStrings), std::end(kStrings), id,
                                   [](const Entry& e, int wanted) { return e.id < wanted; });
  if (it == std::end(kStrings) || it->id != id) return std::nullopt;
  return QString::fromUtf8(reinterpret_cast<const char*>(it->text));
}

int ShowPlayerFailure(const Failure& failure) {
  const std::optional<QString> text = PlayerString(failure.id);
  if (!text) return 0;
  return ShowMessageText(failure.id, nullptr, failure.detail, *text, failure.style);
}
