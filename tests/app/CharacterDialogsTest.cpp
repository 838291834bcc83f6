// The character dialog, the text-in-text dialog, and both with the design text
// in the real main window.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSpinBox>
#include <QStatusBar>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <cstring>

#include "MessageRecorder.h"
#include "RibbonFixtures.h"
#include "SettingsReset.h"
#include "app/CharDlg.h"
#include "app/InCharDlg.h"
#include "app/MainWindow.h"
#include "app/MiradoDoc.h"
#include "base/Cp932.h"
#include "base/Settings.h"
#include "core/Document.h"
#include "core/EditPath.h"
#include "editor/MiradoView.h"
#include "editor/factory/Requests.h"
#include "render/gdi/Color.h"
#include "tests/core/DocFixtures.h"

namespace {

QString U(const char* utf8) { return QString::fromUtf8(utf8); }

const QStringList kFonts{"DejaVu Sans", "IPAPGothic", "IPAPMincho"};

class CharacterDialogsTest : public ::testing::Test {
 protected:
  void SetUp() override { support::ClearSettings(); }
  MessageRecorder messages;
};

TEST_F(CharacterDialogsTest, TheCharacterDialogRefusesAnEmptyTextAndRemembersItsChoices) {
  QFont::insertSubstitution("Meiryo UI", "IPAPGothic");  // as the program does at start-up
  CCharDlg dlg(LoadCharDialogValues(), kFonts);
  EXPECT_EQ(dlg.windowTitle(), U("1文字入力"));
  EXPECT_EQ(dlg.Fonts()->currentText(), "IPAPGothic");  // what "Meiryo UI" is drawn with
  dlg.show();
  QPushButton* decide = dlg.findChild<QPushButton*>();
  QTest::mouseClick(decide, Qt::LeftButton);
  EXPECT_EQ(messages.Ids(), std::vector<int>{30033});
  EXPECT_EQ(dlg.result(), 0);  // still open

  dlg.Text()->insert(U("字幕"));
  dlg.Fonts()->setCurrentIndex(1);
  QTest::mouseClick(dlg.Bold(), Qt::LeftButton);
  dlg.Curve()->setChecked(true);
  QTest::mouseClick(decide, Qt::LeftButton);
  EXPECT_EQ(dlg.result(), QDialog::Accepted);
  EXPECT_EQ(GetText("Last", "CharMoji", QString()), U("字幕"));
  EXPECT_EQ(GetText("Last", "CharFont", QString()), "IPAPGothic");
  EXPECT_EQ(GetInt("Last", "CharBold", 0), 1);
  EXPECT_EQ(GetInt("Last", "CharItalic", 1), 0);
  EXPECT_EQ(GetInt("Last", "CharCurve", 0), 1);

  // Next time it opens as left, the font picked by the start of its name.
  WriteText("Last", "CharFont", "IPAPM");
  CCharDlg again(LoadCharDialogValues(), kFonts);
  EXPECT_EQ(again.Text()->text(), U("字幕"));
  EXPECT_EQ(again.Fonts()->currentText(), "IPAPMincho");
  EXPECT_TRUE(again.Bold()->isChecked());
  EXPECT_TRUE(again.Curve()->isChecked());
}

class InCharDlgTest : public CharacterDialogsTest {
 protected:
  void SetUp() override {
    CharacterDialogsTest::SetUp();
    for (int i = 0; i < 3; ++i) doc.AddObject(fixtures::Figure(objkind::Polygon));
    doc.View(0).Selected = 1;
    doc.View(1).Selected = 0;
    doc.View(2).Selected = 1;
    std::strcpy(doc.Object(2).CharaFontName, "IPAPMincho");
    doc.Object(2).CharaFontSize = 20;
  }

  std::unique_ptr<CInCharDlg> Open(int primary) {
    auto dlg = std::make_unique<CInCharDlg>(edits, primary, kFonts,
                                            [](QWidget*, COLORREF) { return std::optional<COLORREF>(0x00FF00); });
    dlg->show();
    return dlg;
  }

  void Apply(CInCharDlg& dlg, const QString& text) {
    dlg.Text()->setText(text);
    QTest::mouseClick(dlg.ApplyButton(), Qt::LeftButton);
  }

