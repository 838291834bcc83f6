// Command identifiers of the main window's own commands.
#pragma once

// Command identifiers of the framework's standard commands.
inline constexpr int ID_FILE_NEW = 0xE100;
inline constexpr int ID_FILE_OPEN = 0xE101;
inline constexpr int ID_FILE_SAVE = 0xE103;
inline constexpr int ID_FILE_SAVE_AS = 0xE104;
inline constexpr int ID_FILE_MRU_FILE1 = 0xE110;  // ..ID_FILE_MRU_FILE1 + 9
inline constexpr int ID_APP_EXIT = 0xE141;
// Moving between slides.
inline constexpr int ID_NEXT_SLIDE = 536;
inline constexpr int ID_PREV_SLIDE = 537;
// Text-in-text of the selected objects.
inline constexpr int ID_SET_CHARA = 515;
// The gradient of the selected objects or the background.
inline constexpr int ID_SEL_GRADE = 504;
// The shell's small dialogs.
inline constexpr int ID_KAN_SET = 353;
inline constexpr int ID_HELP_DSP = 366;
inline constexpr int ID_RECENT_KANRI = 623;
inline constexpr int ID_APP_ABOUT = 0xE140;
// Command ids of the ribbon's own commands.
inline constexpr int ID_ADD_PAGE = 518;
inline constexpr int ID_RIBBON_PBTN_1 = 462;
inline constexpr int ID_ROT_BTN = 494;
inline constexpr int ID_SEIRETU_BTN = 524;
inline constexpr int ID_SHOW_BTN = 525;
inline constexpr int ID_SETTEI_BTN = 622;
inline constexpr int ID_HOZON_BTN = 624;
inline constexpr int ID_LINE_STYLE = 32775;
inline constexpr int ID_END_STYLE = 32874;
inline constexpr int ID_SHOW_MENU = 541;
inline constexpr int ID_VIEW_FULLSCREEN = 627;
