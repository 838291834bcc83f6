// Feeds arbitrary bytes to the cabinet check and, when it passes, to the
// extraction itself: nothing may crash or be written outside the folder.
#include <stdlib.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <span>

#include "core/container/Cabinet.h"
#include "core/container/CabinetCheck.h"

namespace fs = std::filesystem;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const cab::CabinetCheck check = cab::CheckCabinet(std::span(data, size));
  if (check.status != cab::CheckStatus::Ok) return 0;
  for (const cab::CabinetMember& m : check.members)
    if (!cab::IsSafeMemberName(m.name)) __builtin_trap();  // the check must refuse these

  char root[] = "/tmp/cabfuzz.XXXXXX";
  if (!mkdtemp(root)) return 0;
  const fs::path file = fs::path(root) / "in.cab";
  const fs::path out = fs::path(root) / "out";
  fs::create_directory(out);
  if (std::FILE* f = std::fopen(file.c_str(), "wb")) {
    std::fwrite(data, 1, size, f);
    std::fclose(f);
    cab::ExtractAll(file, out);
  }
  // Everything extracted must be inside `out`.
  for (const auto& entry : fs::directory_iterator(root))
    if (entry.path() != file && entry.path() != out) __builtin_trap();
  fs::remove_all(root);
  return 0;
}
