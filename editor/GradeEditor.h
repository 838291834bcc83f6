// What the gradient dialog edits: a pattern with its 17 colours, the cells a
// pattern uses, the colour tools, and the pick / copy / paste modes of a cell.
#pragma once

#include <functional>
#include <optional>

#include "base/Color.h"
#include "render/Gradient.h"

class QString;

struct GradeValue {
  int pattern = 0;  // 0..6 or 10..16; -1 (no gradient) only as input
  COLORREF colours[kGradeColours] = {};
  bool round = false;  // turns with the object (objects only)
  friend bool operator==(const GradeValue&, const GradeValue&) = default;
};

// 0..6 and 10..16: the patterns that paint something.
bool IsGradePattern(int pattern);
// The pattern's label, as its button's tool tip shows it; empty for others.
QString GradePatternLabel(int pattern);
// Whether the pattern's pieces use reference point `cell`, so its cell is shown.
bool GradeCellShown(int pattern, int cell);

enum class GradeMode { Pick = 1, Copy = 2, Paste = 3 };

// Asks for a colour starting from `current`; nullopt when cancelled.
using GradeColourPicker = std::function<std::optional<COLORREF>(COLORREF current)>;

class GradeEditor {
 public:
  // Without a gradient (-1) it starts from the rainbow colours on pattern 16.
  explicit GradeEditor(const GradeValue& start);

  const GradeValue& Value() const { return value_; }
  GradeMode Mode() const { return mode_; }
  void SetMode(GradeMode mode) { mode_ = mode; }
  // What paste mode puts in a cell: colour 0 until a cell is copied.
  COLORREF Copied() const { return copied_; }

  // An unknown pattern is ignored.
  void SetPattern(int pattern);
  void SetRound(bool round) { value_.round = round; }
  // Pattern and colours of a preset; the turn flag stays.
  void Load(const GradeValue& preset);

  // Pick asks `pick` for the cell's colour, copy takes the cell's colour, paste
  // gives it the copied one. True when a cell's colour changed.
  bool ClickCell(int cell, const GradeColourPicker& pick);

  // 0 red, 1..3 blue, 4..8 yellow, the quarters orange and green, on pattern 16.
  void Rainbow();
  // Every channel of every colour up or down by 5 within 0..255.
  void Brighter() { Shift(5); }
  void Darker() { Shift(-5); }
  // Swaps the colours the pattern uses across the diagonal.
  void Reverse();

 private:
  void Shift(int step);

  GradeValue value_;
  GradeMode mode_ = GradeMode::Pick;
  COLORREF copied_ = 0;
};
