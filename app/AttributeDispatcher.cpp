#include "app/AttributeDispatcher.h"

#include <algorithm>
#include <iterator>

#include "core/EditPath.h"
#include "editor/CommandRegistry.h"

namespace {

enum class Take {
  Control,  // the value its control holds
  Flip,     // the shown flag, flipped
  Set,      // `arg`, only when it changes what is shown
  Style,    // `arg`
  Up,       // the shown number plus one, at most 50
  Down,     // the shown number minus one, at least 0
  None,     // -1: no colour
};

struct AttributeCommand {
  int id;
  const char* name;
  const char* label;
  Take take;
  int arg;
};

constexpr int kMaxSpacing = 50;

constexpr AttributeCommand kCommands[] = {
    {310, "ID_FONT_NAME", "フォント", Take::Control, 0},
    {32798, "ID_FONT_SIZE", "サイズ", Take::Control, 0},
    {315, "ID_FONT_BOLD", "ボールド", Take::Flip, 0},
    {316, "ID_FONT_ITALIC", "イタリック", Take::Flip, 0},
    {317, "ID_FONT_DEL", "字消し線", Take::Flip, 0},
    {318, "ID_FONT_UNDER", "アンダーライン", Take::Flip, 0},
    {320, "ID_FONT_COL", "文字色", Take::Control, 0},
    {329, "ID_FONT_BK", "文字背景色", Take::Control, 0},
    {613, "ID_FONT_BK_COL_NON", "文字背景色なし", Take::None, 0},
    {321, "ID_V_TOP", "上段揃え", Take::Set, 0},
    {322, "ID_V_CEN", "中段揃え", Take::Set, 1},
    {323, "ID_V_BTM", "下段揃え", Take::Set, 2},
    {374, "ID_LINE_UP", "行間広く", Take::Up, 0},
    {375, "ID_LINE_DOWN", "行間狭く", Take::Down, 0},
    {324, "ID_H_LEFT", "左揃え", Take::Set, 0},
    {325, "ID_H_CEN", "中央揃え", Take::Set, 1},
    {326, "ID_H_RIGHT", "右揃え", Take::Set, 2},
    {502, "ID_CHAR_WIDE", "字間広く", Take::Up, 0},
    {503, "ID_CHAR_NARROW", "字間狭く", Take::Down, 0},
    {373, "ID_WORD_WRAP", "ワードラップ", Take::Flip, 0},
    {311, "ID_MARGIN_L", "左余白", Take::Control, 0},
    {312, "ID_MARGIN_R", "右余白", Take::Control, 0},
    {313, "ID_MARGIN_T", "上余白", Take::Control, 0},
    {314, "ID_MARGIN_B", "下余白", Take::Control, 0},
    {394, "ID_BK_COL", "内面色", Take::Control, 0},
    {614, "ID_BK_COL_NON", "塗りつぶさない", Take::None, 0},
    {32815, "ID_LINE_COL", "線の色", Take::Control, 0},
    {615, "ID_LINE_COL_NON", "枠線なし", Take::None, 0},
    {32816, "ID_LINE_SIZE", "サイズ", Take::Control, 0},
    {32817, "ID_LINE_SOLID", "実線", Take::Style, 0},
    {32818, "ID_LINE_DOT", "点線", Take::Style, 2},
    {32819, "ID_LINE_DASH", "破線", Take::Style, 1},
    {32859, "ID_LINE_DASHDOT", "一点破線", Take::Style, 3},
    {32860, "ID_LINE_DASHDOTDOT", "二点破線", Take::Style, 4},
    {451, "ID_LINE_DOUBLET", "二重線", Take::Style, 5},
    {488, "ID_CURVE_CHANGE", "曲線変更", Take::Flip, 0},
    {338, "ID_END_COL", "終端の色", Take::Control, 0},
    {340, "ID_END_STYLE0", "なし(&0)", Take::Style, 0},
    {341, "ID_END_STYLE1", "矢印(&1)", Take::Style, 1},
    {342, "ID_END_STYLE2", "円形(&2)", Take::Style, 2},
    {343, "ID_END_STYLE3", "四角形(&3)", Take::Style, 3},
    {392, "ID_END_LEN", "終端の長さ", Take::Control, 0},
    {339, "ID_END_SIZE", "終端の大きさ", Take::Control, 0},
    {526, "ID_KAGE_COL", "影の色", Take::Control, 0},
    {616, "ID_KAGE_COL_NON", "影を付けない", Take::None, 0},
    {527, "ID_KAGE_X", "影の長さ", Take::Control, 0},
    {528, "ID_KAGE_Y", "影の高さ", Take::Control, 0},
    {529, "ID_LIGHT", "光源の位置", Take::Control, 0},
};

const AttributeCommand* Find(int id) {
  const auto it = std::find_if(std::begin(kCommands), std::end(kCommands),
                               [id](const AttributeCommand& c) { return c.id == id; });
  return it == std::end(kCommands) ? nullptr : it;
}

// The shown value a toggle flips, an alignment compares with or a spacing
// button steps.
int ShownValue(const RibbonValues& v, int id) {
  switch (id) {
    case 315: return v.bold;
    case 316: return v.italic;
    case 317: return v.strikeOut;
    case 318: return v.underline;
    case 373: return v.wordWrap;
    case 488: return v.curve;
    case 321: case 322: case 323: return v.alineV;
    case 324: case 325: case 326: return v.alineH;
    case 374: case 375: return v.lineMargin;
    case 502: case 503: return v.charMargin;
    default: return 0;
  }
}

// Fill and line colour act on the slide when nothing is primary.
bool ActsOnSlide(int id) { return id == 394 || id == 32815; }

}  // namespace

