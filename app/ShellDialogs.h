// The commands of the shell's small dialogs: system settings, recent-file
// manager, manual and version.
#pragma once

#include <functional>

#include "app/KansetValues.h"
#include "app/RecentDlg.h"

class CommandRegistry;
class QWidget;

struct ShellDialogHooks {
  // The three values the application object holds while the program runs,
  // and what takes them back after "保存して終了".
  std::function<AnimeGuide()> readGuide;
  std::function<void(const AnimeGuide&)> keepGuide;
  ShowFolder showFolder;
  QString manualFolder;  // where "Manual.pdf" lies: the program's folder
};

void RegisterShellDialogs(CommandRegistry& commands, ShellDialogHooks hooks, QWidget* owner);
