#include "editor/GradeEditor.h"

#include <QString>
#include <algorithm>
#include <cstdint>
#include <initializer_list>
#include <utility>

namespace {

struct PatternRow {
  const char* label;
  std::uint32_t cells;  // bit i: reference point i is used
  std::initializer_list<std::pair<int, int>> swaps;
};

constexpr std::uint32_t Cells(std::initializer_list<int> points) {
  std::uint32_t bits = 0;
  for (int p : points) bits |= 1u << p;
  return bits;
}

constexpr std::uint32_t kAllCells = (1u << kGradeColours) - 1;

// Patterns 7, 8 and 9 have no row: they paint nothing.
const PatternRow* RowOf(int pattern) {
  static const PatternRow kRows[kGradePatterns] = {
      {"水平方向", Cells({0, 2}), {{0, 2}}},
      {"垂直方向", Cells({0, 2}), {{0, 2}}},
      {"水平方向（２分割）", Cells({0, 2, 4, 6}), {{0, 2}, {4, 6}}},
      {"垂直方向（２分割）", Cells({0, 2, 5, 7}), {{0, 2}, {5, 7}}},
      {"上下２段水平方向", Cells({0, 2, 4, 5, 6, 7, 8}), {{0, 2}, {4, 5}, {6, 7}}},
      {"水平方向（４分割）", Cells({0, 2, 4, 6, 9, 10, 13, 14}), {{0, 2}, {4, 6}, {9, 13}, {10, 14}}},
      {"垂直方向（４分割）", Cells({0, 2, 5, 7, 11, 12, 15, 16}), {{0, 2}, {5, 7}, {11, 15}, {12, 16}}},
      {nullptr, 0, {}},
      {nullptr, 0, {}},
      {nullptr, 0, {}},
      {"左上から右下方向", Cells({0, 1, 2, 3}), {{0, 2}, {1, 3}}},
      {"左下から右上方向", Cells({0, 1, 2, 3}), {{0, 2}, {1, 3}}},
      {"対角線方向（４分割）", Cells({0, 1, 2, 3, 8}), {{0, 2}, {1, 3}}},
      {"対角線方向（８分割）", Cells({0, 1, 2, 3, 4, 5, 6, 7, 8}), {{0, 2}, {1, 3}, {4, 6}, {5, 7}}},
      {"水平方向（８分割）", Cells({0, 1, 2, 3, 4, 6, 9, 10, 13, 14}), {{0, 2}, {1, 3}, {4, 6}, {9, 13}, {10, 14}}},
      {"垂直方向（８分割）", Cells({0, 1, 2, 3, 5, 7, 11, 12, 15, 16}), {{0, 2}, {1, 3}, {5, 7}, {11, 15}, {12, 16}}},
      {"対角線方向（１６分割）", kAllCells,
       {{0, 2}, {1, 3}, {4, 6}, {5, 7}, {9, 13}, {10, 14}, {11, 15}, {12, 16}}},
  };
  if (pattern < 0 || pattern >= kGradePatterns || !kRows[pattern].label) return nullptr;
  return &kRows[pattern];
}

// COLORREF values, red in the low byte.
constexpr COLORREF kRed = 0x0000FF, kBlue = 0xFF0000, kYellow = 0x00FFFF, kOrange = 0x0082FF,
                   kGreen = 0x00FF00;
constexpr COLORREF kRainbow[kGradeColours] = {kRed,    kBlue,   kBlue,   kBlue,  kYellow, kYellow,
                                              kYellow, kYellow, kYellow, kOrange, kGreen, kOrange,
                                              kGreen,  kGreen,  kOrange, kGreen, kOrange};

}  // namespace

bool IsGradePattern(int pattern) { return RowOf(pattern) != nullptr; }

QString GradePatternLabel(int pattern) {
  const PatternRow* row = RowOf(pattern);
  return row ? QString::fromUtf8(row->label) : QString();
}

bool GradeCellShown(int pattern, int cell) {
  const PatternRow* row = RowOf(pattern);
  return row && cell >= 0 && cell < kGradeColours && (row->cells >> cell & 1u);
}

GradeEditor::GradeEditor(const GradeValue& start) : value_(start) {
  if (value_.pattern == -1) Rainbow();
  else if (!IsGradePattern(value_.pattern)) value_.pattern = 0;
  copied_ = value_.colours[0];
}

void GradeEditor::SetPattern(int pattern) {
  if (IsGradePattern(pattern)) value_.pattern = pattern;
}

void GradeEditor::Load(const GradeValue& preset) {
  SetPattern(preset.pattern);
  std::copy(std::begin(preset.colours), std::end(preset.colours), value_.colours);
}

bool GradeEditor::ClickCell(int cell, const GradeColourPicker& pick) {
  if (cell < 0 || cell >= kGradeColours) return false;
  COLORREF& colour = value_.colours[cell];
  switch (mode_) {
    case GradeMode::Pick: {
      const std::optional<COLORREF> chosen = pick ? pick(colour) : std::nullopt;
      if (!chosen) return false;
      colour = *chosen;
      return true;
    }
    case GradeMode::Copy:
      copied_ = colour;
      return false;
    case GradeMode::Paste:
      colour = copied_;
      return true;
  }
  return false;
}

void GradeEditor::Rainbow() {
  std::copy(std::begin(kRainbow), std::end(kRainbow), value_.colours);
  value_.pattern = 16;
}

void GradeEditor::Shift(int step) {
  for (COLORREF& c : value_.colours) {
    const auto u = static_cast<std::uint32_t>(c);
    std::uint32_t out = 0;
    for (int shift : {0, 8, 16}) {
      const int channel = std::clamp(static_cast<int>(u >> shift & 0xFF) + step, 0, 255);
      out |= static_cast<std::uint32_t>(channel) << shift;
    }
    c = static_cast<COLORREF>(out);
  }
}

void GradeEditor::Reverse() {
  const PatternRow* row = RowOf(value_.pattern);
  if (!row) return;
  for (const auto& [a, b] : row->swaps) std::swap(value_.colours[a], value_.colours[b]);
}
