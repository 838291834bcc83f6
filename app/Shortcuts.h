// The main window's keys: the designed accelerators (Ctrl+Z, Ctrl+Y, Ctrl+A, F2, and
// Ctrl+C, Ctrl+V, Delete in the editing view) and the
// ones every desktop program has (Ctrl+N, Ctrl+O, Ctrl+S, Ctrl+Shift+S, F5).
// Each runs its command through the registry, which knows whether it may.
#pragma once

#include <QString>
#include <span>

class CommandRegistry;
class QWidget;

struct CommandShortcut {
  int id;
  const char* keys;  // portable key text, "Ctrl+Shift+S"
};

// The table; a command may have several keys, the first is the one menus show.
std::span<const CommandShortcut> CommandShortcuts();
// The first key of command `id` as a menu shows it, or empty.
QString ShortcutText(int id);
// Gives `window` an action for every key of the table.
void InstallShortcuts(QWidget& window, const CommandRegistry& commands);
// Gives the editing view the keys that act only while it has the focus.
void InstallViewShortcuts(QWidget& view, const CommandRegistry& commands);
