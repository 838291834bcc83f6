// A measuring rehearsal end to end: the show driven by keys, its results,
// and the times kept in the document or in the file.
#include <gtest/gtest.h>

#include <QMenu>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QTest>

#include "AppFixtures.h"
#include "MessageRecorder.h"
#include "ModalScript.h"
#include "RibbonFixtures.h"
#include "SettingsReset.h"
#include "app/CommandLine.h"
#include "app/MainWindow.h"
#include "app/ResultDlg.h"
#include "app/ShowCommands.h"
#include "base/MessageIds.h"
#include "core/Records.h"
#include "editor/UndoRedo.h"
#include "show/ShowDlg.h"

namespace {

std::vector<int> StoredTimes(const Document& doc) {
  const DocHeader& h = doc.Header();
  std::vector<int> times;
  for (int i = 0; i < h.SlideCount; ++i) times.push_back(h.SwitchTime[i]);
  return times;
}

ModalScript::Step Key(int key) {
  return ModalScript::On<CShowDlg>([key](CShowDlg& show) { QTest::keyClick(&show, static_cast<Qt::Key>(key)); });
}

ModalScript::Step ClickButton(ResultButton button, std::vector<int>* seen = nullptr) {
  return ModalScript::On<CResultDlg>([button, seen](CResultDlg& results) {
    if (seen) *seen = results.Results().Times();
    QTest::mouseClick(&results, Qt::LeftButton, {}, ResultButtonRect(results.size(), button).center());
  });
}

class RehearsalTest : public ::testing::Test {
 protected:
  void SetUp() override {
    support::ClearSettings();
    ASSERT_TRUE(appfixtures::SaveSample(path));
  }
  void TearDown() override { support::ClearSettings(); }

  QTemporaryDir dir;
  QString path = dir.filePath("talk.tvl");
  MessageRecorder messages;
};

TEST_F(RehearsalTest, TheRibbonsRehearsalKeepsTheTimesInTheDocument) {
  Document doc;
  CMiradoDoc file(doc);
  ASSERT_TRUE(file.OpenDocument(path, nullptr));
  MainWindow window(file);
  const std::vector<int> before = StoredTimes(doc);
  std::vector<int> seen;
  ModalScript script({Key(Qt::Key_N), Key(Qt::Key_N), ClickButton(ResultButton::Save, &seen),
                      ClickButton(ResultButton::End)});
  QAction* rehearse = ribbonfixtures::Action(window, "ID_GET_TIME_MODE");
  ASSERT_NE(rehearse, nullptr);
  EXPECT_EQ(rehearse->text(), QString::fromUtf8("リハーサル(時間計測)(&G)"));
  rehearse->trigger();
  EXPECT_TRUE(script.Done());
  ASSERT_EQ(seen.size(), 2u);
  EXPECT_GE(seen[0], 1);  // a slide left at once counts one second
  EXPECT_EQ(StoredTimes(doc), seen);
  EXPECT_TRUE(file.IsModified());
  EXPECT_EQ(messages.Ids(), (std::vector<int>{msg::TimesSaved}));
  // Keeping them was one step: one undo brings the old times back.
  ASSERT_TRUE(window.Commands().IsEnabled(ID_UNDO));
  window.Commands().Run(ID_UNDO);
  EXPECT_EQ(StoredTimes(doc), before);
  EXPECT_NE(before, seen);
  EXPECT_FALSE(window.Commands().IsEnabled(ID_UNDO));
}

TEST_F(RehearsalTest, StoredTimesOpenAloneAndAreKeptWhenChanged) {
  Document doc;
  CMiradoDoc file(doc);
  ASSERT_TRUE(file.OpenDocument(path, nullptr));
  file.Edits().Apply(EditKind::NoSnapshot, [](Document& d) {
    d.Header().SwitchTime[0] = 0;
    d.Header().SwitchTime[1] = 40;
  });
  file.SetModifiedFlag(false);
  MainWindow window(file);
  ModalScript script({ModalScript::On<CResultDlg>([](CResultDlg& results) {
                        EXPECT_EQ(results.Results().Times(), (std::vector<int>{1, 40}));
                        QTest::mouseClick(&results, Qt::LeftButton, {},
                                          ResultButtonRect(results.size(), ResultButton::End).center());
                      })});
  window.Commands().Run(ID_AUTO_SETTEI);
  EXPECT_TRUE(script.Done());
  // Seen and closed without a change: the document is as it was.
  EXPECT_FALSE(file.IsModified());
  EXPECT_EQ(StoredTimes(doc), (std::vector<int>{0, 40}));
  EXPECT_TRUE(messages.Ids().empty());
}

TEST_F(RehearsalTest, RehearseFromTheCommandLineSavesKeptTimesWithABackup) {
  const CommandLine cl = ParseCommandLine({"Tessaly", "--rehearse", path});
  ASSERT_TRUE(cl.error.isEmpty());
  ASSERT_TRUE(cl.rehearse);
  EXPECT_FALSE(cl.Batch());
  const QByteArray before = appfixtures::ReadAll(path);
  std::vector<int> seen;
  ModalScript script({Key(Qt::Key_Right), Key(Qt::Key_Return), ClickButton(ResultButton::Save, &seen),
                      ClickButton(ResultButton::End)});
  EXPECT_TRUE(RunFileShow(cl.document, ShowMode::RehearsalMeasure));
  EXPECT_TRUE(script.Done());
  EXPECT_EQ(appfixtures::ReadAll(dir.filePath("talk(back).TVL")), before);
  Document saved;
  CMiradoDoc reread(saved);
  ASSERT_TRUE(reread.OpenDocument(path, nullptr));
  EXPECT_EQ(StoredTimes(saved), seen);
}

TEST_F(RehearsalTest, RehearseLeavesTheFileAloneWhenTheTimesAreDropped) {
  const QByteArray before = appfixtures::ReadAll(path);
  messages.answers = {IDYES};  // end without keeping them
  ModalScript script({Key(Qt::Key_N), Key(Qt::Key_N), ClickButton(ResultButton::End)});
  EXPECT_TRUE(RunFileShow(path, ShowMode::RehearsalMeasure));
  EXPECT_TRUE(script.Done());
  EXPECT_EQ(messages.Ids(), (std::vector<int>{msg::AskUnsavedTimes}));
  EXPECT_EQ(appfixtures::ReadAll(path), before);
  EXPECT_FALSE(QFile::exists(dir.filePath("talk(back).TVL")));
}

}  // namespace
