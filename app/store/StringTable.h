// The authoring program's string table: message texts 30001..30174, the
// application title and the version history.
#pragma once

#include <QString>
#include <optional>

inline constexpr int IDS_APP_TITLE = 57344;
// The framework's question before a modified document is closed; the
// document's name comes first, as the prefix.
inline constexpr int IDP_ASK_TO_SAVE = 61714;
inline constexpr int IDS_HISTORY_FIRST = 30200;  // oldest release
inline constexpr int IDS_HISTORY_LAST = 30207;   // newest release

std::optional<QString> LoadString(int id);
QString AppTitle();
