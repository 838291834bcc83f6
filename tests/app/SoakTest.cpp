// A long session in one process: open, edit, undo, save and show the sample
// presentation many times over. Memory must level off and the work folder
// must hold nothing afterwards. Rounds: TESSALY_SOAK_ROUNDS (1,000 by default).
#include <gtest/gtest.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <cstdio>

#include "MessageRecorder.h"
#include "ModalScript.h"
#include "SettingsReset.h"
#include "app/CommandIds.h"
#include "app/MainWindow.h"
#include "app/MiradoDoc.h"
#include "app/SamplePresentation.h"
#include "app/ShowCommands.h"
#include "core/container/WorkFolder.h"
#include "editor/UndoRedo.h"
#include "show/ShowDlg.h"

namespace {

long ResidentKiB() {
  long pages = 0, resident = 0;
  if (FILE* statm = std::fopen("/proc/self/statm", "r")) {
    if (std::fscanf(statm, "%ld %ld", &pages, &resident) != 2) resident = 0;
    std::fclose(statm);
  }
  return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

int Rounds() {
  bool ok = false;
  const int rounds = qEnvironmentVariableIntValue("TESSALY_SOAK_ROUNDS", &ok);
  return ok && rounds > 0 ? rounds : 1000;
}

TEST(SoakTest, ALongSessionKeepsItsMemoryAndLeavesNoFiles) {
  support::ClearSettings();
  QTemporaryDir dir;
  const QString path = dir.filePath("Sample.tvl");
  ASSERT_TRUE(SaveSamplePresentation(path));
  Document doc;
  CMiradoDoc file(doc);
  MainWindow window(file);
  MessageRecorder messages;

  const int rounds = Rounds();
  const int warmUp = std::min(20, rounds / 2);  // caches, fonts and the show's first buffers
  long start = 0;
  for (int round = 0; round < rounds; ++round) {
    if (round == warmUp) start = ResidentKiB();
    ASSERT_TRUE(window.OpenFile(path)) << "round " << round;
    const int objects = doc.ObjCount();
    ASSERT_GT(objects, 0);
    file.Edits().Apply(EditKind::Undoable, [](Document& d) { d.Object(0).CenterX += 10; });
    window.Commands().Run(ID_UNDO);
    file.Edits().Apply(EditKind::Undoable, [](Document& d) { d.Object(0).CenterY += 1; });
    window.Commands().Run(ID_FILE_SAVE);
    ASSERT_FALSE(file.IsModified()) << "round " << round;
    ModalScript script({ModalScript::On<CShowDlg>(
        [](CShowDlg& show) { QTest::keyClick(&show, Qt::Key_Escape); })});
    window.Commands().Run(ID_HONBAN_MODE);
    ASSERT_TRUE(script.Done()) << "round " << round;
    ASSERT_EQ(doc.ObjCount(), objects);
  }
  const long end = ResidentKiB();
  std::printf("RSS after %d rounds: %ld KiB, after %d: %ld KiB\n", warmUp, start, rounds, end);
  EXPECT_TRUE(messages.messages.empty());
  EXPECT_LT(end - start, 32 * 1024) << "memory grew by " << (end - start) << " KiB";

  window.Commands().Run(ID_FILE_NEW);  // a new document lets go of the last undo steps
  const Result<QString> work = GetWorkFolder();
  ASSERT_TRUE(work);
  EXPECT_EQ(QDir(*work).entryList(QDir::Files | QDir::Hidden), QStringList{});
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), (QStringList{"Sample(back).TVL", "Sample.tvl"}));
}

}  // namespace
