// The authoring program's string table: the message texts by their ids
// (MessageIds.h), the application title and the version history.
#pragma once

#include <QString>
#include <optional>

#include "base/MessageIds.h"

std::optional<QString> LoadString(int id);
QString AppTitle();
