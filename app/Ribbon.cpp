#include "app/Ribbon.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <algorithm>
#include <QComboBox>
#include <QEvent>
#include <QFontDatabase>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QScrollArea>
#include <QScrollBar>
#include <QSpinBox>
#include <QToolButton>
#include <QWidgetAction>

#include "app/CommandIds.h"
#include "app/GalleryIcons.h"
#include "app/RibbonIcons.h"
#include "app/RibbonLayout.h"
#include "app/Shortcuts.h"
#include "editor/CommandRegistry.h"
#include "editor/PropertyCommands.h"
#include "editor/factory/Requests.h"
#include "render/gdi/Color.h"
#include "render/glyph/GlyphCache.h"

namespace {

constexpr int kRowsPerColumn = 3;
constexpr int kSwatch = 22;

struct GalleryGroup {
  const char* title;  // null: the lines, untitled in the palette
  int first;
  int last;
};

constexpr GalleryGroup kObjectGroups[] = {
    {nullptr, 0, 5}, {"平面図形", 6, 18}, {"立体図形", 19, 22}, {"吹き出し", 23, 26}, {"その他", 27, 30},
};

constexpr const char* kLightNames[kLightDirections] = {
    "左上から", "上から", "右上から", "左から", "真上から", "右から", "左下から", "下から", "右下から",
};

// The palette's colours, row by row (0x00BBGGRR).
constexpr COLORREF kPalette[] = {
    0x000000, 0x404040, 0x808080, 0xC0C0C0, 0xE0E0E0, 0xFFFFFF, 0xF0F0FF,
    0x000080, 0x0000FF, 0x4080FF, 0x80C0FF, 0xC0E0FF, 0x00FFFF, 0x80FFFF,
    0x008000, 0x00C000, 0x40FF80, 0xC0FFC0, 0x808000, 0xC0C000, 0xFFFF80,
    0x800000, 0xFF0000, 0xFF8040, 0xFFC080, 0xFFE0C0, 0x800080, 0xFF00FF,
    0x400080, 0x8000FF, 0xC080FF, 0x004080, 0x0080C0, 0x60A0E0, 0xA0D0F0,
    0x6B9EF7, 0xC6F7FF, 0xF79E6B, 0xFFF7C6, 0x2F6FD0, 0xD06F2F, 0x505050,
};

// The ribbon shows a label without its &-mnemonic and its "...".
QString ShortLabel(QString label) {
  const int paren = label.indexOf(QStringLiteral("(&"));
  if (paren > 0) label.truncate(paren);
  label.remove('&');
  if (label.endsWith(QStringLiteral("..."))) label.chop(3);
  return label;
}

// A large button's label on two lines: at its space, or a long one before its last "の".
QString TwoLines(QString text) {
  constexpr int kLongLabel = 6;
  if (text.contains(' ')) return text.replace(' ', '\n');
  const qsizetype no = text.lastIndexOf(QString::fromUtf8("の"));
  if (text.size() < kLongLabel || no <= 0) return text;
  return text.left(no) + '\n' + text.mid(no);
}

// A number box's label within its panel: "左余白" in 余白 reads "左", "影の長さ"
// in 影 reads "長さ".
QString BoxLabel(const QString& label, const QString& panel) {
  QString text = ShortLabel(label);
  if (text.size() > panel.size() && text.endsWith(panel)) text.chop(panel.size());
  const QString prefix = panel + QString::fromUtf8("の");
  if (text.size() > prefix.size() && text.startsWith(prefix)) text.remove(0, prefix.size());
  return text;
}

QString TooltipOf(int id, const QString& label) {
  const char* tip = RibbonTooltip(id);
  return tip ? QString::fromUtf8(tip) : ShortLabel(label);
}

bool IsSmallRow(RibbonControl c) { return c != RibbonControl::Large && c != RibbonControl::SplitLarge; }

// The Item entries that follow entry `at`.
std::span<const RibbonEntry> ItemsAfter(std::span<const RibbonEntry> all, std::size_t at) {
  std::size_t end = at + 1;
  while (end < all.size() && all[end].control == RibbonControl::Item) ++end;
  return all.subspan(at + 1, end - at - 1);
}

}  // namespace

