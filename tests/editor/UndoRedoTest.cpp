#include "editor/UndoRedo.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "FileSizeLimit.h"
#include "MessageRecorder.h"
#include "core/EditPath.h"
#include "core/container/WorkFolder.h"
#include "editor/CommandRegistry.h"
#include "tests/core/DocFixtures.h"

namespace {

using fixtures::FileBytes;
using fixtures::Figure;

// This process's files in the work folder.
QStringList OwnFiles() {
  const Result<QString> folder = GetWorkFolder();
  return folder ? QDir(*folder).entryList({OwnWorkFilePrefix() + '*'}, QDir::Files) : QStringList();
}

class UndoRedoTest : public ::testing::Test {
 protected:
  void SetUp() override { doc.Header().SlideCount = 2; }

  // One undoable change: a star moved to the right by `dx` on slide 0.
  void AddStep(int dx = 10) {
    edits.Apply(EditKind::Undoable, [dx](Document& d) {
      ObjectRecord star = Figure(objkind::Star);
      star.CenterX = dx;
      (void)d.AddObject(star);
    });
  }
  int Undos() const { return undo.History().UndoCount(); }
  int Redos() const { return undo.History().RedoCount(); }

  Document doc;
  EditPath edits{doc};
  CommandRegistry commands;
  std::vector<Failure> failures;
  UndoRedo undo{edits, commands, [this](const Failure& f) { failures.push_back(f); }};
  MessageRecorder messages;
};

TEST_F(UndoRedoTest, KeepsNineStepsEachWayAndTheirFilesOnly) {
  for (int i = 0; i < 12; ++i) AddStep(i);
  EXPECT_EQ(Undos(), 9);
  EXPECT_EQ(OwnFiles().size(), 9);
  for (int i = 0; i < 9; ++i) ASSERT_TRUE(commands.Run(ID_UNDO)) << i;
  EXPECT_FALSE(commands.IsEnabled(ID_UNDO));  // the tenth
  EXPECT_FALSE(commands.Run(ID_UNDO));
  EXPECT_EQ(doc.ObjCount(), 3);  // the state before the fourth change
  EXPECT_EQ(Redos(), 9);
  EXPECT_EQ(OwnFiles().size(), 9);
  EXPECT_TRUE(failures.empty());

  for (int i = 0; i < 9; ++i) ASSERT_TRUE(commands.Run(ID_REDO)) << i;
  EXPECT_FALSE(commands.IsEnabled(ID_REDO));
  EXPECT_EQ(doc.ObjCount(), 12);
  EXPECT_EQ(Undos(), 9);
}

TEST_F(UndoRedoTest, UndoAndRedoExchangeWholeStatesAndMarkTheDocument) {
  AddStep(10);
  const QByteArray one = FileBytes(doc);
  AddStep(20);
  const QByteArray two = FileBytes(doc);
  edits.SetModified(false);
  int restored = 0;
  QObject::connect(&edits, &EditPath::Restored, [&] { ++restored; });

  ASSERT_TRUE(undo.Undo());
  EXPECT_EQ(FileBytes(doc), one);
  EXPECT_TRUE(edits.IsModified());
  EXPECT_EQ(restored, 1);
  EXPECT_FALSE(doc.View(0).Selected);  // the star the change selected
  ASSERT_TRUE(undo.Redo());
  EXPECT_EQ(FileBytes(doc), two);
  EXPECT_EQ(Undos(), 2);
  EXPECT_EQ(Redos(), 0);
}

TEST_F(UndoRedoTest, AChangeAfterAnUndoDeletesEveryRedoFile) {
  for (int i = 0; i < 4; ++i) AddStep(i);
  undo.Undo();
  undo.Undo();
  const QStringList redoFiles = undo.History().RedoFiles();
  ASSERT_EQ(redoFiles.size(), 2);
  AddStep();
  EXPECT_EQ(Redos(), 0);
  EXPECT_FALSE(commands.IsEnabled(ID_REDO));
  for (const QString& path : redoFiles) EXPECT_FALSE(QFile::exists(path)) << path.toStdString();
  EXPECT_EQ(OwnFiles().size(), Undos());
}

// A changes in steps that never changed anything, as a press on a rotation
// circle released where it was pressed.
TEST_F(UndoRedoTest, APressWithoutMovementAddsAStepThatRestoresTheSameState) {
  AddStep();
  const QByteArray before = FileBytes(doc);
  edits.Begin(EditKind::Undoable).Commit();
  EXPECT_EQ(Undos(), 2);
  ASSERT_TRUE(undo.Undo());
  EXPECT_EQ(FileBytes(doc), before);
  EXPECT_EQ(Undos(), 1);
}

TEST_F(UndoRedoTest, ReturnsObjectsMovedToAnotherSlideWithTheSlideThatWasShown) {
  AddStep();
  doc.Header().CurSlide = 0;
  edits.Apply(EditKind::Undoable, [](Document& d) {
    d.Object(0).Slide = 1;
    d.Header().CurSlide = 1;
  });
  ASSERT_TRUE(undo.Undo());
  EXPECT_EQ(doc.Object(0).Slide, 0);
  EXPECT_EQ(doc.Header().CurSlide, 0);
}

TEST_F(UndoRedoTest, NeitherWayWhileAChangeInStepsIsUnderWay) {
  AddStep();
  {
    EditPath::Pending drag = edits.Begin(EditKind::NoSnapshot);
    EXPECT_FALSE(commands.IsEnabled(ID_UNDO));
    EXPECT_FALSE(undo.Undo());
  }
  EXPECT_TRUE(commands.IsEnabled(ID_UNDO));
}

TEST_F(UndoRedoTest, ANewOrOpenedDocumentEmptiesBothHistoriesAndTheirFiles) {
  for (int i = 0; i < 3; ++i) AddStep(i);
  undo.Undo();
  ASSERT_EQ(OwnFiles().size(), 3);
  edits.Replace(Document());
  EXPECT_EQ(Undos(), 0);
  EXPECT_EQ(Redos(), 0);
  EXPECT_TRUE(OwnFiles().isEmpty());
}

// A change that changed nothing, or a drag let go, is no step and keeps the
// steps that could be redone.
TEST_F(UndoRedoTest, AChangeThatChangedNothingKeepsBothHistories) {
  AddStep();
  AddStep();
  undo.Undo();
  const QStringList undoFiles = undo.History().UndoFiles();
  const QStringList redoFiles = undo.History().RedoFiles();
  EXPECT_FALSE(edits.Apply(EditKind::Undoable, [](Document&) { return false; }));
  { EditPath::Pending dropped = edits.Begin(EditKind::Undoable); }
  EXPECT_EQ(undo.History().UndoFiles(), undoFiles);
  EXPECT_EQ(undo.History().RedoFiles(), redoFiles);
  EXPECT_EQ(OwnFiles().size(), 2);
  EXPECT_TRUE(commands.IsEnabled(ID_REDO));
}

TEST_F(UndoRedoTest, NoSnapshotChangesTakeNone) {
  edits.Apply(EditKind::NoSnapshot, [](Document& d) { (void)d.AddObject(Figure(objkind::Star)); });
  edits.Apply(EditKind::ViewOnly, [](Document& d) { d.Header().CurSlide = 1; });
  EXPECT_EQ(Undos(), 0);
  EXPECT_TRUE(OwnFiles().isEmpty());
}

// Pictures the document still holds come back shared; others are decoded
// from their bytes.
TEST_F(UndoRedoTest, PicturesComeBackWithTheirBytes) {
  const QByteArray red = fixtures::PaddedBmp(600, qRgb(200, 0, 0));
  const QByteArray blue = fixtures::PaddedBmp(700, qRgb(0, 0, 200));
  const int kept = fixtures::AddImage(doc, red);
  fixtures::AddImage(doc, blue, 1);
  const Picture* keptPicture = doc.PictureOf(kept);
  edits.Apply(EditKind::Undoable, [](Document& d) { d.RemoveObject(1); });
  ASSERT_EQ(doc.Pictures().Count(), 1u);

  ASSERT_TRUE(undo.Undo());
  ASSERT_EQ(doc.ObjCount(), 2);
  EXPECT_EQ(doc.PictureOf(0), keptPicture);
  ASSERT_NE(doc.PictureOf(1), nullptr);
  EXPECT_EQ(doc.PictureOf(1)->Save(), blue);
  EXPECT_EQ(doc.PictureOf(0)->Save(), red);
  ASSERT_TRUE(undo.Redo());
  EXPECT_EQ(doc.ObjCount(), 1);
  EXPECT_EQ(doc.PictureOf(0), keptPicture);
}

// A snapshot damaged or gone: the document, its pictures and both histories
// stay exactly as they were, and the user hears why.
TEST_F(UndoRedoTest, ADamagedSnapshotChangesNothing) {
  fixtures::AddImage(doc, fixtures::PaddedBmp(5000));
  AddStep();
  AddStep(30);
  undo.Undo();
  const QByteArray before = FileBytes(doc);
  const Picture* picture = doc.PictureOf(0);
  const QStringList undoFiles = undo.History().UndoFiles();
  const QStringList redoFiles = undo.History().RedoFiles();
  const QString newest = undoFiles.last();
  QFile snapshot(newest);
  ASSERT_TRUE(snapshot.open(QIODevice::ReadOnly));
  const QByteArray whole = snapshot.readAll();
  snapshot.close();

  struct Case {
    const char* what;
    std::function<void()> damage;
    int message;
  };
  const auto writeFile = [newest](const QByteArray& bytes) {
    QFile f(newest);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
  };
  const Case cases[] = {
      {"truncated in the records", [&] { writeFile(whole.left(2000)); }, 30063},
      {"truncated in a picture", [&] { writeFile(whole.left(whole.size() - 100)); }, 30063},
      {"a slide count of zero", [&] { writeFile(QByteArray(whole).replace(0, 2, QByteArray(2, '\0'))); }, 30063},
      {"gone", [&] { QFile::remove(newest); }, 30026},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    failures.clear();
    c.damage();
    EXPECT_TRUE(commands.Run(ID_UNDO));
    ASSERT_EQ(failures.size(), 1u);
    EXPECT_EQ(failures[0].id, c.message);
    EXPECT_EQ(FileBytes(doc), before);
    EXPECT_EQ(doc.PictureOf(0), picture);
    EXPECT_EQ(undo.History().UndoFiles(), undoFiles);
    EXPECT_EQ(undo.History().RedoFiles(), redoFiles);
    EXPECT_EQ(OwnFiles().size(), undoFiles.size() + redoFiles.size() - (QFile::exists(newest) ? 0 : 1));
  }
}

// A full disk or a file-size limit: the change goes ahead without a step, and
// nothing of the half-written snapshot stays behind.
TEST_F(UndoRedoTest, ASnapshotThatCannotBeWrittenWholeIsDropped) {
  fixtures::AddImage(doc, fixtures::PaddedBmp(200000));
  AddStep();
  AddStep();
  undo.Undo();
  const QStringList undoFiles = undo.History().UndoFiles();
  const QStringList redoFiles = undo.History().RedoFiles();
  {
    FileSizeLimit limit(100000);
    AddStep(50);
    EXPECT_EQ(doc.ObjCount(), 3);  // the change went ahead
    EXPECT_TRUE(edits.IsModified());
    EXPECT_EQ(undo.History().UndoFiles(), undoFiles);
    EXPECT_EQ(undo.History().RedoFiles(), redoFiles);
    EXPECT_EQ(OwnFiles().size(), undoFiles.size() + redoFiles.size());

    // The present state cannot be kept for the way back either: no undo.
    const QByteArray before = FileBytes(doc);
    EXPECT_TRUE(commands.Run(ID_UNDO));
    ASSERT_EQ(failures.size(), 1u);
    EXPECT_EQ(failures[0].id, 30018);
    EXPECT_EQ(FileBytes(doc), before);
    EXPECT_EQ(undo.History().UndoFiles(), undoFiles);
    EXPECT_EQ(OwnFiles().size(), undoFiles.size() + redoFiles.size());
  }
  EXPECT_TRUE(undo.Undo());
}

}  // namespace
