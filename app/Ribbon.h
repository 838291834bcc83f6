// The ribbon: the application button with its menu, the quick-access
// toolbar, the ホーム tab with its panels and the tab-row buttons. It is a
// view of the command registry arranged by the layout table: a control runs
// its command, takes its label and enabled state from it, and a command that
// is not registered has no control. Controls that hold values (number boxes,
// colours, the font box, the light gallery) are read by the attribute
// dispatcher and show what it mirrors.
#pragma once

#include <QWidget>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <span>
#include <vector>

#include "app/AttributeDispatcher.h"
#include "app/RibbonValues.h"
#include "base/Color.h"

class CommandRegistry;
class GlyphCache;
class QMenu;
class QSpinBox;
class QToolButton;
class QComboBox;
class QHBoxLayout;
class QVBoxLayout;
struct RibbonEntry;

struct RibbonHooks {
  std::function<void(int request)> insertObject;      // an object gallery item
  std::function<void(QMenu* menu)> addRecentFiles;    // to the application menu
  std::function<std::optional<COLORREF>(COLORREF)> moreColours;  // "その他の色"
};

// A key tip the ribbon offers: its letters and what they do.
struct RibbonKeyTip {
  QString keys;
  QWidget* target;
  std::function<void()> act;
};

class Ribbon : public QWidget {
  Q_OBJECT
 public:
  Ribbon(const CommandRegistry& commands, RibbonHooks hooks, QWidget* parent = nullptr);
  ~Ribbon() override;

  // The panels hidden (only the tab row shows) or shown.
  void SetMinimised(bool minimised);
  bool IsMinimised() const;
  // The width that shows every panel without scrolling.
  int FullWidth() const;
  // Loads the controls from the dispatcher's values (all of them with `reload`).
  void ShowValues(const RibbonValues& values, bool reload = false);
  // What the control of command `id` holds; nullopt when it is empty.
  std::optional<ControlValue> Read(int id) const;
  // Every control's enabled state from the registry.
  void RefreshEnabled();
  // The key tips of the tab row (the tab's own has no action), or of the tab's controls.
  std::vector<RibbonKeyTip> TopKeyTips();
  std::vector<RibbonKeyTip> TabKeyTips();
  // A colour button's colour as chosen from its palette.
  void ChooseColour(int id, COLORREF colour);
  // The gallery's drop-down, built the first time it opens.
  QMenu* GalleryMenu(int id) const;

 signals:
  void MinimiseToggled();  // the tab was double-clicked

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildTabRow(QHBoxLayout* row);
  void BuildPanels(QHBoxLayout* row);
  QWidget* BuildControl(const RibbonEntry& entry, std::span<const RibbonEntry> items);
  QToolButton* CommandButton(int id, bool large);
  QWidget* NumberBox(int id, const QString& panel);
  QWidget* FontBox(int id);
  QToolButton* ColourButton(int id, std::span<const RibbonEntry> items);
  void AddPalette(QMenu* menu, int id);
  QToolButton* Gallery(int id);
  void FillObjectGallery(QMenu* menu);
  void FillLightGallery(QMenu* menu);
  void AddItems(QMenu* menu, std::span<const RibbonEntry> items);
  void FillApplicationMenu(QMenu* menu);
  QImage LightIcon(int direction);
  GlyphCache& Glyphs();

  const CommandRegistry& commands_;
  RibbonHooks hooks_;
  QWidget* panels_ = nullptr;
  QToolButton* appButton_ = nullptr;
  QToolButton* tab_ = nullptr;
  std::vector<std::pair<int, QToolButton*>> quickAccess_;
  std::vector<RibbonKeyTip> tabRow_;
  std::map<int, QWidget*> controls_;     // by command id
  std::map<int, COLORREF> colours_;      // the colour buttons' colours
  std::map<int, QAction*> items_;       // drop-down entries by command id
  int lightChoice_ = 0;
  bool loading_ = false;  // controls being loaded, not edited
  std::optional<RibbonValues> shown_;
  std::map<int, QImage> lightIcons_;
  std::unique_ptr<GlyphCache> glyphs_;
};
