// The gradient dialog's logic: which cells a pattern uses, the colour tools and
// the pick / copy / paste modes.
#include "editor/GradeEditor.h"

#include <gtest/gtest.h>

#include <QImage>

#include "render/gdi/Dc.h"

namespace {

constexpr int kPatterns[] = {0, 1, 2, 3, 4, 5, 6, 10, 11, 12, 13, 14, 15, 16};

GradeValue Numbered(int pattern) {
  GradeValue v;
  v.pattern = pattern;
  for (int i = 0; i < kGradeColours; ++i) v.colours[i] = 0x0F0F0F * (i + 1) % 0xFFFFFF;
  return v;
}

QImage Painted(const GradeValue& v) {
  QImage image(40, 40, QImage::Format_RGB32);
  image.fill(Qt::white);
  gdi::Dc dc(image);
  FillGradient(dc, v.colours, v.pattern, QRect(0, 0, 40, 40));
  return image;
}

TEST(GradeEditorTest, ACellIsShownExactlyWhenItsColourChangesThePaintedPattern) {
  for (int pattern : kPatterns) {
    const GradeValue base = Numbered(pattern);
    const QImage before = Painted(base);
    for (int cell = 0; cell < kGradeColours; ++cell) {
      GradeValue changed = base;
      changed.colours[cell] = 0x00FF00FF - base.colours[cell];
      EXPECT_EQ(Painted(changed) != before, GradeCellShown(pattern, cell))
          << "pattern " << pattern << " cell " << cell;
    }
  }
  for (int unknown : {-1, 7, 8, 9, 17}) {
    EXPECT_FALSE(IsGradePattern(unknown));
    EXPECT_FALSE(GradeCellShown(unknown, 0));
  }
}

TEST(GradeEditorTest, ReverseSwapsOnlyUsedCellsAcrossTheDiagonalAndTwiceRestores) {
  for (int pattern : kPatterns) {
    GradeEditor editor(Numbered(pattern));
    editor.Reverse();
    const GradeValue& once = editor.Value();
    EXPECT_EQ(once.colours[0], Numbered(pattern).colours[2]) << pattern;
    for (int cell = 0; cell < kGradeColours; ++cell) {
      if (GradeCellShown(pattern, cell)) continue;
      EXPECT_EQ(once.colours[cell], Numbered(pattern).colours[cell]);
    }
    editor.Reverse();
    EXPECT_EQ(editor.Value(), Numbered(pattern)) << pattern;
  }
  GradeEditor four(Numbered(4));  // two tiers: the halves of each tier swap
  four.Reverse();
  EXPECT_EQ(four.Value().colours[4], Numbered(4).colours[5]);
  EXPECT_EQ(four.Value().colours[6], Numbered(4).colours[7]);
}

TEST(GradeEditorTest, BrightnessStepsByFiveWithinTheChannelRange) {
  GradeValue v;
  v.colours[0] = 0xFFFFFF;
  v.colours[1] = 0x000000;
  v.colours[2] = 0x808080;
  v.colours[3] = -1;  // no colour: its fourth byte goes
  v.colours[4] = 0x00FE0301;
  GradeEditor editor(v);
  editor.Brighter();
  EXPECT_EQ(editor.Value().colours[0], 0xFFFFFF);
  EXPECT_EQ(editor.Value().colours[3], 0xFFFFFF);
  EXPECT_EQ(editor.Value().colours[4], 0x00FF0806);
  GradeEditor darker(v);
  for (int k = 0; k < 20; ++k) darker.Darker();
  EXPECT_EQ(darker.Value().colours[1], 0x000000);
  EXPECT_EQ(darker.Value().colours[2], 0x1C1C1C);
}

TEST(GradeEditorTest, NoGradientOpensOnTheRainbowWithAllCells) {
  GradeValue none;
  none.pattern = -1;
  const GradeEditor editor(none);
  EXPECT_EQ(editor.Value().pattern, 16);
  const COLORREF expected[] = {0x0000FF, 0xFF0000, 0xFF0000, 0xFF0000, 0x00FFFF, 0x00FFFF,
                               0x00FFFF, 0x00FFFF, 0x00FFFF, 0x0082FF, 0x00FF00, 0x0082FF,
                               0x00FF00, 0x00FF00, 0x0082FF, 0x00FF00, 0x0082FF};
  for (int i = 0; i < kGradeColours; ++i) EXPECT_EQ(editor.Value().colours[i], expected[i]) << i;
  EXPECT_EQ(editor.Mode(), GradeMode::Pick);
  EXPECT_EQ(editor.Copied(), 0x0000FF);  // colour 0, as the colour button shows
}

TEST(GradeEditorTest, ACellClickPicksCopiesOrPastesByMode) {
  GradeEditor editor(Numbered(16));
  int asked = 0;
  const GradeColourPicker pick = [&asked](COLORREF current) -> std::optional<COLORREF> {
    ++asked;
    if (current == Numbered(16).colours[5]) return std::nullopt;  // cancelled
    return 0x123456;
  };
  EXPECT_TRUE(editor.ClickCell(3, pick));
  EXPECT_FALSE(editor.ClickCell(5, pick));
  EXPECT_EQ(editor.Value().colours[3], 0x123456);
  EXPECT_EQ(editor.Value().colours[5], Numbered(16).colours[5]);

  editor.SetMode(GradeMode::Copy);
  EXPECT_FALSE(editor.ClickCell(3, pick));
  EXPECT_EQ(editor.Copied(), 0x123456);
  editor.SetMode(GradeMode::Paste);
  EXPECT_TRUE(editor.ClickCell(10, pick));
  EXPECT_TRUE(editor.ClickCell(11, pick));
  EXPECT_EQ(editor.Value().colours[10], 0x123456);
  EXPECT_EQ(editor.Value().colours[11], 0x123456);
  EXPECT_EQ(asked, 2);  // the chooser opens only in pick mode
}

}  // namespace
