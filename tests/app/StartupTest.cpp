#include "app/MiradoApp.h"

#include <gtest/gtest.h>

#include "SettingsReset.h"

#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include "AppFixtures.h"
#include "MessageRecorder.h"
#include "app/CommandLine.h"
#include "app/PrinterDefaults.h"
#include "app/RecentFiles.h"
#include "base/Settings.h"
#include "core/container/WorkFolder.h"

namespace {

class StartupTest : public ::testing::Test {
 protected:
  void SetUp() override {
    support::ClearSettings();
    ASSERT_TRUE(appfixtures::SaveSample(dir.filePath("talk.tvl")));
  }
  bool Start(const QStringList& args) {
    return app.InitInstance(ParseCommandLine(QStringList{"Tessaly"} + args), FileDialogs{});
  }

  QTemporaryDir dir;
  MessageRecorder messages;
  CMiradoApp app;
};

TEST_F(StartupTest, FirstOpenReopensTheMostRecentFile) {
  WriteInt(sys::FirstOpen, 1);
  WriteText("Recent File List", "File1", dir.filePath("talk.tvl"));
  ASSERT_TRUE(Start({}));
  EXPECT_EQ(app.DocClass().PathName(), dir.filePath("talk.tvl"));
  EXPECT_EQ(app.Doc().ObjCount(), 3);
}

TEST_F(StartupTest, FirstOpenWithoutARecentFileStartsANewDocument) {
  WriteInt(sys::FirstOpen, 1);
  ASSERT_TRUE(Start({}));
  EXPECT_TRUE(app.DocClass().PathName().isEmpty());
  EXPECT_EQ(app.Doc().ObjCount(), 0);
  EXPECT_TRUE(messages.messages.empty());
}

TEST_F(StartupTest, AFileOnTheCommandLineWinsOverFirstOpen) {
  ASSERT_TRUE(appfixtures::SaveSample(dir.filePath("other.tvl")));
  WriteInt(sys::FirstOpen, 1);
  WriteText("Recent File List", "File1", dir.filePath("other.tvl"));
  ASSERT_TRUE(Start({dir.filePath("talk.tvl")}));
  EXPECT_EQ(app.DocClass().PathName(), dir.filePath("talk.tvl"));
  // Recorded once the window has painted.
  EXPECT_TRUE(QTest::qWaitFor([&] { return LoadRecentFiles().first() == dir.filePath("talk.tvl"); }));
}

TEST_F(StartupTest, ARefusedCommandLineFileEndsStartUpWithItsMessage) {
  EXPECT_FALSE(Start({dir.filePath("nothing.tvl")}));
  EXPECT_EQ(messages.Ids(), std::vector<int>{30077});
}

TEST_F(StartupTest, ALeftoverSlideClipboardIsGoneAndStartUpValuesAreRead) {
  QFile leftover(ClipboardFilePath());
  ASSERT_TRUE(leftover.open(QIODevice::WriteOnly));
  leftover.close();
  WriteInt(sys::PlayAnime, 7);
  ASSERT_TRUE(Start({}));
  EXPECT_FALSE(QFile::exists(ClipboardFilePath()));
  EXPECT_EQ(app.playAnime, 7);
  EXPECT_EQ(app.dspGuide, 1);

  app.speedAnime = 4;
  app.ExitInstance();
  EXPECT_EQ(GetInt(sys::SpeedAnime), 4);
}

// The print system is asked when printing wants it, not at start-up.
TEST_F(StartupTest, ThePrinterDefaultsAreReadWhenFirstWanted) {
  ASSERT_TRUE(Start({}));
  WriteInt("Insatu", "Orientation", 2);
  WriteInt("Insatu", "PaperSize", 11);
  EXPECT_EQ(app.Printer().orientation, 2);
  EXPECT_EQ(app.Printer().paperSize, 11);
  WriteInt("Insatu", "Orientation", 1);
  EXPECT_EQ(app.Printer().orientation, 2);  // read once
}

TEST_F(StartupTest, PrinterOrientationOutsideOneOrTwoIsPortrait) {
  const std::pair<int, int> cases[] = {{1, 1}, {2, 2}, {5, 1}, {0, 1}, {-3, 1}};
  for (const auto& [stored, used] : cases) {
    WriteInt("Insatu", "Orientation", stored);
    EXPECT_EQ(ReadPrinterDefaults().orientation, used) << stored;
  }
  EXPECT_EQ(ReadPrinterDefaults().paperSize, 9);
}

}  // namespace
