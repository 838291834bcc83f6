#include "core/EditPath.h"

#include <gtest/gtest.h>

#include <vector>

#include "DocFixtures.h"

namespace {

using fixtures::Figure;

// An edit path whose snapshots and notices are counted.
class EditPathTest : public ::testing::Test {
 protected:
  void SetUp() override {
    edits.SetSnapshotTaker([this](const Document& before) { snapshots.push_back(before.ObjCount()); },
                           [this](bool changed) { settled.push_back(changed); });
    QObject::connect(&edits, &EditPath::Changed, [this](EditKind kind) { notices.push_back(kind); });
    QObject::connect(&edits, &EditPath::Replaced, [this] { ++replaced; });
    QObject::connect(&edits, &EditPath::Restored, [this] { ++restored; });
  }
  static void AddStar(Document& d) { (void)d.AddObject(Figure(objkind::Star)); }

  Document doc;
  EditPath edits{doc};
  std::vector<int> snapshots;  // the object count each snapshot saw
  std::vector<bool> settled;   // whether each change happened
  std::vector<EditKind> notices;
  int replaced = 0;
  int restored = 0;
};

TEST_F(EditPathTest, EachKindTakesItsSnapshotMarksAndTellsOnce) {
  struct Case {
    EditKind kind;
    bool snapshot;
    bool modified;
  };
  const Case cases[] = {
      {EditKind::Undoable, true, true},
      {EditKind::NoSnapshot, false, true},
      {EditKind::ViewOnly, false, false},
  };
  for (const Case& c : cases) {
    edits.SetModified(false);
    snapshots.clear();
    notices.clear();
    const int before = doc.ObjCount();
    edits.Apply(c.kind, &AddStar);
    EXPECT_EQ(doc.ObjCount(), before + 1);
    EXPECT_EQ(snapshots, c.snapshot ? std::vector<int>{before} : std::vector<int>{});
    EXPECT_EQ(edits.IsModified(), c.modified);
    EXPECT_EQ(notices, std::vector<EditKind>{c.kind});
  }
}

TEST_F(EditPathTest, AChangeThatChangedNothingIsNotMarkedNorTold) {
  EXPECT_FALSE(edits.Apply(EditKind::Undoable, [](Document&) { return false; }));
  doc.SetObjectCount(kMaxObjects);
  const Result<int> refused = edits.Apply(EditKind::NoSnapshot, [](Document& d) { return d.AddObject(Figure(objkind::Star)); });
  ASSERT_FALSE(refused.has_value());
  EXPECT_EQ(refused.error().id, 30163);
  EXPECT_FALSE(edits.IsModified());
  EXPECT_TRUE(notices.empty());
  // Taken before the change, as the press of a drag takes it, then dropped.
  EXPECT_EQ(snapshots.size(), 1u);
  EXPECT_EQ(settled, std::vector<bool>{false});
  EXPECT_EQ(*edits.Apply(EditKind::NoSnapshot, [](Document&) { return std::optional<int>(4); }), 4);
  EXPECT_EQ(notices.size(), 1u);
}

TEST_F(EditPathTest, AChangeInStepsTakesOneSnapshotAndMarksOnCommit) {
  {
    EditPath::Pending drag = edits.Begin(EditKind::Undoable);
    drag.Update(&AddStar);
    drag.Update(&AddStar);
    EXPECT_EQ(doc.ObjCount(), 2);
    EXPECT_FALSE(edits.IsModified());
    drag.Commit();
  }
  EXPECT_EQ(snapshots, std::vector<int>{0});
  EXPECT_EQ(settled, std::vector<bool>{true});
  EXPECT_TRUE(edits.IsModified());
  EXPECT_EQ(notices.back(), EditKind::Undoable);
  EXPECT_EQ(notices.size(), 3u);  // each step and the end
  EXPECT_EQ(doc.ObjCount(), 2);
}

TEST_F(EditPathTest, AChangeInStepsLeftUnfinishedPutsTheDocumentBack) {
  AddStar(doc);
  doc.Object(0).CenterX = 10;
  {
    EditPath::Pending drag = edits.Begin(EditKind::Undoable);
    drag.Update([](Document& d) { d.Object(0).CenterX = 500; });
    drag.Update(&AddStar);
  }
  EXPECT_EQ(doc.ObjCount(), 1);
  EXPECT_EQ(doc.Object(0).CenterX, 10);
  EXPECT_FALSE(edits.IsModified());
  EXPECT_EQ(settled, std::vector<bool>{false});
}

// A change made during a drag shares the drag's snapshot: one step for both.
TEST_F(EditPathTest, OneSnapshotIsOpenAtATime) {
  EditPath::Pending drag = edits.Begin(EditKind::Undoable);
  edits.Apply(EditKind::Undoable, &AddStar);
  drag.Commit();
  edits.Apply(EditKind::Undoable, &AddStar);
  EXPECT_EQ(snapshots, (std::vector<int>{0, 1}));
  EXPECT_EQ(settled, (std::vector<bool>{true, true}));
}

TEST_F(EditPathTest, ReplacingStartsAnUnmodifiedDocument) {
  edits.Apply(EditKind::NoSnapshot, &AddStar);
  Document fresh;
  fresh.Header().SlideCount = 7;
  edits.Replace(std::move(fresh));
  EXPECT_EQ(doc.Header().SlideCount, 7);
  EXPECT_EQ(doc.ObjCount(), 0);
  EXPECT_FALSE(edits.IsModified());
  EXPECT_EQ(replaced, 1);
}

// Undo and redo put an earlier state back: unlike a new or opened document
// it is a change to save, and the pictures it no longer holds go only after.
TEST_F(EditPathTest, RestoringAnEarlierStateMarksTheDocument) {
  Document earlier = doc.EmptyLike();
  earlier.Header().SlideCount = 5;
  const int image = fixtures::AddImage(doc, fixtures::PaddedBmp(100));
  std::shared_ptr<const Picture> picture = doc.Pictures().Share(doc.Object(image).Picture);
  QObject::connect(&edits, &EditPath::Restored, [&] { EXPECT_EQ(picture.use_count(), 2); });
  edits.Restore(std::move(earlier));
  EXPECT_EQ(doc.Header().SlideCount, 5);
  EXPECT_EQ(doc.ObjCount(), 0);
  EXPECT_TRUE(edits.IsModified());
  EXPECT_EQ(restored, 1);
  EXPECT_EQ(replaced, 0);
  EXPECT_EQ(picture.use_count(), 1);
}

TEST_F(EditPathTest, KnowsWhenAChangeInStepsIsUnderWay) {
  EXPECT_FALSE(edits.InProgress());
  {
    EditPath::Pending drag = edits.Begin(EditKind::NoSnapshot);
    EXPECT_TRUE(edits.InProgress());
    EditPath::Pending moved = std::move(drag);
    moved.Commit();
    EXPECT_FALSE(edits.InProgress());
  }
  { EditPath::Pending dropped = edits.Begin(EditKind::NoSnapshot); }
  EXPECT_FALSE(edits.InProgress());
}

}  // namespace
