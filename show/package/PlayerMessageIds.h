// The messages of the player, by name: ids of its own string table (the
// texts are in player/PlayerStrings.cpp). Some share a number with a
// different message of the authoring program.
#pragma once

namespace playermsg {
inline constexpr int NoMemory = 30001;
inline constexpr int RunAlone = 30003;  // a bare player, without a show
inline constexpr int OpenFailed = 30026;
inline constexpr int NoImage = 30028;
inline constexpr int ImageTypeRefused = 30029;
}  // namespace playermsg
