// The shell's small dialogs run from the main window's commands: the system
// settings, the recent-file manager, the manual and the version dialog.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPdfDocument>
#include <QPdfWriter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include "MessageRecorder.h"
#include "ModalScript.h"
#include "SettingsReset.h"
#include "app/AboutDlg.h"
#include "app/ManualViewer.h"
#include "app/KansetDlg.h"
#include "app/MainWindow.h"
#include "app/MiradoDoc.h"
#include "app/RecentFiles.h"
#include "base/MessageIds.h"
#include "base/Settings.h"
#include "base/StringTable.h"
#include "core/Document.h"

namespace {

QPushButton* ButtonNamed(QWidget& dialog, const char* utf8) {
  for (QPushButton* b : dialog.findChildren<QPushButton*>())
    if (b->text() == QString::fromUtf8(utf8)) return b;
  ADD_FAILURE() << "no button " << utf8;
  return nullptr;
}

void Type(QSpinBox* box, const QString& text) {
  QApplication::setActiveWindow(box->window());
  box->setFocus();
  box->findChild<QLineEdit*>()->setText(text);
  QTest::keyClick(box, Qt::Key_Tab);  // leaving the field clamps it
  EXPECT_FALSE(box->hasFocus());
}

class ShellDialogsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    support::ClearSettings();
    FileDialogs dialogs;
    dialogs.showFolder = [this](const QString& folder) {
      shownFolders << folder;
      return folderShows;
    };
    window = std::make_unique<MainWindow>(file, dialogs);
    window->SetAnimeGuide([this] { return app; }, [this](const AnimeGuide& kept) { app = kept; });
  }

  QStringList Rows(const QTableWidget& list) {
    QStringList rows;
    for (int r = 0; r < list.rowCount(); ++r) rows << list.item(r, 0)->text() + ' ' + list.item(r, 1)->text();
    return rows;
  }

  Document doc;
  CMiradoDoc file{doc};
  MessageRecorder messages;
  AnimeGuide app{0, 9, 1};
  QStringList shownFolders;
  bool folderShows = true;
  std::unique_ptr<MainWindow> window;
};

TEST_F(ShellDialogsTest, SettingsAreShownWithinTheirLimitsAndSavedOnlyBySave) {
  WriteInt(sys::AutoCng, 90);
  WriteInt(sys::ImageW, 900);
  WriteInt(sys::ObjH, 7);
  bool checked = false;
  ModalScript script({ModalScript::On<CKansetDlg>([&](CKansetDlg& d) {
    checked = true;
    EXPECT_TRUE(d.AutoCngRadio(4)->isChecked());    // 90 s is no choice: "５分"
    EXPECT_EQ(d.ImageWBox()->value(), 500);
    EXPECT_FALSE(d.AnimeCheck()->isChecked());
    EXPECT_EQ(d.AnimeCountBox()->value(), 3);       // shown while the animation is off
    Type(d.ImageWBox(), "5");
    EXPECT_EQ(d.ImageWBox()->value(), 30);
    d.AnimeCheck()->setChecked(true);
    d.AnimeCountBox()->findChild<QLineEdit*>()->clear();
    ButtonNamed(d, "保存して終了(&S)")->click();
  })});
  window->Commands().Run(ID_KAN_SET);
  ASSERT_TRUE(checked);
  EXPECT_EQ(GetInt(sys::AutoCng), 300);
  EXPECT_EQ(GetInt(sys::ImageW), 30);
  EXPECT_EQ(GetInt(sys::ObjH), 30);
  EXPECT_EQ(app.playAnime, 1);   // the emptied count
  EXPECT_EQ(app.speedAnime, 0);  // 9 is no speed: shown and kept as the fastest
  EXPECT_EQ(GetInt(sys::PlayAnime), 3) << "the application object writes these at exit";

  ModalScript closeOnly({ModalScript::On<CKansetDlg>([](CKansetDlg& d) {
    d.AutoCngRadio(0)->setChecked(true);
    ButtonNamed(d, "閉じる(&C)")->click();
  })});
  window->Commands().Run(ID_KAN_SET);
  EXPECT_TRUE(closeOnly.Done());
  EXPECT_EQ(GetInt(sys::AutoCng), 300);
}

