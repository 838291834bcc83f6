// The show's keys: each key gives the command number of its program, as an
// accelerator table would, and each command one action of the show.
#pragma once

#include <Qt>

enum class ShowAction { None, Next, Previous, Erase, PointerLarger, PointerSmaller, End };

// The dialog's own buttons, the same in both programs.
inline constexpr int kShowCommandOk = 1;      // Enter
inline constexpr int kShowCommandCancel = 2;  // Esc

// The command number of `key`, 0 for a key the show does not use.
int ShowCommandForKey(int key, Qt::KeyboardModifiers modifiers, bool player);
ShowAction ShowActionForCommand(int command, bool player);
// The command number of `action` in Tessaly or in the player.
int ShowCommandFor(ShowAction action, bool player);
