#include "app/ShowSet.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>
#include <QTimeEdit>
#include <QTimer>
#include <cstring>

#include "RibbonFixtures.h"
#include "SettingsReset.h"
#include "app/MainWindow.h"
#include "app/MiradoDoc.h"
#include "core/Document.h"
#include "core/Records.h"
#include "show/Bells.h"

namespace {

class CountingBells : public BellPlayer {
 public:
  void Play(int bell) override { played.push_back(bell); }
  std::vector<int> played;
};

struct Dialog {
  explicit Dialog(const DocHeader& h) : dlg(FormFromHeader(h), nullptr, &bells) {}
  template <typename T>
  T* C(int id) {
    T* control = dlg.Control<T>(id);
    EXPECT_NE(control, nullptr) << id;
    return control;
  }
  CountingBells bells;
  CShowSet dlg;
};

}  // namespace

TEST(ShowSetTest, OpensWithTheHeadersValues) {
  DocHeader h{};
  h.MenuMode = 7;
  std::strcpy(h.EndText, "Thank you very much for kind attention.");
  h.RepeatOnce = 1;
  h.Bell1Kind = 1;
  h.Bell1Time = 3723;
  Dialog d(h);
  EXPECT_TRUE(d.C<QCheckBox>(1011)->isChecked());
  EXPECT_TRUE(d.C<QRadioButton>(1005)->isChecked());
  EXPECT_EQ(d.C<QSpinBox>(1000)->value(), 7);
  EXPECT_TRUE(d.C<QRadioButton>(1007)->isChecked());
  EXPECT_TRUE(d.C<QPlainTextEdit>(1009)->toPlainText().isEmpty());
  EXPECT_EQ(d.C<QLabel>(328)->text(), "[0 / 96]");
  EXPECT_FALSE(d.C<QCheckBox>(1020)->isChecked());  // repeat stored as 1
  EXPECT_TRUE(d.C<QCheckBox>(1013)->isChecked());
  EXPECT_TRUE(d.C<QRadioButton>(1010)->isChecked());
  EXPECT_EQ(d.C<QTimeEdit>(1027)->time(), QTime(1, 2, 3));
  EXPECT_FALSE(d.C<QCheckBox>(1016)->isChecked());
  EXPECT_TRUE(d.C<QRadioButton>(1019)->isChecked());
  EXPECT_FALSE(d.C<QTimeEdit>(1028)->isEnabled());  // item 5 is off
  EXPECT_EQ(d.dlg.windowTitle(), QString::fromUtf8("スライドショーの設定"));
}

TEST(ShowSetTest, TypedSecondsAreBroughtIntoTwoToTen) {
  DocHeader h{};
  h.MenuMode = 7;
  Dialog d(h);
  QSpinBox* spin = d.C<QSpinBox>(1000);
  spin->selectAll();
  QTest::keyClicks(spin, "15");
  EXPECT_EQ(spin->value(), 10);
  spin->selectAll();
  QTest::keyClicks(spin, "0");
  EXPECT_EQ(spin->value(), 2);
  EXPECT_EQ(d.dlg.Form().menuSeconds, 2);
}