Ribbon::Ribbon(const CommandRegistry& commands, RibbonHooks hooks, QWidget* parent)
    : QWidget(parent), commands_(commands), hooks_(std::move(hooks)) {
  setObjectName(QStringLiteral("Ribbon"));
  auto* column = new QVBoxLayout(this);
  column->setContentsMargins(2, 2, 2, 2);
  column->setSpacing(1);
  auto* tabRow = new QHBoxLayout;
  BuildTabRow(tabRow);
  column->addLayout(tabRow);
  // A window narrower than the panels scrolls them sideways.
  auto* scroll = new QScrollArea(this);
  scroll->setObjectName(QStringLiteral("RibbonPanels"));
  scroll->setFrameShape(QFrame::StyledPanel);
  scroll->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  scroll->setWidgetResizable(true);
  auto* content = new QWidget(scroll);
  auto* panelRow = new QHBoxLayout(content);
  panelRow->setContentsMargins(2, 2, 2, 2);
  panels_ = content;
  BuildPanels(panelRow);
  scroll->setWidget(content);
  scroll->setFixedHeight(content->sizeHint().height() + scroll->horizontalScrollBar()->sizeHint().height() + 4);
  panels_ = scroll;
  column->addWidget(scroll);
  RefreshEnabled();
  // Copying changes no document, yet enables pasting.
  connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, this, &Ribbon::RefreshEnabled);
}

Ribbon::~Ribbon() = default;

void Ribbon::BuildTabRow(QHBoxLayout* row) {
  appButton_ = new QToolButton(this);
  appButton_->setObjectName(QStringLiteral("ApplicationButton"));
  appButton_->setText(QString::fromUtf8("ファイル"));
  appButton_->setPopupMode(QToolButton::InstantPopup);
  auto* menu = new QMenu(appButton_);
  connect(menu, &QMenu::aboutToShow, this, [this, menu] { FillApplicationMenu(menu); });
  appButton_->setMenu(menu);
  row->addWidget(appButton_);
  for (const QuickAccessEntry& q : QuickAccessLayout()) {
    if (!commands_.Find(q.id)) continue;
    QToolButton* b = CommandButton(q.id, false);
    b->setObjectName(b->objectName() + QStringLiteral("_QAT"));
    b->setToolButtonStyle(Qt::ToolButtonIconOnly);
    b->setVisible(q.shown);
    quickAccess_.emplace_back(q.id, b);
    row->addWidget(b);
  }
  tab_ = new QToolButton(this);
  tab_->setObjectName(QStringLiteral("HomeTab"));
  tab_->setText(QString::fromUtf8(kHomeTabLabel));
  tab_->setCheckable(true);
  tab_->setChecked(true);
  tab_->installEventFilter(this);
  row->addSpacing(8);
  row->addWidget(tab_);
  row->addStretch(1);
  for (const RibbonEntry& e : TabRowLayout()) {
    if (!commands_.Find(e.id)) continue;
    QToolButton* b = CommandButton(e.id, false);
    b->setToolButtonStyle(Qt::ToolButtonIconOnly);
    tabRow_.push_back({QString::fromLatin1(e.keyTip), b, [b] { b->click(); }});
    controls_[e.id] = b;
    row->addWidget(b);
  }
}

