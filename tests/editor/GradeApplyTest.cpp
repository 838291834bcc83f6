// The gradient dialog's value going to the selected objects or the background.
#include "editor/GradeApply.h"

#include <gtest/gtest.h>

#include <optional>

#include "core/EditPath.h"
#include "tests/core/DocFixtures.h"

namespace {

class GradeApplyTest : public ::testing::Test {
 protected:
  void SetUp() override {
    for (int i = 0; i < 3; ++i) doc.AddObject(fixtures::Figure(objkind::Ellipse));
    doc.View(0).Selected = 1;
    doc.View(1).Selected = 0;
    doc.View(2).Selected = 1;
    doc.Object(1).refMen = 0x123456;
    value.pattern = 13;
    for (int i = 0; i < kGradeColours; ++i) value.colours[i] = 0x010101 * i;
    value.round = true;
  }

  Document doc;
  EditPath edits{doc};
  std::vector<Document> snapshots;  // the undo steps made
  std::optional<Document> open;
  bool taking = (edits.SetSnapshotTaker([this](const Document& before) { open = before; },
                                        [this](bool changed) {
                                          if (changed) snapshots.push_back(*open);
                                        }),
                 true);
  GradeValue value;
};

TEST_F(GradeApplyTest, EverySelectedObjectTakesTheGradientWithWhiteFills) {
  EXPECT_TRUE(ApplyGrade(edits, value, true));
  for (int i : {0, 2}) {
    const ObjectRecord& r = doc.Object(i);
    EXPECT_EQ(r.GradePattern, 13);
    EXPECT_EQ(r.refGrade[16], 0x101010);
    EXPECT_EQ(r.GradeRound, 1);
    EXPECT_EQ(r.refMen, 0xFFFFFF);
    EXPECT_EQ(r.refSecondMen, 0xFFFFFF);
  }
  EXPECT_EQ(doc.Object(1).refMen, 0x123456);  // not selected
  EXPECT_EQ(GradeInput(doc, 2), value);
  EXPECT_EQ(snapshots.size(), 1u);
  EXPECT_TRUE(edits.IsModified());

  doc.View(0).Selected = doc.View(2).Selected = 0;
  EXPECT_FALSE(ApplyGrade(edits, value, true));
  EXPECT_EQ(snapshots.size(), 1u);
}

TEST_F(GradeApplyTest, TheBackgroundChangeIsMarkedModifiedAndCanBeUndone) {
  const int before = doc.Header().BackGradePattern;
  EXPECT_TRUE(ApplyGrade(edits, value, false));
  EXPECT_EQ(doc.Header().BackGradePattern, 13);
  EXPECT_EQ(doc.Header().refBackGrade[5], 0x050505);
  EXPECT_TRUE(edits.IsModified());
  ASSERT_EQ(snapshots.size(), 1u);
  EXPECT_EQ(snapshots[0].Header().BackGradePattern, before);
  EXPECT_EQ(doc.Object(0).GradePattern, fixtures::Figure(objkind::Ellipse).GradePattern);  // objects untouched

  GradeValue background = value;
  background.round = false;  // the background has no turn flag
  EXPECT_EQ(GradeInput(doc, -1), background);
}

}  // namespace