  Document doc;
  EditPath edits{doc};
  int snapshots = 0;  // one undo snapshot per change that reached the document
  bool counting = (edits.SetSnapshotTaker([this](const Document&) { ++snapshots; }), true);
};

TEST_F(InCharDlgTest, ApplyWritesEverySelectedObjectAndTheDialogStaysOpen) {
  auto dlg = Open(2);
  EXPECT_EQ(dlg->windowTitle(), U("文字イン文字設定"));
  EXPECT_EQ(dlg->Fonts()->currentText(), "IPAPMincho");
  EXPECT_EQ(dlg->Size()->value(), 20);
  dlg->Size()->setValue(12);
  dlg->Angle()->setValue(45);
  QTest::mouseClick(dlg->ColourButton(), Qt::LeftButton);
  Apply(*dlg, U("あいうえおかきく"));  // 16 bytes: accepted
  EXPECT_TRUE(messages.Ids().empty());
  EXPECT_EQ(snapshots, 1);
  EXPECT_TRUE(edits.IsModified());
  for (int i : {0, 2}) {
    const ObjectRecord& r = doc.Object(i);
    EXPECT_EQ(DecodeCp932Buffer(r.CharaText, sizeof r.CharaText), U("あいうえおかきく"));
    EXPECT_EQ(r.CharaFontSize, 12);
    EXPECT_EQ(r.CharaAngle, 45);
    EXPECT_EQ(r.ChararefText, 0x00FF00);
    EXPECT_STREQ(r.CharaFontName, "IPAPMincho");
  }
  EXPECT_EQ(doc.Object(1).CharaText[0], '\0');  // not selected
  EXPECT_TRUE(dlg->isVisible());

  Apply(*dlg, U("あいうえおかきくA"));  // 17 bytes
  Apply(*dlg, U("a😀"));                // a character Shift-JIS cannot hold
  EXPECT_EQ(messages.Ids(), (std::vector<int>{30046, 30046}));
  EXPECT_TRUE(messages.messages[1].prefix.contains(U("😀")));
  EXPECT_EQ(snapshots, 1);
  EXPECT_EQ(DecodeCp932Buffer(doc.Object(0).CharaText, 17), U("あいうえおかきく"));
}

TEST_F(InCharDlgTest, AnEmptyTextRemovesOnlyTheTextAfterAskingAndRemembersTheRest) {
  auto dlg = Open(2);
  Apply(*dlg, "");  // the primary has none yet: nothing to remove
  EXPECT_EQ(messages.Ids(), std::vector<int>{30033});
  Apply(*dlg, "xyz");
  messages.messages.clear();
  messages.answers = {IDNO};
  Apply(*dlg, "");
  EXPECT_EQ(messages.Ids(), std::vector<int>{30047});
  EXPECT_STREQ(doc.Object(2).CharaText, "xyz");
  EXPECT_EQ(snapshots, 1);  // only "xyz" changed the document so far
  messages.answers = {IDYES};
  Apply(*dlg, "");
  EXPECT_EQ(snapshots, 2);
  EXPECT_EQ(doc.Object(0).CharaText[0], '\0');
  EXPECT_EQ(doc.Object(2).CharaText[0], '\0');
  EXPECT_STREQ(doc.Object(2).CharaFontName, "IPAPMincho");
  EXPECT_EQ(doc.Object(2).CharaFontSize, 20);

  auto reopened = Open(2);
  EXPECT_EQ(reopened->Size()->value(), 20);
  EXPECT_EQ(reopened->Fonts()->currentText(), "IPAPMincho");
}

// Runs `fill` on the modal dialog of type T that `open` shows.
template <typename T>
void WithModal(const std::function<void(T&)>& fill, const std::function<void()>& open) {
  bool found = false;
  QTimer::singleShot(0, [&] {
    if (auto* dlg = qobject_cast<T*>(QApplication::activeModalWidget())) {
      found = true;
      fill(*dlg);
    }
  });
  open();
  EXPECT_TRUE(found);
}

TEST_F(CharacterDialogsTest, TheMainWindowInsertsDesignTextAndCharactersAndSetsTextInText) {
  Document doc;
  CMiradoDoc file(doc);
  MainWindow window(file);
  window.resize(1000, 700);
  window.show();
  QToolButton* chara = ribbonfixtures::Button(window, "ID_SET_CHARA");
  ASSERT_NE(chara, nullptr);
  EXPECT_FALSE(chara->isEnabled());  // nothing selected

  ribbonfixtures::GalleryItem(window, request::DesignText)->click();
  ASSERT_EQ(doc.ObjCount(), 1);
  EXPECT_EQ(doc.Object(0).ObjClass, objclass::DText);

  WithModal<CCharDlg>([](CCharDlg& dlg) {
    dlg.Text()->insert(U("字"));
    dlg.Fonts()->setCurrentText("IPAPGothic");
    QTest::mouseClick(dlg.findChild<QPushButton*>(), Qt::LeftButton);
  }, [&] { ribbonfixtures::GalleryItem(window, request::PolygonChar)->click(); });
  ASSERT_EQ(doc.ObjCount(), 2);
  EXPECT_EQ(doc.Object(1).ObjKind, objkind::Char);
  EXPECT_GT(doc.Object(1).PointNum, 20);
  EXPECT_TRUE(file.IsModified());

  // Both are drawn in the view: the design text in its fill colour, the character too.
  QImage shown(window.View()->viewport()->size(), QImage::Format_RGB32);
  window.View()->OnDraw(shown);
  int filled = 0;
  for (int y = 0; y < shown.height(); ++y)
    for (int x = 0; x < shown.width(); ++x) filled += gdi::FromQRgb(shown.pixel(x, y)) == doc.Object(0).refMen;
  EXPECT_GT(filled, 500);

  EXPECT_TRUE(chara->isEnabled());
  WithModal<CInCharDlg>([](CInCharDlg& dlg) {
    QTest::keyClicks(dlg.Text(), "ab");
    QTest::mouseClick(dlg.ApplyButton(), Qt::LeftButton);
    dlg.reject();
  }, [&] { chara->click(); });
  EXPECT_STREQ(doc.Object(1).CharaText, "ab");

  // A face whose glyphs cannot be had is drawn with the fallback, and the status bar says so.
  std::strcpy(doc.Object(0).FontName, "No Such Face");
  window.View()->OnDraw(shown);
  EXPECT_TRUE(window.statusBar()->currentMessage().contains("No Such Face"));
}

}  // namespace