// Each panel: its controls in columns (a large control alone, small ones
// three to a column), its title below.
void Ribbon::BuildPanels(QHBoxLayout* row) {
  const std::span<const RibbonEntry> all = HomeTabLayout();
  std::size_t i = 0;
  while (i < all.size()) {
    const char* title = all[i].panel;
    auto* panel = new QFrame(panels_);
    panel->setFrameShape(QFrame::NoFrame);
    auto* body = new QVBoxLayout(panel);
    body->setContentsMargins(3, 0, 3, 0);
    body->setSpacing(1);
    auto* columns = new QHBoxLayout;
    columns->setSpacing(3);
    body->addLayout(columns, 1);
    auto* caption = new QLabel(QString::fromUtf8(title), panel);
    caption->setAlignment(Qt::AlignCenter);
    caption->setEnabled(false);
    body->addWidget(caption);
    QVBoxLayout* column = nullptr;
    int rows = 0;
    QHBoxLayout* toggles = nullptr;
    for (; i < all.size() && all[i].panel == title; ++i) {
      const RibbonEntry& e = all[i];
      if (e.control == RibbonControl::Item) continue;
      QWidget* control = BuildControl(e, ItemsAfter(all, i));
      if (!control) continue;
      controls_[e.id] = control;
      const bool large = !IsSmallRow(e.control) || (e.control == RibbonControl::Gallery && e.id == ID_RIBBON_PBTN_1);
      if (large) {
        columns->addWidget(control, 0, Qt::AlignTop);
        column = nullptr;
        toggles = nullptr;
        continue;
      }
      const bool joinsToggles = e.control == RibbonControl::Toggle && toggles;
      if (!joinsToggles && (!column || rows == kRowsPerColumn)) {
        column = new QVBoxLayout;
        column->setSpacing(1);
        columns->addLayout(column);
        rows = 0;
      }
      if (e.control == RibbonControl::Toggle) {
        if (!joinsToggles) {
          toggles = new QHBoxLayout;
          toggles->setSpacing(0);
          toggles->addStretch(0);
          column->addLayout(toggles);
          ++rows;
        }
        toggles->addWidget(control);
        continue;
      }
      toggles = nullptr;
      column->addWidget(control, 0, Qt::AlignLeft);
      ++rows;
    }
    for (auto* c : panel->findChildren<QVBoxLayout*>()) c->addStretch(1);
    if (columns->count() == 0) {
      delete panel;
      continue;
    }
    row->addWidget(panel);
    auto* bar = new QFrame(panels_);
    bar->setFrameShape(QFrame::VLine);
    bar->setFrameShadow(QFrame::Sunken);
    row->addWidget(bar);
  }
  row->addStretch(1);
}

QWidget* Ribbon::BuildControl(const RibbonEntry& e, std::span<const RibbonEntry> items) {
  const bool hasItem = std::any_of(items.begin(), items.end(), [this](const RibbonEntry& item) {
    return commands_.Find(item.id) != nullptr;
  });
  if (!commands_.Find(e.id)) return nullptr;
  switch (e.control) {
    case RibbonControl::Large: return CommandButton(e.id, true);
    case RibbonControl::Small: return CommandButton(e.id, false);
    case RibbonControl::Toggle: {
      QToolButton* b = CommandButton(e.id, false);
      b->setToolButtonStyle(Qt::ToolButtonIconOnly);
      b->setCheckable(true);
      // The command decides; the button shows what the dispatcher mirrors.
      disconnect(b, &QToolButton::clicked, nullptr, nullptr);
      connect(b, &QToolButton::clicked, this, [this, b, id = e.id] {
        b->setChecked(!b->isChecked());
        commands_.Run(id);
      });
      return b;
    }
    case RibbonControl::SplitLarge:
    case RibbonControl::SplitSmall: {
      if (!hasItem) return nullptr;
      QToolButton* b = CommandButton(e.id, e.control == RibbonControl::SplitLarge);
      disconnect(b, &QToolButton::clicked, nullptr, nullptr);
      b->setPopupMode(QToolButton::InstantPopup);
      auto* menu = new QMenu(b);
      AddItems(menu, items);
      b->setMenu(menu);
      if (e.id == ID_LINE_STYLE) b->setIcon(LineStyleIcon(0));
      if (e.id == ID_END_STYLE) b->setIcon(EndStyleIcon(0));
      return b;
    }
    case RibbonControl::Colour: return ColourButton(e.id, items);
    case RibbonControl::Number: return NumberBox(e.id, QString::fromUtf8(e.panel));
    case RibbonControl::Font: return FontBox(e.id);
    case RibbonControl::Gallery: return Gallery(e.id);
    case RibbonControl::Item: break;
  }
  return nullptr;
}

