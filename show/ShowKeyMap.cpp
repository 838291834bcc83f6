#include "show/ShowKeyMap.h"

namespace {

struct CommandRow {
  ShowAction action;
  int tessaly;
  int player;
};

const CommandRow kCommands[] = {
    {ShowAction::Next, 32921, 101},          {ShowAction::Previous, 32923, 102},
    {ShowAction::Erase, 577, 103},           {ShowAction::PointerLarger, 580, 104},
    {ShowAction::PointerSmaller, 581, 105},  {ShowAction::Next, kShowCommandOk, kShowCommandOk},
    {ShowAction::End, kShowCommandCancel, kShowCommandCancel},
};

// Letters with and without Shift; other keys whatever the modifiers.
ShowAction ActionForKey(int key, bool shift) {
  switch (key) {
    case Qt::Key_N: return shift ? ShowAction::Previous : ShowAction::Next;
    case Qt::Key_P: return shift ? ShowAction::Next : ShowAction::Previous;
    case Qt::Key_Right:
    case Qt::Key_Space: return ShowAction::Next;
    case Qt::Key_Left:
    case Qt::Key_Backspace: return ShowAction::Previous;
    case Qt::Key_C:
    case Qt::Key_Delete: return ShowAction::Erase;
    case Qt::Key_Plus:
    case Qt::Key_Up: return ShowAction::PointerLarger;
    case Qt::Key_Minus:
    case Qt::Key_Down: return ShowAction::PointerSmaller;
    default: return ShowAction::None;
  }
}

}  // namespace

int ShowCommandForKey(int key, Qt::KeyboardModifiers modifiers, bool player) {
  if (key == Qt::Key_Return || key == Qt::Key_Enter) return kShowCommandOk;
  if (key == Qt::Key_Escape) return kShowCommandCancel;
  const ShowAction action = ActionForKey(key, modifiers.testFlag(Qt::ShiftModifier));
  return action == ShowAction::None ? 0 : ShowCommandFor(action, player);
}

ShowAction ShowActionForCommand(int command, bool player) {
  for (const CommandRow& row : kCommands)
    if ((player ? row.player : row.tessaly) == command) return row.action;
  return ShowAction::None;
}

int ShowCommandFor(ShowAction action, bool player) {
  for (const CommandRow& row : kCommands)
    if (row.action == action) return player ? row.player : row.tessaly;
  return 0;
}
