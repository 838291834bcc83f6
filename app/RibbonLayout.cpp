#include "app/RibbonLayout.h"

#include <algorithm>
#include <iterator>

namespace {

using C = RibbonControl;

constexpr char kInsert[] = "挿入";
constexpr char kText[] = "文字";
constexpr char kAlign[] = "文字揃え・行間";
constexpr char kMargin[] = "余白";
constexpr char kFill[] = "背景色・線";
constexpr char kEnd[] = "終端";
constexpr char kShadow[] = "影";
constexpr char kPlace[] = "位置・サイズ";
constexpr char kShow[] = "プレゼン";
constexpr char kEdit[] = "編集";

// Next and previous slide and the text dialog carry tooltips of their own,
// so they have a place here too. The fill colour's drop-down holds only "no
// fill"; gradient, text-in-text and the second fill colour are buttons of
// their own beside it. The line colour's drop-down holds only "no line".
// The slide button also copies, pastes and deletes slides; the 編集 panel
// carries the clipboard, order and guide commands of the view's keys and
// right-click menus, so that no menu bar is needed.
constexpr RibbonEntry kHome[] = {
    {kInsert, 518, "ID_ADD_PAGE", C::SplitLarge, "N"},
    {kInsert, 521, "ID_ADD_MAE", C::Item, ""},
    {kInsert, 522, "ID_ADD_ATO", C::Item, ""},
    {kInsert, 543, "ID_ADD_TAIL", C::Item, ""},
    {kInsert, 539, "ID_PAGE_COPY", C::Item, ""},
    {kInsert, 621, "ID_PAGE_PASTE_CUR", C::Item, ""},
    {kInsert, 523, "ID_PAGE_DELETE", C::Item, ""},
    {kInsert, 537, "ID_PREV_SLIDE", C::Small, "P"},
    {kInsert, 536, "ID_NEXT_SLIDE", C::Small, "X"},
    {kInsert, 462, "ID_RIBBON_PBTN_1", C::Gallery, "O"},
    {kText, 327, "ID_TEXT_DLG", C::Small, "D"},
    {kText, 310, "ID_FONT_NAME", C::Font, "FF"},
    {kText, 32798, "ID_FONT_SIZE", C::Number, "FS"},
    {kText, 315, "ID_FONT_BOLD", C::Toggle, "1"},
    {kText, 316, "ID_FONT_ITALIC", C::Toggle, "2"},
    {kText, 317, "ID_FONT_DEL", C::Toggle, "3"},
    {kText, 318, "ID_FONT_UNDER", C::Toggle, "4"},
    {kText, 320, "ID_FONT_COL", C::Colour, "FC"},
    {kText, 329, "ID_FONT_BK", C::Colour, "FK"},
    {kText, 613, "ID_FONT_BK_COL_NON", C::Item, ""},
    {kAlign, 321, "ID_V_TOP", C::Toggle, "AT"},
    {kAlign, 322, "ID_V_CEN", C::Toggle, "AM"},
    {kAlign, 323, "ID_V_BTM", C::Toggle, "AB"},
    {kAlign, 374, "ID_LINE_UP", C::Small, "K"},
    {kAlign, 375, "ID_LINE_DOWN", C::Small, "J"},
    {kAlign, 324, "ID_H_LEFT", C::Toggle, "AL"},
    {kAlign, 325, "ID_H_CEN", C::Toggle, "AC"},
    {kAlign, 326, "ID_H_RIGHT", C::Toggle, "AR"},
    {kAlign, 502, "ID_CHAR_WIDE", C::Small, "CW"},
    {kAlign, 503, "ID_CHAR_NARROW", C::Small, "CN"},
    {kAlign, 373, "ID_WORD_WRAP", C::Toggle, "W"},
    {kMargin, 311, "ID_MARGIN_L", C::Number, "ML"},
    {kMargin, 312, "ID_MARGIN_R", C::Number, "MR"},
    {kMargin, 313, "ID_MARGIN_T", C::Number, "MT"},
    {kMargin, 314, "ID_MARGIN_B", C::Number, "MB"},
    {kFill, 394, "ID_BK_COL", C::Colour, "I"},
    {kFill, 614, "ID_BK_COL_NON", C::Item, ""},
    {kFill, 504, "ID_SEL_GRADE", C::Small, "G"},
    {kFill, 515, "ID_SET_CHARA", C::Small, "Q"},
    {kFill, 532, "ID_SECOND_BK", C::Small, "Y"},
    {kFill, 32815, "ID_LINE_COL", C::Colour, "LC"},
    {kFill, 615, "ID_LINE_COL_NON", C::Item, ""},
    {kFill, 32816, "ID_LINE_SIZE", C::Number, "LW"},
    {kFill, 32775, "ID_LINE_STYLE", C::SplitSmall, "LS"},
    {kFill, 32817, "ID_LINE_SOLID", C::Item, ""},
    {kFill, 32818, "ID_LINE_DOT", C::Item, ""},
    {kFill, 32819, "ID_LINE_DASH", C::Item, ""},
    {kFill, 32859, "ID_LINE_DASHDOT", C::Item, ""},
    {kFill, 32860, "ID_LINE_DASHDOTDOT", C::Item, ""},
    {kFill, 451, "ID_LINE_DOUBLET", C::Item, ""},
    {kFill, 488, "ID_CURVE_CHANGE", C::Toggle, "V"},
    {kEnd, 338, "ID_END_COL", C::Colour, "EC"},
    {kEnd, 32874, "ID_END_STYLE", C::SplitSmall, "ES"},
    {kEnd, 340, "ID_END_STYLE0", C::Item, ""},
    {kEnd, 341, "ID_END_STYLE1", C::Item, ""},
    {kEnd, 342, "ID_END_STYLE2", C::Item, ""},
    {kEnd, 343, "ID_END_STYLE3", C::Item, ""},
    {kEnd, 392, "ID_END_LEN", C::Number, "EL"},
    {kEnd, 339, "ID_END_SIZE", C::Number, "EZ"},
    {kShadow, 526, "ID_KAGE_COL", C::Colour, "SC"},
    {kShadow, 616, "ID_KAGE_COL_NON", C::Item, ""},
    {kShadow, 529, "ID_LIGHT", C::Gallery, "SL"},
    {kShadow, 527, "ID_KAGE_X", C::Number, "SX"},
    {kShadow, 528, "ID_KAGE_Y", C::Number, "SY"},
    {kPlace, 494, "ID_ROT_BTN", C::SplitLarge, "R"},
    {kPlace, 534, "ID_ROUND_0", C::Item, ""},
    {kPlace, 489, "ID_REVERSE_H", C::Item, ""},
    {kPlace, 490, "ID_REVERSE_V", C::Item, ""},
    {kPlace, 491, "ID_ROT_90", C::Item, ""},
    {kPlace, 492, "ID_ROT_180", C::Item, ""},
    {kPlace, 493, "ID_ROT_270", C::Item, ""},
    {kPlace, 524, "ID_SEIRETU_BTN", C::SplitLarge, "Z"},
    {kPlace, 32800, "ID_TO_LEFT", C::Item, ""},
    {kPlace, 32801, "ID_TO_RIGHT", C::Item, ""},
    {kPlace, 32802, "ID_TO_TOP", C::Item, ""},
    {kPlace, 32803, "ID_TO_BOTTOM", C::Item, ""},
    {kPlace, 32804, "ID_TO_V_CEN", C::Item, ""},
    {kPlace, 32805, "ID_TO_H_CEN", C::Item, ""},
    {kPlace, 32806, "ID_TO_V_KIN", C::Item, ""},
    {kPlace, 32807, "ID_TO_H_KIN", C::Item, ""},
    {kPlace, 32787, "ID_SAME_W", C::Item, ""},
    {kPlace, 32788, "ID_SAME_H", C::Item, ""},
    {kPlace, 32875, "ID_SAME_WH", C::Item, ""},
    {kShow, 525, "ID_SHOW_BTN", C::SplitLarge, "B"},
    {kShow, 546, "ID_HONBAN_MODE", C::Item, ""},
    {kShow, 578, "ID_DURING_MODE", C::Item, ""},
    {kShow, 544, "ID_GET_TIME_MODE", C::Item, ""},
    {kShow, 545, "ID_TIME_CHANGE_MODE", C::Item, ""},
    {kShow, 572, "ID_AUTO_SETTEI", C::Large, "T"},
    {kShow, 573, "ID_SHOW_SETTEI", C::Large, "U"},
    {kEdit, 32786, "ID_EDIT_PASTE", C::Small, "HV"},
    {kEdit, 32792, "ID_EDIT_COPY", C::Small, "HC"},
    {kEdit, 32795, "ID_EDIT_DELETE", C::Small, "HD"},
    {kEdit, 347, "ID_SELECT_ALL", C::Small, "HA"},
    {kEdit, 430, "ID_TO_FRONT", C::Small, "HF"},
    {kEdit, 431, "ID_TO_BACK", C::Small, "HB"},
    {kEdit, 32797, "ID_SWAP_ORDER", C::Small, "HS"},
    {kEdit, 625, "ID_GUIDE", C::Small, "HG"},
};

constexpr char kFile[] = "ファイル";

// 印刷 is the print command the keys and the other menus know (Ctrl+P).
constexpr RibbonEntry kApplication[] = {
    {kFile, 0xE100, "ID_FILE_NEW", C::Large, "N"},
    {kFile, 0xE101, "ID_FILE_OPEN", C::Large, "O"},
    {kFile, 0xE103, "ID_FILE_SAVE", C::Large, "S"},
    {kFile, 624, "ID_HOZON_BTN", C::SplitLarge, "A"},
    {kFile, 0xE104, "ID_FILE_SAVE_AS", C::Item, ""},
    {kFile, 575, "ID_FILE_SLIDE", C::Item, ""},
    {kFile, 574, "ID_FILE_IMAGE", C::Item, ""},
    {kFile, 593, "ID_PDF_SAVE", C::Large, "F"},
    {kFile, 0xE107, "ID_FILE_PRINT", C::Large, "P"},
    {kFile, 622, "ID_SETTEI_BTN", C::SplitLarge, "M"},
    {kFile, 428, "ID_PAGE_SET", C::Item, ""},
    {kFile, 623, "ID_RECENT_KANRI", C::Item, ""},
    {kFile, 353, "ID_KAN_SET", C::Item, ""},
    {kFile, 57664, "ID_APP_ABOUT", C::Large, "V"},
    {kFile, 57665, "ID_APP_EXIT", C::Large, "X"},
};

constexpr QuickAccessEntry kQuickAccess[] = {
    {0xE100, true}, {0xE101, true}, {0xE103, true}, {0xE107, true}, {32828, false}, {32796, false},
};

constexpr char kTabRow[] = "";
constexpr RibbonEntry kTabRowButtons[] = {
    {kTabRow, 32828, "ID_UNDO", C::Small, "Z"},
    {kTabRow, 32796, "ID_REDO", C::Small, "Y"},
    {kTabRow, 541, "ID_SHOW_MENU", C::Small, "M"},
    {kTabRow, 627, "ID_VIEW_FULLSCREEN", C::Small, "U"},
    {kTabRow, 366, "ID_HELP_DSP", C::Small, "?"},
};

constexpr NumberBoxRange kNumberBoxes[] = {
    {32798, 5, 300, 11, 40}, {311, 0, 25, 1, 35}, {312, 0, 25, 1, 35}, {313, 0, 25, 1, 35},
    {314, 0, 25, 1, 35},     {32816, 1, 20, 1, 35}, {392, 2, 50, 5, 35}, {339, 2, 50, 5, 35},
    {527, 0, 20, 0, 35},     {528, 0, 20, 0, 35},
};

struct Tooltip {
  int id;
  const char* text;
};

constexpr Tooltip kTooltips[] = {
    {518, "【新しいスライド】\n新しいスライドを挿入します"},
    {536, "【次のスライド】\n次のスライドをビューに表示します"},
    {537, "【前のスライド】\n前のスライドをビューに表示します"},
    {428, "【スライドサイズ設定】\nスライドサイズ設定画面を表示します"},
    {462, "【オブジェクト】\n新しいオブジェクトを挿入します"},
    {327, "【テキスト編集】\nテキストを編集します"},
    {310, "【フォント変更】\nフォントを変更します"},
    {315, "【ボールド】\n太字と普通を切替えます"},
    {316, "【イタリック】\n斜めの字体と普通を切替えます"},
    {317, "【字消し線】\n字消し線を付ける・付けないを切替えます"},
    {318, "【アンダーライン】\n下線を付ける・付けないを切替えます"},
    {320, "【文字色】\nテキストの色を変更します"},
    {329, "【文字背景色】\nテキストの背景色を変更します"},
    {321, "【上段揃え】\n上段揃えに変更します"},
    {322, "【中段揃え】\n中段揃えに変更します"},
    {323, "【下段揃え】\n下段揃えに変更します"},
    {374, "【行間広く】\n行間を広くします"},
    {375, "【行間狭く】\n行間を狭くします"},
    {324, "【左揃え】\n左揃えに変更します"},
    {325, "【中央揃え】\n中央揃えに変更します"},
    {326, "【右揃え】\n右揃えに変更します"},
    {502, "【字間広く】\n文字間隔を広くします"},
    {503, "【字間狭く】\n文字間隔を狭くします"},
    {373, "【ワードラップ】\n行の折り返しのオン・オフを切替えます"},
    {311, "【左余白】\n左の余白を変更します"},
    {312, "【右余白】\n右の余白を変更します"},
    {313, "【上余白】\n上の余白を変更します"},
    {314, "【下余白】\n下の余白を変更します"},
    {394, "【内面色】\nオブジェクトの内面色を変更します"},
    {488, "【曲線変更】\n直線と曲線を切替えます"},
    {338, "【終端の色】\n終端の外周線色を変更します"},
    {392, "【終端の長さ】\n終端の長さを変更します"},
    {339, "【終端の大きさ】\n終端の大きさを変更します"},
    {526, "【影の色】\n影の色を変更します"},
    {529, "【光源の位置】\n影を生じさせる光源の位置を変更します"},
    {527, "【影の長さ】\n影の長さを変更します"},
    {528, "【影の高さ】\n影の高さを変更します"},
    {494, "【回転】\nオブジェクトを回転させます"},
    {524, "【整列】\nオブジェクトのサイズや位置を変更します"},
    {525, "【スライドショー】\n本番またはリハーサルを実行します"},
    {572, "【自動切替えの設定】\n自動切替え時間の設定します"},
    {32798, "【フォントサイズ】\nフォントサイズを変更します"},
    {32775, "【線の種別】\nオブジェクト枠線などの種別を変更します"},
    {573, "【スライドショーの設定】\nスライドショーの各種を設定します"},
    {32815, "【線の色】\nオブジェクト枠線などの色を変更します\n終端の場合は、外周線色を変更します"},
    {32874, "【終端の種別】\n終端の種別を変更します"},
    {32816, "【線の太さ】\nオブジェクト枠線などの太さを変更します"},
    {541, "メニューの表示と非表示を切替えます\nメニュー表示/非表示 (Ctrl+F1)"},
    {627, "ビューを全画面で表示します\nフルスクリーン (F11)"},
    {366, "取扱説明書を表示します\nヘルプ (F1)"},
};

}  // namespace

std::span<const RibbonEntry> HomeTabLayout() { return kHome; }
std::span<const RibbonEntry> ApplicationMenuLayout() { return kApplication; }
std::span<const QuickAccessEntry> QuickAccessLayout() { return kQuickAccess; }
std::span<const RibbonEntry> TabRowLayout() { return kTabRowButtons; }
std::span<const NumberBoxRange> NumberBoxes() { return kNumberBoxes; }

const NumberBoxRange* FindNumberBox(int id) {
  const auto it = std::find_if(std::begin(kNumberBoxes), std::end(kNumberBoxes),
                               [id](const NumberBoxRange& n) { return n.id == id; });
  return it == std::end(kNumberBoxes) ? nullptr : it;
}

const char* RibbonTooltip(int id) {
  for (const Tooltip& t : kTooltips)
    if (t.id == id) return t.text;
  return nullptr;
}