QToolButton* Ribbon::CommandButton(int id, bool large) {
  const Command* c = commands_.Find(id);
  auto* b = new QToolButton(this);
  b->setObjectName(QString::fromLatin1(c->name));
  QString text = ShortLabel(c->label);
  if (large) text = TwoLines(text);
  b->setText(text);
  b->setToolTip(TooltipOf(id, c->label));
  b->setIcon(RibbonIcon(id, c->label));
  b->setAutoRaise(true);
  b->setIconSize(large ? QSize(32, 32) : QSize(16, 16));
  // Small buttons show their icon; the tooltip names them.
  b->setToolButtonStyle(large ? Qt::ToolButtonTextUnderIcon : Qt::ToolButtonIconOnly);
  if (large) {
    int wide = 40;
    for (const QString& line : text.split('\n')) wide = std::max(wide, b->fontMetrics().horizontalAdvance(line) + 16);
    b->setMinimumWidth(wide);
  }
  connect(b, &QToolButton::clicked, this, [this, id] { commands_.Run(id); });
  return b;
}

// A number box with its label; a value typed or stepped to runs the command,
// an emptied box or an unchanged value does not.
QWidget* Ribbon::NumberBox(int id, const QString& panel) {
  const NumberBoxRange* range = FindNumberBox(id);
  const Command* c = commands_.Find(id);
  auto* row = new QWidget(this);
  auto* layout = new QHBoxLayout(row);
  layout->setContentsMargins(0, 0, 0, 0);
  auto* label = new QLabel(BoxLabel(c->label, panel), row);
  auto* box = new QSpinBox(row);
  box->setObjectName(QString::fromLatin1(c->name));
  box->setRange(range->min, range->max);
  box->setValue(range->initial);
  box->setKeyboardTracking(false);
  box->setFixedWidth(range->width + 22);
  box->setToolTip(TooltipOf(id, c->label));
  row->setToolTip(box->toolTip());
  connect(box, &QSpinBox::valueChanged, this, [this, id] {
    if (!loading_) commands_.Run(id);
  });
  layout->addWidget(label);
  layout->addWidget(box);
  return row;
}

// The font faces are listed the first time the box opens, not at start-up.
QWidget* Ribbon::FontBox(int id) {
  class LazyFontBox : public QComboBox {
   public:
    using QComboBox::QComboBox;
    void showPopup() override {
      if (count() <= 1) {
        const QString current = currentText();
        const QSignalBlocker block(this);
        clear();
        addItems(QFontDatabase::families());
        setCurrentText(current);
      }
      QComboBox::showPopup();
    }
  };
  const Command* c = commands_.Find(id);
  auto* box = new LazyFontBox(this);
  box->setObjectName(QString::fromLatin1(c->name));
  box->setEditable(true);
  box->addItem(QString::fromUtf8(kInitialFontName));
  box->setFixedWidth(kFontBoxWidth);
  box->setToolTip(TooltipOf(id, c->label));
  connect(box, &QComboBox::activated, this, [this, id] {
    if (!loading_) commands_.Run(id);
  });
  return box;
}

// Clicking the button applies its colour; the arrow drops down the palette,
// "その他の色" and the button's items. The palette is made when it first opens.
QToolButton* Ribbon::ColourButton(int id, std::span<const RibbonEntry> items) {
  QToolButton* b = CommandButton(id, false);
  b->setToolButtonStyle(Qt::ToolButtonIconOnly);
  b->setPopupMode(QToolButton::MenuButtonPopup);
  colours_[id] = id == ID_FONT_COL ? 0 : kNoColor;
  b->setIcon(ColourButtonIcon(id, colours_[id]));
  auto* menu = new QMenu(b);
  AddItems(menu, items);
  connect(menu, &QMenu::aboutToShow, this, [this, menu, id] {
    if (!menu->findChild<QWidgetAction*>()) AddPalette(menu, id);
  });
  b->setMenu(menu);
  return b;
}