TEST(ShowSetTest, TheMessageStopsAt96BytesAsItIsTyped) {
  Dialog d(DocHeader{});
  QPlainTextEdit* edit = d.C<QPlainTextEdit>(1009);
  QLabel* counter = d.C<QLabel>(328);
  d.C<QCheckBox>(1012)->setChecked(true);
  QTest::keyClicks(edit, QString("a").repeated(40));
  EXPECT_TRUE(d.C<QRadioButton>(1008)->isChecked());  // a text selects the custom message
  EXPECT_EQ(counter->text(), "[40 / 96]");
  QTest::keyClick(edit, Qt::Key_Return);
  for (int i = 0; i < 40; ++i) edit->insertPlainText(QString::fromUtf8("あ"));  // 80 bytes, 55 fit
  EXPECT_EQ(EndTextBytes(edit->toPlainText()), 95);  // 40 + 1 + 27 characters of 2
  EXPECT_EQ(counter->text(), "[95 / 96]");
  QLabel* refused = nullptr;
  for (QLabel* label : d.dlg.findChildren<QLabel*>())
    if (label->text().contains(QString::fromUtf8("96 バイト"))) refused = label;
  ASSERT_NE(refused, nullptr);
  EXPECT_FALSE(refused->isHidden());
  // What was there stays whole; a typed character in the middle is refused too.
  QTextCursor cursor = edit->textCursor();
  cursor.setPosition(5);
  edit->setTextCursor(cursor);
  edit->insertPlainText(QString::fromUtf8("い"));
  EXPECT_TRUE(edit->toPlainText().startsWith(QString("a").repeated(40) + "\n"));
  EXPECT_TRUE(edit->toPlainText().endsWith(QString::fromUtf8("あ")));
  QTest::keyClicks(edit, "b");
  EXPECT_EQ(counter->text(), "[96 / 96]");
  EXPECT_TRUE(edit->toPlainText().startsWith("aaaaab"));
  QTest::keyClick(edit, Qt::Key_Backspace);
  EXPECT_TRUE(refused->isHidden());
  DocHeader h{};
  FormToHeader(d.dlg.Form(), h);
  EXPECT_EQ(std::strlen(h.EndText), 95u);
  EXPECT_EQ(h.EndText[40], '@');
}

TEST(ShowSetTest, ItemsSwitchTheirSubControlsAndBellsTest) {
  DocHeader h{};
  h.Bell1Kind = 2;
  Dialog d(h);
  QCheckBox* bell = d.C<QCheckBox>(1013);
  EXPECT_TRUE(d.C<QRadioButton>(1014)->isChecked());
  d.C<QPushButton>(1001)->click();
  bell->setChecked(false);
  EXPECT_FALSE(d.C<QRadioButton>(1014)->isEnabled());
  EXPECT_FALSE(d.C<QPushButton>(1001)->isEnabled());
  EXPECT_FALSE(d.C<QRadioButton>(1004)->isEnabled());  // item 1 is off
  d.C<QCheckBox>(1011)->setChecked(true);
  EXPECT_TRUE(d.C<QRadioButton>(1004)->isEnabled());
  d.C<QCheckBox>(1016)->setChecked(true);
  d.C<QPushButton>(1002)->click();
  EXPECT_EQ(d.bells.played, (std::vector<int>{1, 2}));
  FormToHeader(d.dlg.Form(), h);
  EXPECT_EQ(h.Bell1Kind, 0);  // unchecked, whatever was selected
  EXPECT_EQ(h.Bell2Kind, 3);
}

TEST(ShowSetTest, TheRibbonButtonOpensItAndOkChangesTheDocument) {
  support::ClearSettings();
  Document doc;
  doc.Header().SlideCount = 1;
  doc.Header().RepeatOnce = 1;
  CMiradoDoc file(doc);
  FileDialogs none;
  MainWindow window(file, none);
  QToolButton* item = ribbonfixtures::Button(window, "ID_SHOW_SETTEI");
  ASSERT_NE(item, nullptr);
  EXPECT_EQ(item->toolTip(), QString::fromUtf8("【スライドショーの設定】\nスライドショーの各種を設定します"));

  const auto answer = [](bool ok) {
    QTimer::singleShot(0, [ok] {
      auto* dlg = qobject_cast<CShowSet*>(QApplication::activeModalWidget());
      ASSERT_NE(dlg, nullptr);
      dlg->Control<QCheckBox>(1020)->setChecked(true);
      ok ? dlg->accept() : dlg->reject();
    });
  };
  answer(false);
  item->click();
  EXPECT_EQ(doc.Header().RepeatOnce, 1);
  EXPECT_FALSE(file.IsModified());
  answer(true);
  item->click();
  EXPECT_EQ(doc.Header().RepeatOnce, 0);
  EXPECT_TRUE(file.IsModified());
}
