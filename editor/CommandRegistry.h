// The program's commands: one table of id, ID_ name, Japanese label, handler
// and enabled state. The main window's menus, the editing view's context
// menus and later the ribbon are views of this one table; whoever owns a
// command (the main window, the view) registers it.
#pragma once

#include <QString>
#include <functional>
#include <vector>

struct Command {
  int id = 0;
  const char* name = "";  // the ID_ name
  QString label;          // menu text with its &-mnemonic
  std::function<void()> run;
  std::function<bool()> enabled;  // empty: always enabled
};

class CommandRegistry {
 public:
  void Add(Command command);
  const Command* Find(int id) const;
  const Command* FindByName(const QString& name) const;
  bool IsEnabled(int id) const;
  // Runs the command when it exists and is enabled; returns whether it ran.
  bool Run(int id) const;
  const std::vector<Command>& All() const { return commands_; }

 private:
  std::vector<Command> commands_;
};
