// The ribbon's layout: which command sits where, as what kind of control,
// with its key tip and tooltip. Labels and enabled states are the command
// registry's; the ribbon only arranges the registered commands.
#pragma once

#include <span>

enum class RibbonControl {
  Large,       // a large button
  Small,       // a small button
  Toggle,      // a small button that shows its state
  SplitLarge,  // a large button with a drop-down of the items after it
  SplitSmall,  // a small button with a drop-down of the items after it
  Item,        // an entry in the drop-down of the split or colour button before it
  Colour,      // a colour button with its palette (and any items after it)
  Number,      // a number box
  Font,        // the font-name box
  Gallery,     // a button that drops down a gallery of icons
};

struct RibbonEntry {
  const char* panel;  // the panel's title
  int id;
  const char* name;   // the command's ID_ name
  RibbonControl control;
  const char* keyTip;  // empty for items: their menus take the labels' &-letters
};

// The ホーム tab, panel by panel, in order.
std::span<const RibbonEntry> HomeTabLayout();

// The application button's menu; Item entries belong to the submenu before them.
std::span<const RibbonEntry> ApplicationMenuLayout();

// The quick-access toolbar; `shown` false for the commands hidden by default.
struct QuickAccessEntry {
  int id;
  bool shown;
};
std::span<const QuickAccessEntry> QuickAccessLayout();

// The buttons at the right end of the tab row.
std::span<const RibbonEntry> TabRowLayout();

// A number box's range, its value before any object is shown, and its width.
struct NumberBoxRange {
  int id;
  int min;
  int max;
  int initial;
  int width;
};
const NumberBoxRange* FindNumberBox(int id);
std::span<const NumberBoxRange> NumberBoxes();

// The ribbon tooltip of command `id` ("【title】\ndescription"), or null.
const char* RibbonTooltip(int id);

// The tab's label.
inline constexpr char kHomeTabLabel[] = "ホーム   WClick , Ctrl+F1";
// The font box starts with this face, 110 pixels wide.
inline constexpr char kInitialFontName[] = "Meiryo UI";
inline constexpr int kFontBoxWidth = 110;
