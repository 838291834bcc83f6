// The table of keys and the window actions that run their commands.
#include "app/Shortcuts.h"

#include <QAction>
#include <QKeySequence>
#include <QWidget>

#include "app/CommandIds.h"
#include "app/PrintCommand.h"
#include "app/ShowCommands.h"
#include "editor/CommandRegistry.h"
#include "editor/ContextMenus.h"
#include "editor/UndoRedo.h"

namespace {

constexpr CommandShortcut kShortcuts[] = {
    {ID_FILE_NEW, "Ctrl+N"},
    {ID_FILE_OPEN, "Ctrl+O"},
    {ID_FILE_SAVE, "Ctrl+S"},
    {ID_FILE_SAVE_AS, "Ctrl+Shift+S"},
    {ID_FILE_PRINT, "Ctrl+P"},
    {ID_UNDO, "Ctrl+Z"},
    {ID_REDO, "Ctrl+Y"},
    {ID_REDO, "Ctrl+Shift+Z"},
    {ID_SELECT_ALL, "Ctrl+A"},
    {ID_HONBAN_MODE, "F5"},
    {ID_DURING_MODE, "Shift+F5"},
    {ID_HELP_DSP, "F1"},
};

}  // namespace

std::span<const CommandShortcut> CommandShortcuts() { return kShortcuts; }

QString ShortcutText(int id) {
  for (const CommandShortcut& s : kShortcuts) {
    if (s.id == id) return QKeySequence(QString::fromLatin1(s.keys)).toString(QKeySequence::NativeText);
  }
  return QString();
}

void InstallShortcuts(QWidget& window, const CommandRegistry& commands) {
  for (const CommandShortcut& s : kShortcuts) {
    auto* action = new QAction(&window);
    action->setShortcut(QKeySequence(QString::fromLatin1(s.keys)));
    action->setShortcutContext(Qt::WindowShortcut);
    const int id = s.id;
    QObject::connect(action, &QAction::triggered, &window, [&commands, id] { commands.Run(id); });
    window.addAction(action);
  }
}
