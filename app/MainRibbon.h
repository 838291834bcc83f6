// The main window's ribbon, attribute dispatcher, status panes and key tips,
// put together: the ribbon's own commands (split buttons, minimising, full
// screen), the controls mirroring the primary object, and the status bar
// following the view.
#pragma once

#include <QObject>
#include <memory>

#include "app/AttributeDispatcher.h"
#include "app/CommandIds.h"
#include "app/Ribbon.h"

class CMiradoView;
class CommandRegistry;
class EditPath;
class QMainWindow;
class RibbonKeyTips;
class StatusPanes;

class MainRibbon : public QObject {
  Q_OBJECT
 public:
  // Registers the property commands and the ribbon's own ones, then builds
  // the ribbon from every command registered so far.
  MainRibbon(QMainWindow& window, EditPath& edits, CMiradoView& view, CommandRegistry& commands,
             RibbonHooks hooks);
  ~MainRibbon() override;

  Ribbon& Widget() const { return *ribbon_; }
  AttributeDispatcher& Dispatcher() { return dispatcher_; }
  StatusPanes& Panes() const { return *panes_; }
  RibbonKeyTips& KeyTips() const { return *keyTips_; }
  // The controls and the status bar from the primary object and the document.
  void Refresh();
  // F11: maximised or restored, and the ribbon minimised or shown with it.
  void ToggleFullScreen();

 private:
  void RegisterCommands(CommandRegistry& commands);

  QMainWindow& window_;
  EditPath& edits_;
  CMiradoView& view_;
  AttributeDispatcher dispatcher_;
  Ribbon* ribbon_ = nullptr;
  std::unique_ptr<StatusPanes> panes_;
  RibbonKeyTips* keyTips_ = nullptr;
};
