// The slide list's commands, its context menus and the transition names: the
// tables the list widget reads, without a widget.
#pragma once

#include <QPoint>
#include <cstdint>
#include <span>

struct PageLayout;

inline constexpr int ID_LIST_BACK_COL = 520;
inline constexpr int ID_ADD_MAE = 521;
inline constexpr int ID_ADD_ATO = 522;
inline constexpr int ID_PAGE_DELETE = 523;
inline constexpr int ID_PAGE_COPY = 539;
inline constexpr int ID_PAGE_PASTE = 540;  // at the right-click gap, or the end
inline constexpr int ID_ADD_TAIL = 543;
inline constexpr int ID_ADD_GAP = 576;
inline constexpr int ID_PAGE_PASTE_CUR = 621;  // Ctrl+V: at the current slide
inline constexpr int ID_PAGE_SET = 428;

struct TransitionItem {
  std::uint16_t code;
  const char* name;
  int id;  // the command that sets it
};
std::span<const TransitionItem> Transitions();
// The name of transition `code`; empty for an unknown code.
const char* TransitionName(std::uint16_t code);

// Where a right click on the strip lands.
enum class PageArea { None, Thumb, Gap, Empty };
PageArea PageAreaAt(const PageLayout& layout, QPoint strip);

struct PageMenuItem {
  int id;  // 0: a separator
  const char* label;
};
std::span<const PageMenuItem> PageMenuItems(PageArea area);
// Greyed: paste without a copied slide or at 100 slides, add and copy at 100
// slides, delete below 2 slides.
bool PageItemGreyed(int id, int slideCount, bool hasClip);
