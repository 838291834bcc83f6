// The object classes and kinds that exist, with the names the status bar shows.
#pragma once

#include <QString>
#include <cstdint>

#include "core/Records.h"

// The status-bar name of an object: "Line 3", "D-Text  12", ...
QString ObjectStatusName(const ObjectRecord& record);
// The name of a class/kind pair, nullptr when the pair is not a known object.
const char* ObjectTypeName(std::uint16_t objClass, std::uint16_t objKind);
inline bool IsKnownObjectType(std::uint16_t objClass, std::uint16_t objKind) {
  return ObjectTypeName(objClass, objKind) != nullptr;
}
