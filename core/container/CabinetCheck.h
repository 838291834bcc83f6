// Checks the structure of a cabinet's bytes before any decoder touches them,
// and the member names that may be written into our folders. No Qt, no glib.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace cab {

// A name is safe when it stays below the folder it is extracted into: relative,
// no ".." part, not empty, not a folder ('\' and '/' both separate parts).
bool IsSafeMemberName(std::string_view name);

enum class CheckStatus { Ok, Malformed, UnsafeName };

struct CabinetMember {
  std::string name;  // raw bytes as stored
  std::uint32_t size = 0;
};

struct CabinetCheck {
  CheckStatus status = CheckStatus::Malformed;
  std::string error;  // what was wrong, for a developer
  std::vector<CabinetMember> members;
};

// Walks the header, folders, files and every data block: sizes, offsets and
// counts must lie inside `bytes`, blocks inside the decoder's limits, and each
// member inside its folder's data. Multi-cabinet sets are refused.
CabinetCheck CheckCabinet(std::span<const std::uint8_t> bytes);

}  // namespace cab
