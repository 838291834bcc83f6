// Writing and extracting MSZIP cabinets. The only file that sees libgcab;
// its interface is plain C++ so that Qt code can call it.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "core/container/CabinetCheck.h"

namespace cab {

// Builds in memory a cabinet with one MSZIP member `memberName` holding the
// bytes of `dataFile`. `error` gets the cause of a failure.
bool BuildSingleMember(const std::filesystem::path& dataFile, const std::string& memberName,
                       std::vector<std::uint8_t>& cabinet, std::string* error);

enum class ExtractStatus { Ok, Unreadable, UnsafeName, WriteFailed };

struct ExtractResult {
  ExtractStatus status = ExtractStatus::Unreadable;
  std::filesystem::path lastMember;  // the member extracted last; empty without members
  std::string error;
};

// Checks `cabinet` (CheckCabinet) and extracts every member below `destFolder`.
// Nothing is written when the structure or any member name is refused, and
// nothing is ever written outside `destFolder`.
ExtractResult ExtractAll(const std::filesystem::path& cabinet,
                         const std::filesystem::path& destFolder);

// Reads the whole of `path`; false when it cannot be read. Cabinets of more
// than `maxBytes` are refused rather than read.
bool ReadWholeFile(const std::filesystem::path& path, std::vector<std::uint8_t>& bytes,
                   std::uintmax_t maxBytes = std::uintmax_t{1} << 31);

}  // namespace cab