TEST_F(ShellDialogsTest, RecentFileManagerRemovesCheckedEntriesAndRenumbers) {
  StoreRecentFiles({"/talks/a.tvl", "/talks/old/b.tvl", "/c.tvl"});
  QStringList afterChecked, afterAll;
  ModalScript script({ModalScript::On<CRecentDlg>([&](CRecentDlg& d) {
    QTableWidget& list = *d.List();
    EXPECT_EQ(Rows(list), (QStringList{"1 /talks/a.tvl", "2 /talks/old/b.tvl", "3 /c.tvl"}));
    list.item(1, 0)->setCheckState(Qt::Checked);
    ButtonNamed(d, "チェックのある履歴を削除(&P)")->click();
    afterChecked = Rows(list);
    ButtonNamed(d, "戻る(&B)")->click();
  })});
  window->Commands().Run(ID_RECENT_KANRI);
  EXPECT_EQ(afterChecked, (QStringList{"1 /talks/a.tvl", "2 /c.tvl"}));
  EXPECT_EQ(LoadRecentFiles(), (QStringList{"/talks/a.tvl", "/c.tvl"}));

  ModalScript all({ModalScript::On<CRecentDlg>([&](CRecentDlg& d) {
    ButtonNamed(d, "すべての履歴を削除(&A)")->click();
    afterAll = Rows(*d.List());
    d.reject();
  })});
  window->Commands().Run(ID_RECENT_KANRI);
  EXPECT_TRUE(afterAll.isEmpty());
  EXPECT_TRUE(LoadRecentFiles().isEmpty());
}

TEST_F(ShellDialogsTest, DoubleClickShowsTheFolderOrTellsThatItCouldNot) {
  StoreRecentFiles({"/talks/old/b.tvl", "/c.tvl"});
  CRecentDlg manager([this](const QString& folder) {
    shownFolders << folder;
    return folderShows;
  });
  manager.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&manager));
  QTableWidget& list = *manager.List();
  const auto doubleClick = [&](int row) {
    const QRect cell = list.visualItemRect(list.item(row, 1));
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, cell.center());
    QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, cell.center());
  };
  doubleClick(0);
  doubleClick(1);
  EXPECT_EQ(shownFolders, (QStringList{"/talks/old", "/"}));
  EXPECT_TRUE(messages.messages.empty());
  folderShows = false;
  doubleClick(0);
  ASSERT_EQ(messages.Ids(), std::vector<int>{msg::ExplorerFailed});
}

TEST_F(ShellDialogsTest, VersionDialogShowsTheBuiltVersionAndTheHistoryNewestFirst) {
  bool checked = false;
  ModalScript script({ModalScript::On<CAboutDlg>([&](CAboutDlg& d) {
    checked = true;
    EXPECT_EQ(d.VersionLabel()->text(), QStringLiteral("Version " TESSALY_VERSION));
    const QStringList lines = d.History()->toPlainText().split('\n');
    ASSERT_EQ(lines.size(), 8);
    EXPECT_EQ(lines.front(), LoadString(IDS_HISTORY_LAST).value());
    EXPECT_EQ(lines.back(), LoadString(IDS_HISTORY_FIRST).value());
    EXPECT_TRUE(d.History()->isReadOnly());
    ButtonNamed(d, "確認 (&Y)")->click();
  })});
  window->Commands().Run(ID_APP_ABOUT);
  EXPECT_TRUE(checked);
}

// A one-page PDF with a line of text, as the manual would be.
bool WritePdf(const QString& path) {
  QPdfWriter writer(path);
  QPainter painter(&writer);
  painter.drawText(QPointF(100, 100), QStringLiteral("Manual"));
  return painter.end();
}

TEST_F(ShellDialogsTest, ManualMissingOrDamagedIsToldAndAGoodOneIsShown) {
  QTemporaryDir dir;
  ShowManual(dir.path(), window.get());
  ASSERT_EQ(messages.Ids(), std::vector<int>{msg::FileMissingBesideProgram});
  EXPECT_EQ(messages.messages[0].prefix, "Manual.pdf\n");
  EXPECT_EQ(messages.messages[0].style, MsgStyle::Info);

  QFile junk(ManualPath(dir.path()));
  ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
  junk.write("%PDF-1.4 cut short");
  junk.close();
  messages.messages.clear();
  ShowManual(dir.path(), window.get());
  ASSERT_EQ(messages.Ids(), std::vector<int>{msg::CannotOpen});

  ASSERT_TRUE(QFile::remove(ManualPath(dir.path())));
  ASSERT_TRUE(WritePdf(ManualPath(dir.path())));
  // A good manual without the viewer module names the module.
  messages.messages.clear();
  ShowManual(dir.path(), window.get(), dir.path());
  ASSERT_EQ(messages.Ids(), std::vector<int>{msg::FileMissingBesideProgram});
  EXPECT_EQ(messages.messages[0].prefix, QString(kManualModule) + '\n');
  int pages = 0;
  Qt::WindowStates state;
  ModalScript script({ModalScript::On<QDialog>([&](QDialog& d) {
    EXPECT_EQ(d.objectName(), "CHelpDlg");
    pages = d.findChild<QPdfDocument*>()->pageCount();
    state = d.windowState();
    EXPECT_EQ(d.windowTitle(), "Manual");
    d.accept();
  })});
  messages.messages.clear();
  ShowManual(dir.path(), window.get());
  EXPECT_EQ(pages, 1);
  EXPECT_TRUE(state & Qt::WindowMaximized);
  EXPECT_TRUE(messages.messages.empty());
}

}  // namespace
