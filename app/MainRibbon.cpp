#include "app/MainRibbon.h"

#include <QMainWindow>
#include <QStatusBar>

#include "app/RibbonKeyTips.h"
#include "app/StatusPanes.h"
#include "core/EditPath.h"
#include "editor/CommandRegistry.h"
#include "editor/MiradoView.h"
#include "editor/PropertyCommands.h"

MainRibbon::MainRibbon(QMainWindow& window, EditPath& edits, CMiradoView& view, CommandRegistry& commands,
                       RibbonHooks hooks)
    : QObject(&window),
      window_(window),
      edits_(edits),
      view_(view),
      dispatcher_(edits, {[&view] { return view.Selection().primary; }, [&view] { return view.Selection().vertex; }}) {
  // The editing commands set the attribute over the view's selection.
  dispatcher_.SetSetter([&view](Document& doc, const AttributeRequest& r) {
    return ApplyProperty(doc, PropertyScope{doc.Header().CurSlide, view.Selection()},
                         PropertyChange{r.id, r.value, r.text});
  });
  dispatcher_.RegisterCommands(commands);
  RegisterCommands(commands);
  ribbon_ = new Ribbon(commands, std::move(hooks), &window);
  dispatcher_.SetReader([this](int id) { return ribbon_->Read(id); });
  connect(&dispatcher_, &AttributeDispatcher::Shown, ribbon_, &Ribbon::ShowValues);
  connect(ribbon_, &Ribbon::MinimiseToggled, this, [&commands] { commands.Run(ID_SHOW_MENU); });
  panes_ = std::make_unique<StatusPanes>(*window.statusBar());
  connect(&view, &CMiradoView::PositionChanged, this, [this](const QString& text) { panes_->SetCursor(text); });
  keyTips_ = new RibbonKeyTips(*ribbon_, window);
  connect(&view, &CMiradoView::SelectionChanged, this, &MainRibbon::Refresh);
  connect(&edits, &EditPath::Changed, this, &MainRibbon::Refresh);
  connect(&edits, &EditPath::Replaced, this, &MainRibbon::Refresh);
  connect(&edits, &EditPath::Restored, this, &MainRibbon::Refresh);
  Refresh();
}

MainRibbon::~MainRibbon() = default;

void MainRibbon::RegisterCommands(CommandRegistry& commands) {
  const auto add = [&commands](int id, const char* name, const char* label, std::function<void()> run = {}) {
    commands.Add({id, name, QString::fromUtf8(label), run ? std::move(run) : [] {}, {}});
  };
  // The split buttons only open their drop-downs.
  add(ID_ADD_PAGE, "ID_ADD_PAGE", "スライド");
  add(ID_RIBBON_PBTN_1, "ID_RIBBON_PBTN_1", "オブジェ クト");
  add(ID_ROT_BTN, "ID_ROT_BTN", "回転");
  add(ID_SEIRETU_BTN, "ID_SEIRETU_BTN", "整列");
  add(ID_SHOW_BTN, "ID_SHOW_BTN", "開始");
  add(ID_SETTEI_BTN, "ID_SETTEI_BTN", "設定(&M)");
  add(ID_HOZON_BTN, "ID_HOZON_BTN", "名前を付けて保存(&S)");
  add(ID_LINE_STYLE, "ID_LINE_STYLE", "線種");
  add(ID_END_STYLE, "ID_END_STYLE", "終端スタイル");
  add(ID_SHOW_MENU, "ID_SHOW_MENU", "メニュー表示/非表示",
      [this] { ribbon_->SetMinimised(!ribbon_->IsMinimised()); });
  add(ID_VIEW_FULLSCREEN, "ID_VIEW_FULLSCREEN", "フルスクリーン", [this] { ToggleFullScreen(); });
}

void MainRibbon::ToggleFullScreen() {
  if (window_.isMaximized())
    window_.showNormal();
  else
    window_.showMaximized();
  ribbon_->SetMinimised(!ribbon_->IsMinimised());
}

void MainRibbon::Refresh() {
  dispatcher_.ShowAttributes();
  const Document& doc = edits_.Doc();
  panes_->Show(StatusOf(doc, view_.Selection().primary, false));
  panes_->SetZoom(doc.Header().Zoom);
}
