// The program's commands: one table of id, ID_ name, Japanese label, handler
// and enabled state. Menus (and later the ribbon) are views of this table.
#pragma once

#include <QString>
#include <functional>
#include <vector>

// Command identifiers of the framework's standard commands.
inline constexpr int ID_FILE_NEW = 0xE100;
inline constexpr int ID_FILE_OPEN = 0xE101;
inline constexpr int ID_FILE_SAVE = 0xE103;
inline constexpr int ID_FILE_SAVE_AS = 0xE104;
inline constexpr int ID_FILE_MRU_FILE1 = 0xE110;  // ..ID_FILE_MRU_FILE1 + 9
inline constexpr int ID_APP_EXIT = 0xE141;
// Moving between slides until the slide list exists.
inline constexpr int ID_NEXT_SLIDE = 0x8101;
inline constexpr int ID_PREV_SLIDE = 0x8102;

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
