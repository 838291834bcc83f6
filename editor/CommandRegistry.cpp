#include "editor/CommandRegistry.h"

#include <algorithm>

void CommandRegistry::Add(Command command) {
  const auto same = [&](const Command& c) { return c.id == command.id; };
  const auto it = std::find_if(commands_.begin(), commands_.end(), same);
  if (it != commands_.end())
    *it = std::move(command);
  else
    commands_.push_back(std::move(command));
}

const Command* CommandRegistry::Find(int id) const {
  const auto it = std::find_if(commands_.begin(), commands_.end(),
                               [&](const Command& c) { return c.id == id; });
  return it == commands_.end() ? nullptr : &*it;
}

const Command* CommandRegistry::FindByName(const QString& name) const {
  const auto it = std::find_if(commands_.begin(), commands_.end(),
                               [&](const Command& c) { return name == c.name; });
  return it == commands_.end() ? nullptr : &*it;
}

bool CommandRegistry::IsEnabled(int id) const {
  const Command* c = Find(id);
  return c && (!c->enabled || c->enabled());
}

bool CommandRegistry::Run(int id) const {
  if (!IsEnabled(id)) return false;
  if (const Command* c = Find(id); c->run) c->run();
  return true;
}