void Ribbon::AddPalette(QMenu* menu, int id) {
  auto* grid = new QWidget(menu);
  auto* layout = new QGridLayout(grid);
  layout->setSpacing(2);
  const int perRow = (id == ID_FONT_BK || id == ID_BK_COL) ? 7 : 6;
  const int count = perRow * 6;
  for (int k = 0; k < count; ++k) {
    auto* swatch = new QToolButton(grid);
    swatch->setObjectName(QStringLiteral("swatch%1").arg(k));
    swatch->setFixedSize(kSwatch, kSwatch);
    QPixmap colour(kSwatch - 6, kSwatch - 6);
    colour.fill(gdi::ToQColor(kPalette[k]));
    swatch->setIcon(QIcon(colour));
    swatch->setIconSize(colour.size());
    connect(swatch, &QToolButton::clicked, this, [this, menu, id, k] {
      menu->close();
      ChooseColour(id, kPalette[k]);
    });
    layout->addWidget(swatch, k / perRow, k % perRow);
  }
  auto* more = new QToolButton(grid);
  more->setText(QString::fromUtf8("その他の色"));
  more->setAutoRaise(true);
  connect(more, &QToolButton::clicked, this, [this, menu, id] {
    menu->close();
    if (!hooks_.moreColours) return;
    if (const std::optional<COLORREF> c = hooks_.moreColours(colours_[id])) ChooseColour(id, *c);
  });
  layout->addWidget(more, 6, 0, 1, perRow);
  auto* action = new QWidgetAction(menu);
  action->setDefaultWidget(grid);
  QAction* first = menu->actions().value(0);
  menu->insertAction(first, action);
  if (first) menu->insertSeparator(first);
}

void Ribbon::ChooseColour(int id, COLORREF colour) {
  colours_[id] = colour;
  if (auto* b = qobject_cast<QToolButton*>(controls_[id])) b->setIcon(ColourButtonIcon(id, colour));
  commands_.Run(id);
}

QToolButton* Ribbon::Gallery(int id) {
  const bool objects = id == ID_RIBBON_PBTN_1;
  QToolButton* b = CommandButton(id, objects);
  disconnect(b, &QToolButton::clicked, nullptr, nullptr);
  b->setPopupMode(QToolButton::InstantPopup);
  auto* menu = new QMenu(b);
  menu->setObjectName(QString::fromLatin1(commands_.Find(id)->name) + QStringLiteral("_menu"));
  connect(menu, &QMenu::aboutToShow, this, [this, menu, objects] {
    if (!menu->isEmpty()) return;
    if (objects)
      FillObjectGallery(menu);
    else
      FillLightGallery(menu);
  });
  b->setMenu(menu);
  return b;
}

QMenu* Ribbon::GalleryMenu(int id) const {
  const auto it = controls_.find(id);
  auto* b = it == controls_.end() ? nullptr : qobject_cast<QToolButton*>(it->second);
  if (!b || !b->menu()) return nullptr;
  if (b->menu()->isEmpty()) emit b->menu()->aboutToShow();
  return b->menu();
}