bool IsAttributeCommand(int id) { return Find(id) != nullptr; }

AttributeDispatcher::AttributeDispatcher(EditPath& edits, SelectionProbe selection, QObject* parent)
    : QObject(parent), edits_(edits), selection_(std::move(selection)) {}

void AttributeDispatcher::RegisterCommands(CommandRegistry& commands) {
  for (const AttributeCommand& c : kCommands) {
    const int id = c.id;
    commands.Add({id, c.name, QString::fromUtf8(c.label), [this, id] { Apply(id); },
                  [this, id] { return IsEnabled(id); }});
  }
}

bool AttributeDispatcher::IsEnabled(int id) const {
  if (!setter_) return false;
  if (selection_.primary() < 0) return ActsOnSlide(id);
  const AttributeCommand* c = Find(id);
  return !(c && c->take == Take::Down && ShownValue(values_, id) <= 0);
}

std::optional<AttributeRequest> AttributeDispatcher::RequestFor(int id) const {
  const AttributeCommand* c = Find(id);
  if (!c) return std::nullopt;
  AttributeRequest r{id, 0, QString(), selection_.primary(), selection_.selectedVertex()};
  const int shown = ShownValue(values_, id);
  switch (c->take) {
    case Take::Control: {
      const std::optional<ControlValue> v = reader_ ? reader_(id) : std::nullopt;
      if (!v) return std::nullopt;  // an empty box changes nothing
      r.value = v->number;
      r.text = v->text;
      return r;
    }
    case Take::Flip: r.value = shown ? 0 : 1; return r;
    case Take::Set:
      if (shown == c->arg) return std::nullopt;
      r.value = c->arg;
      return r;
    case Take::Style: r.value = c->arg; return r;
    case Take::Up:
      if (shown >= kMaxSpacing) return std::nullopt;
      r.value = shown + 1;
      return r;
    case Take::Down:
      if (shown <= 0) return std::nullopt;
      r.value = shown - 1;
      return r;
    case Take::None: r.value = kNoColor; return r;
  }
  return std::nullopt;
}

bool AttributeDispatcher::Apply(int id) {
  if (!setter_ || (selection_.primary() < 0 && !ActsOnSlide(id))) return false;
  const std::optional<AttributeRequest> request = RequestFor(id);
  bool changed = false;
  if (request) changed = edits_.Apply(EditKind::Undoable, [&](Document& doc) { return setter_(doc, *request); });
  ShowAttributes(true);  // also puts back what an emptied box showed
  return changed;
}

void AttributeDispatcher::ShowAttributes(bool reload) {
  values_ = AttributesOf(edits_.Doc(), selection_.primary(), selection_.selectedVertex(), values_);
  emit Shown(values_, reload);
}
