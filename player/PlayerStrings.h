// The player's own string table and how it tells the user something.
#pragma once

#include <QString>
#include <optional>

#include "base/Failure.h"

std::optional<QString> PlayerString(int id);
// A failure's message from the player's table, with its detail line first;
// nothing for msg::None or an id the table does not have.
int ShowPlayerFailure(const Failure& failure);