void Ribbon::FillObjectGallery(QMenu* menu) {
  auto* palette = new QWidget(menu);
  auto* layout = new QGridLayout(palette);
  layout->setSpacing(2);
  int row = 0;
  for (const GalleryGroup& group : kObjectGroups) {
    auto* title = new QLabel(QString::fromUtf8(group.title ? group.title : "線"), palette);
    title->setStyleSheet(QStringLiteral("font-weight:bold;"));
    layout->addWidget(title, row++, 0, 1, 7);
    for (int request = group.first; request <= group.last; ++request) {
      const int k = request - group.first;
      auto* item = new QToolButton(palette);
      item->setObjectName(QStringLiteral("ObjectItem%1").arg(request));
      item->setAutoRaise(true);
      item->setToolTip(QString::fromUtf8(reinterpret_cast<const char*>(FindRequest(request)->galleryName)));
      item->setIconSize(QSize(kGalleryIconWidth, kGalleryIconHeight));
      const QImage icon = ObjectGalleryIcon(request, Glyphs());
      if (icon.isNull())
        item->setText(item->toolTip());
      else
        item->setIcon(QIcon(QPixmap::fromImage(icon)));
      connect(item, &QToolButton::clicked, this, [this, menu, request] {
        menu->close();
        if (hooks_.insertObject) hooks_.insertObject(request);
      });
      layout->addWidget(item, row + k / 7, k % 7);
    }
    row += (group.last - group.first) / 7 + 1;
  }
  auto* action = new QWidgetAction(menu);
  action->setDefaultWidget(palette);
  menu->addAction(action);
}

void Ribbon::FillLightGallery(QMenu* menu) {
  auto* palette = new QWidget(menu);
  auto* layout = new QGridLayout(palette);
  auto* title = new QLabel(QString::fromUtf8("光源の方向"), palette);
  title->setStyleSheet(QStringLiteral("font-weight:bold;"));
  layout->addWidget(title, 0, 0, 1, 3);
  for (int k = 0; k < kLightDirections; ++k) {
    auto* item = new QToolButton(palette);
    item->setObjectName(QStringLiteral("LightItem%1").arg(k));
    item->setAutoRaise(true);
    item->setToolTip(QString::fromUtf8(kLightNames[k]));
    item->setText(item->toolTip());
    item->setIconSize(QSize(kGalleryIconWidth, kGalleryIconHeight));
    item->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    item->setIcon(QIcon(QPixmap::fromImage(LightIcon(k))));
    connect(item, &QToolButton::clicked, this, [this, menu, k] {
      menu->close();
      lightChoice_ = k;
      commands_.Run(ID_LIGHT);
    });
    layout->addWidget(item, 1 + k / 3, k % 3);
  }
  auto* action = new QWidgetAction(menu);
  action->setDefaultWidget(palette);
  menu->addAction(action);
}

QImage Ribbon::LightIcon(int direction) {
  QImage& icon = lightIcons_[direction];
  if (icon.isNull()) icon = LightGalleryIcon(direction, Glyphs());
  return icon;
}

GlyphCache& Ribbon::Glyphs() {
  if (!glyphs_) glyphs_ = std::make_unique<GlyphCache>();
  return *glyphs_;
}

void Ribbon::AddItems(QMenu* menu, std::span<const RibbonEntry> items) {
  for (const RibbonEntry& item : items) {
    const Command* c = commands_.Find(item.id);
    if (!c) continue;
    QAction* action = menu->addAction(RibbonIcon(item.id, c->label), c->label);
    action->setObjectName(QString::fromLatin1(c->name));
    if (const char* tip = RibbonTooltip(item.id)) action->setToolTip(QString::fromUtf8(tip));
    const int id = item.id;
    connect(action, &QAction::triggered, this, [this, id] { commands_.Run(id); });
    items_[id] = action;
  }
  menu->setToolTipsVisible(true);
  connect(menu, &QMenu::aboutToShow, this, [this, menu] {
    for (QAction* a : menu->actions()) {
      for (const auto& [id, action] : items_)
        if (action == a) a->setEnabled(commands_.IsEnabled(id));
    }
  });
}

