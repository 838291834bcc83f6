// The table of keys and the window actions that run their commands.
#include "app/Shortcuts.h"

#include <QAction>
#include <QKeySequence>
#include <QWidget>

#include "app/CommandIds.h"
#include "app/MainRibbon.h"
#include "app/PrintCommand.h"
#include "app/ShowCommands.h"
#include "editor/CommandRegistry.h"
#include "editor/ContextMenus.h"
#include "editor/EditCommands.h"
#include "editor/PropertyCommands.h"
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
    {ID_FONT_BOLD, "Ctrl+B"},
    {ID_SHOW_MENU, "Ctrl+F1"},
    {ID_VIEW_FULLSCREEN, "F11"},
    {ID_HONBAN_MODE, "F5"},
    {ID_DURING_MODE, "Shift+F5"},
    {ID_GUIDE, "F2"},
    {ID_HELP_DSP, "F1"},
};

// The editing view's own keys: the slide list has its own Ctrl+C, Ctrl+V and Delete.
constexpr CommandShortcut kViewShortcuts[] = {
    {ID_EDIT_COPY, "Ctrl+C"},
    {ID_EDIT_PASTE, "Ctrl+V"},
    {ID_EDIT_DELETE, "Delete"},
};

void AddShortcutActions(QWidget& owner, const CommandRegistry& commands, std::span<const CommandShortcut> table,
                        Qt::ShortcutContext context) {
  for (const CommandShortcut& s : table) {
    auto* action = new QAction(&owner);
    action->setShortcut(QKeySequence(QString::fromLatin1(s.keys)));
    action->setShortcutContext(context);
    const int id = s.id;
    QObject::connect(action, &QAction::triggered, &owner, [&commands, id] { commands.Run(id); });
    owner.addAction(action);
  }
}

}  // namespace

std::span<const CommandShortcut> CommandShortcuts() { return kShortcuts; }

QString ShortcutText(int id) {
  using Table = std::span<const CommandShortcut>;
  for (Table table : {Table(kShortcuts), Table(kViewShortcuts)}) {
    for (const CommandShortcut& s : table) {
      if (s.id == id) return QKeySequence(QString::fromLatin1(s.keys)).toString(QKeySequence::NativeText);
    }
  }
  return QString();
}

void InstallShortcuts(QWidget& window, const CommandRegistry& commands) {
  AddShortcutActions(window, commands, kShortcuts, Qt::WindowShortcut);
}

void InstallViewShortcuts(QWidget& view, const CommandRegistry& commands) {
  AddShortcutActions(view, commands, kViewShortcuts, Qt::WidgetWithChildrenShortcut);
}
