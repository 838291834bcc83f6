#include "editor/factory/Requests.h"

#include <iterator>

#include "core/Records.h"

namespace {

using namespace objkind;
constexpr std::uint16_t F = objclass::Figure;
constexpr TextRule E = TextRule::Empty;
constexpr AskCount No = AskCount::No;

constexpr ObjectRequest kRequests[] = {
    {u8"直線", F, Line, 0, 0, false, E, nullptr, No},
    {u8"直線(矢付き)", F, Line, 1, 0, false, E, nullptr, No},
    {u8"曲線", F, Line, 2, 0, false, E, nullptr, No},
    {u8"曲線(矢付き)", F, Line, 3, 0, false, E, nullptr, No},
    {u8"カギ線", F, Line, 4, 0, false, E, nullptr, No},
    {u8"カギ線(矢付き)", F, Line, 5, 0, false, E, nullptr, No},
    {u8"三角形", F, Polygon, 6, 0, false, E, nullptr, No},
    {u8"正方形", F, Polygon, 7, 0, false, E, nullptr, No},
    {u8"長方形", F, Polygon, 8, 4, false, E, nullptr, No},
    {u8"角の丸い四角形", F, RoundRect, 0, 0, false, E, nullptr, No},
    {u8"正円", F, Ellipse, 10, 0, false, E, nullptr, No},
    {u8"楕円", F, Ellipse, 11, 0, false, E, nullptr, No},
    {u8"多角形", F, Polygon, 0, 0, false, E, nullptr, AskCount::Polygon},
    {u8"星型", F, Star, 0, 0, false, E, nullptr, AskCount::Star},
    {u8"処理枠", F, Job, 0, 0, false, E, nullptr, No},
    {u8"メモ用紙", F, Memo, 0, 0, false, E, nullptr, No},
    {u8"矢印", F, Arrow, 0, 0, false, E, nullptr, No},
    {u8"Ｌ字型矢印", F, CurveLArrow, 0, 0, false, E, nullptr, No},
    {u8"カーブ矢印", F, CurveArrow, 0, 0, false, E, nullptr, No},
    {u8"円柱", F, Cylinder, 0, 0, false, E, nullptr, No},
    {u8"長方体", F, Cube, 0, 0, false, E, nullptr, No},
    {u8"ボタン", F, Button, 0, 0, false, E, nullptr, No},
    {u8"ピラミッド", F, Pyramid, 0, 0, false, E, nullptr, No},
    {u8"吹き出し(長方形)", F, SlipRect, 0, 0, false, E, nullptr, No},
    {u8"吹き出し(角の丸い四角形)", F, SlipRound, 0, 0, false, E, nullptr, No},
    {u8"吹き出し(雲形)", F, SlipCloud, 0, 0, false, E, nullptr, No},
    {u8"吹き出し(単純雲形)", F, SlipSCloud, 0, 0, false, E, nullptr, No},
    {u8"テキスト", F, Polygon, 8, 4, true, TextRule::GivenOrPrompt, u8"Ｗクリックしてテキストを入力", No},
    {u8"イメージ", objclass::Image, objkind::Image, 8, 4, false, E, nullptr, No},
    {u8"デザインテキスト", objclass::DText, DText, 0, 4, false, TextRule::Fixed, u8"デザイン・テキスト", No},
    {u8"ポリゴン文字", F, Char, 0, 4, false, E, nullptr, No},
};
static_assert(std::size(kRequests) == kRequestCount);

}  // namespace

const ObjectRequest* FindRequest(int request) {
  return request >= 0 && request < kRequestCount ? &kRequests[request] : nullptr;
}