// Rebuilt each time it opens, so the recent files and enabled states are current.
void Ribbon::FillApplicationMenu(QMenu* menu) {
  for (QMenu* sub : menu->findChildren<QMenu*>(Qt::FindDirectChildrenOnly)) delete sub;
  menu->clear();
  const auto label = [](int id, const QString& text) {
    const QString keys = ShortcutText(id);
    return keys.isEmpty() ? text : text + '\t' + keys;
  };
  const std::span<const RibbonEntry> all = ApplicationMenuLayout();
  for (std::size_t i = 0; i < all.size(); ++i) {
    const RibbonEntry& e = all[i];
    const Command* c = commands_.Find(e.id);
    if (!c || e.control == RibbonControl::Item) continue;
    if (e.control == RibbonControl::SplitLarge) {
      QMenu* sub = menu->addMenu(RibbonIcon(e.id, c->label), c->label);
      sub->menuAction()->setObjectName(QString::fromLatin1(c->name));
      for (const RibbonEntry& item : ItemsAfter(all, i)) {
        if (const Command* ic = commands_.Find(item.id)) {
          QAction* a = sub->addAction(RibbonIcon(item.id, ic->label), label(item.id, ic->label));
          a->setObjectName(QString::fromLatin1(ic->name));
          a->setEnabled(commands_.IsEnabled(item.id));
          connect(a, &QAction::triggered, this, [this, id = item.id] { commands_.Run(id); });
        }
      }
      continue;
    }
    if (e.id == 57665 && hooks_.addRecentFiles) {
      menu->addSeparator();
      hooks_.addRecentFiles(menu);
      menu->addSeparator();
    }
    QAction* a = menu->addAction(RibbonIcon(e.id, c->label), label(e.id, c->label));
    a->setObjectName(QString::fromLatin1(c->name));
    a->setEnabled(commands_.IsEnabled(e.id));
    connect(a, &QAction::triggered, this, [this, id = e.id] { commands_.Run(id); });
  }
}

void Ribbon::SetMinimised(bool minimised) {
  panels_->setVisible(!minimised);
  tab_->setChecked(!minimised);
}

bool Ribbon::IsMinimised() const { return panels_->isHidden(); }

int Ribbon::FullWidth() const {
  const auto* scroll = static_cast<const QScrollArea*>(panels_);
  const QMargins outer = contentsMargins() + layout()->contentsMargins();
  return scroll->widget()->sizeHint().width() + 2 * scroll->frameWidth() + outer.left() + outer.right();
}

bool Ribbon::eventFilter(QObject* watched, QEvent* event) {
  if (watched == tab_ && event->type() == QEvent::MouseButtonDblClick) {
    emit MinimiseToggled();
    return true;
  }
  if (watched == tab_ && event->type() == QEvent::MouseButtonRelease) {
    tab_->setChecked(!IsMinimised());  // a single click changes nothing
    return true;
  }
  return QWidget::eventFilter(watched, event);
}

void Ribbon::RefreshEnabled() {
  for (const auto& [id, control] : controls_) control->setEnabled(commands_.IsEnabled(id));
  for (const auto& [id, b] : quickAccess_) b->setEnabled(commands_.IsEnabled(id));
}

std::optional<ControlValue> Ribbon::Read(int id) const {
  const auto it = controls_.find(id);
  if (it == controls_.end()) return std::nullopt;
  if (const auto colour = colours_.find(id); colour != colours_.end()) return ControlValue{colour->second, {}};
  if (id == ID_LIGHT) return ControlValue{lightChoice_, {}};
  if (auto* font = qobject_cast<QComboBox*>(it->second)) {
    const QString face = font->currentText().trimmed();
    if (face.isEmpty()) return std::nullopt;
    return ControlValue{0, face};
  }
  if (auto* box = it->second->findChild<QSpinBox*>()) {
    if (box->text().trimmed().isEmpty()) return std::nullopt;
    return ControlValue{box->value(), {}};
  }
  return std::nullopt;
}

