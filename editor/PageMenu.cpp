#include "editor/PageMenu.h"

#include "core/Records.h"
#include "editor/PageLayout.h"

namespace {

constexpr TransitionItem kTransitions[] = {
    {0, "ダイレクト", 583},        {1, "フェードイン・アウト", 582}, {2, "クロス・フェード", 584},
    {10, "ワイプ(上から)", 585},   {11, "ワイプ(下から)", 586},     {12, "ワイプ(左から)", 587},
    {13, "ワイプ(右から)", 588},   {20, "インターレス", 589},
};

constexpr PageMenuItem kThumbMenu[] = {
    {ID_ADD_MAE, "前に新しいスライドを追加(&B)"},
    {ID_ADD_ATO, "後に新しいスライドを追加(&A)"},
    {0, nullptr},
    {ID_PAGE_COPY, "コピー(&C)"},
    {ID_PAGE_DELETE, "削除(&D)"},
    {0, nullptr},
    {582, "フェードイン・アウト"},
    {583, "ダイレクト"},
    {584, "クロス・フェード"},
    {585, "ワイプ(上から)"},
    {586, "ワイプ(下から)"},
    {587, "ワイプ(左から)"},
    {588, "ワイプ(右から)"},
    {589, "インターレス"},
    {0, nullptr},
    {ID_LIST_BACK_COL, "背景色の変更(&B)"},
};

constexpr PageMenuItem kGapMenu[] = {
    {ID_PAGE_PASTE, "貼り付け(&P)"},
    {ID_ADD_GAP, "新しいスライドを追加(&A)"},
    {0, nullptr},
    {ID_LIST_BACK_COL, "背景色の変更(&B)"},
};

constexpr PageMenuItem kEmptyMenu[] = {
    {ID_ADD_TAIL, "新しいスライドを追加(&A)"},
    {ID_PAGE_PASTE, "貼り付け(&P)"},
    {0, nullptr},
    {ID_LIST_BACK_COL, "背景色の変更(&B)"},
};

}  // namespace

std::span<const TransitionItem> Transitions() { return kTransitions; }

const char* TransitionName(std::uint16_t code) {
  for (const TransitionItem& t : kTransitions)
    if (t.code == code) return t.name;
  return "";
}

PageArea PageAreaAt(const PageLayout& layout, QPoint strip) {
  if (layout.collapsed || !layout.InBand(strip.y())) return PageArea::None;
  if (layout.ThumbAt(strip) >= 0) return PageArea::Thumb;
  if (layout.GapAt(strip.x()) >= 0) return PageArea::Gap;
  return strip.x() >= layout.count * layout.Step() ? PageArea::Empty : PageArea::None;
}

std::span<const PageMenuItem> PageMenuItems(PageArea area) {
  switch (area) {
    case PageArea::Thumb: return kThumbMenu;
    case PageArea::Gap: return kGapMenu;
    case PageArea::Empty: return kEmptyMenu;
    case PageArea::None: break;
  }
  return {};
}

bool PageItemGreyed(int id, int slideCount, bool hasClip) {
  switch (id) {
    case ID_PAGE_PASTE:
    case ID_PAGE_PASTE_CUR: return !hasClip || slideCount >= kMaxSlides;
    case ID_ADD_MAE:
    case ID_ADD_ATO:
    case ID_ADD_TAIL:
    case ID_ADD_GAP:
    case ID_PAGE_COPY: return slideCount >= kMaxSlides;
    case ID_PAGE_DELETE: return slideCount < 2;
    default: return false;
  }
}
