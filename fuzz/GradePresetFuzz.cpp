// Feeds arbitrary bytes as a gradient preset file. An accepted preset has a
// painting pattern and writes a text that reads back as the same value.
#include <cstddef>
#include <cstdint>

#include "editor/GradePresets.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const Result<GradeValue> value =
      ParseGradePreset(QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
  if (!value) return 0;
  if (!IsGradePattern(value->pattern)) __builtin_trap();
  const Result<GradeValue> again = ParseGradePreset(GradePresetText(*value));
  if (!again || !(*again == *value)) __builtin_trap();
  return 0;
}