void Ribbon::ShowValues(const RibbonValues& v, bool reload) {
  // A drag reports every step; the controls change only when the values do.
  if (!reload && shown_ && *shown_ == v) {
    RefreshEnabled();
    return;
  }
  shown_ = v;
  loading_ = true;
  const auto check = [this](int id, bool on) {
    if (auto* b = qobject_cast<QToolButton*>(controls_[id])) b->setChecked(on);
  };
  const auto number = [this](int id, int value) {
    if (QWidget* w = controls_[id]) {
      if (auto* box = w->findChild<QSpinBox*>()) box->setValue(value);
    }
  };
  const auto colour = [this](int id, COLORREF c) {
    if (!controls_.count(id)) return;
    colours_[id] = c;
    static_cast<QToolButton*>(controls_[id])->setIcon(ColourButtonIcon(id, c));
  };
  if (auto* font = qobject_cast<QComboBox*>(controls_[ID_FONT_NAME])) font->setCurrentText(v.fontName);
  number(ID_FONT_SIZE, v.fontSize);
  check(ID_FONT_BOLD, v.bold);
  check(ID_FONT_ITALIC, v.italic);
  check(ID_FONT_DEL, v.strikeOut);
  check(ID_FONT_UNDER, v.underline);
  check(ID_WORD_WRAP, v.wordWrap);
  check(ID_CURVE_CHANGE, v.curve);
  for (int k = 0; k < 3; ++k) {
    check(ID_V_TOP + k, v.alineV == k);
    check(ID_H_LEFT + k, v.alineH == k);
  }
  for (int k = 0; k < 4; ++k) number(ID_MARGIN_L + k, v.margins[k]);
  number(ID_LINE_SIZE, v.lineWidth);
  number(ID_END_LEN, v.endLen);
  number(ID_END_SIZE, v.endSize);
  number(ID_KAGE_X, v.shadowX);
  number(ID_KAGE_Y, v.shadowY);
  colour(ID_FONT_COL, v.text);
  colour(ID_FONT_BK, v.textBack);
  colour(ID_BK_COL, v.fill);
  colour(ID_LINE_COL, v.line);
  colour(ID_END_COL, v.end);
  colour(ID_KAGE_COL, v.shadow);
  if (QAction* none = items_[ID_BK_COL_NON]) {
    none->setCheckable(true);
    none->setChecked(v.fill == kNoColor);
  }
  if (auto* b = qobject_cast<QToolButton*>(controls_[ID_LINE_STYLE])) b->setIcon(LineStyleIcon(v.lineStyle));
  if (auto* b = qobject_cast<QToolButton*>(controls_[ID_END_STYLE])) b->setIcon(EndStyleIcon(v.endStyle));
  lightChoice_ = v.lightDir;
  if (auto* b = qobject_cast<QToolButton*>(controls_[ID_LIGHT]); b && lightIcons_.count(v.lightDir))
    b->setIcon(QIcon(QPixmap::fromImage(lightIcons_[v.lightDir])));
  loading_ = false;
  RefreshEnabled();
}

std::vector<RibbonKeyTip> Ribbon::TopKeyTips() {
  std::vector<RibbonKeyTip> tips;
  tips.push_back({QStringLiteral("F"), appButton_, [this] { appButton_->showMenu(); }});
  int n = 1;
  for (const auto& [id, b] : quickAccess_)
    if (!b->isHidden()) tips.push_back({QString::number(n++), b, [b = b] { b->click(); }});
  tips.push_back({QStringLiteral("H"), tab_, {}});  // opens the tab's own tips
  tips.insert(tips.end(), tabRow_.begin(), tabRow_.end());
  return tips;
}

std::vector<RibbonKeyTip> Ribbon::TabKeyTips() {
  std::vector<RibbonKeyTip> tips;
  for (const RibbonEntry& e : HomeTabLayout()) {
    const auto it = controls_.find(e.id);
    if (it == controls_.end() || !it->second->isVisible()) continue;
    QWidget* w = it->second;
    std::function<void()> act;
    if (auto* b = qobject_cast<QToolButton*>(w)) {
      act = b->menu() ? std::function<void()>([b] { b->showMenu(); }) : std::function<void()>([b] { b->click(); });
    } else if (auto* box = w->findChild<QSpinBox*>()) {
      act = [box] { box->setFocus(); box->selectAll(); };
    } else {
      act = [w] { w->setFocus(); };
    }
    tips.push_back({QString::fromLatin1(e.keyTip), w, act});
  }
  return tips;
}
