#include "app/InsertMenu.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QSettings>
#include <QTemporaryDir>

#include "ImageBytes.h"
#include "MessageRecorder.h"
#include "SettingsReset.h"
#include "app/MiradoDoc.h"
#include "base/Settings.h"
#include "core/Document.h"
#include "editor/CommandRegistry.h"
#include "editor/MiradoView.h"

namespace {

class InsertMenuTest : public ::testing::Test {
 protected:
  static FactoryDialogs Dialogs() {
    FactoryDialogs d;
    d.askVertexCount = [](const VertexCountAsk&) { return std::optional<int>(7); };
    d.askCharacter = [] { return std::optional<CharDialogValues>({"A", CharChoice{"IPAPGothic", false, false, false}}); };
    return d;
  }

  void SetUp() override {
    support::ClearSettings();
    view.resize(640, 480);
    view.show();
    menu = AddInsertMenu(&bar, target);
  }

  QAction* Item(const QString& text) {
    for (QAction* group : menu->actions()) {
      if (group->text() == text) return group;
      if (!group->menu()) continue;
      for (QAction* a : group->menu()->actions())
        if (a->text() == text) return a;
    }
    return nullptr;
  }

  QString WritePicture(const QByteArray& bytes) {
    const QString path = dir.filePath("picture.jpg");
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    f.write(bytes);
    return path;
  }

  QTemporaryDir dir;
  Document doc;
  CMiradoDoc file{doc};
  CommandRegistry commands;
  CMiradoView view{file.Edits(), commands};
  MessageRecorder messages;
  QString picturePath;
  int changed = 0;
  InsertTarget target{file, view, commands, [this](QWidget*) { return picturePath; },
                      Dialogs(),
                      [this] { ++changed; }, nullptr};
  QMenuBar bar;
  QMenu* menu = nullptr;
};

TEST_F(InsertMenuTest, OffersTheGalleryItemsThatWorkByTheirNames) {
  EXPECT_EQ(menu->title(), QString::fromUtf8("挿入(&I)"));
  QStringList groups;
  int items = 0;
  for (QAction* a : menu->actions()) {
    if (!a->menu()) continue;
    groups << a->text();
    items += a->menu()->actions().size();
  }
  EXPECT_EQ(groups, QString::fromUtf8("線,平面図形,立体図形,吹き出し,その他").split(','));
  EXPECT_EQ(items, 31);
  QStringList others;
  for (QAction* a : menu->actions()[4]->menu()->actions()) others << a->text();
  EXPECT_EQ(others, QString::fromUtf8("テキスト,イメージ,デザインテキスト,ポリゴン文字").split(','));
  EXPECT_NE(Item(QString::fromUtf8("吹き出し(単純雲形)")), nullptr);
}

TEST_F(InsertMenuTest, AnItemAddsASelectedObjectAtTheCentreOfTheView) {
  Item(QString::fromUtf8("正円"))->trigger();
  ASSERT_EQ(doc.ObjCount(), 1);
  const ObjectRecord& r = doc.Object(0);
  EXPECT_EQ(r.ObjKind, objkind::Ellipse);
  const QSize client = view.VisibleArea().client;
  EXPECT_EQ(QPoint(r.CenterX, r.CenterY), QPoint(client.width() / 2, client.height() / 2));
  EXPECT_EQ(doc.View(0).Selected, 1);
  EXPECT_EQ(view.Selection().primary, 0);
  EXPECT_TRUE(file.IsModified());
  EXPECT_EQ(changed, 1);

  Item(QString::fromUtf8("多角形"))->trigger();
  EXPECT_EQ(doc.Object(1).PointNum, 7);
  EXPECT_EQ(doc.View(0).Selected, 0);
  EXPECT_EQ(view.Selection().primary, 1);
}

TEST_F(InsertMenuTest, ThePictureItemInsertsTheChosenFile) {
  QAction* picture = Item(QString::fromUtf8("イメージ"));
  picture->trigger();  // cancelled
  EXPECT_EQ(doc.ObjCount(), 0);
  EXPECT_TRUE(messages.messages.empty());

  picturePath = WritePicture("no picture at all");
  picture->trigger();
  EXPECT_EQ(doc.ObjCount(), 0);
  ASSERT_EQ(messages.Ids(), std::vector<int>{30028});
  EXPECT_EQ(messages.messages[0].prefix, picturePath + "\n");

  picturePath = WritePicture(support::EncodeImage(support::PatternImage(40, 30), "jpeg"));
  picture->trigger();
  ASSERT_EQ(doc.ObjCount(), 1);
  const ObjectRecord& r = doc.Object(0);
  EXPECT_EQ(r.ObjClass, objclass::Image);
  EXPECT_EQ(r.Points[2].x - r.Points[0].x, 40);
  EXPECT_EQ(r.Points[2].y - r.Points[0].y, 30);
  EXPECT_EQ(doc.PictureOf(0)->PixelSize(), QSize(40, 30));
}

TEST_F(InsertMenuTest, SetAsDefaultActsOnTheNewObject) {
  QAction* setDefault = Item(QString::fromUtf8("初期値にする(&I)"));
  ASSERT_NE(setDefault, nullptr);
  emit menu->aboutToShow();
  EXPECT_FALSE(setDefault->isEnabled());

  WriteInt("OBJ", "FontSize", 14);
  Item(QString::fromUtf8("長方形"))->trigger();
  doc.Object(0).FontSize = 22;
  emit menu->aboutToShow();
  ASSERT_TRUE(setDefault->isEnabled());
  messages.answers = {IDNO};
  setDefault->trigger();
  EXPECT_EQ(messages.Ids(), std::vector<int>{30004});
  EXPECT_EQ(messages.messages[0].style, MsgStyle::YesNo);
  QSettings store(QSettings::IniFormat, QSettings::UserScope, "Orlinde", "Tessaly");
  store.beginGroup("OBJ");
  EXPECT_EQ(store.childKeys(), QStringList{"FontSize"});  // No leaves the defaults alone
  EXPECT_EQ(GetInt("OBJ", "FontSize", 0), 14);

  messages.messages.clear();
  messages.answers = {IDYES};
  setDefault->trigger();
  EXPECT_EQ(messages.Ids(), (std::vector<int>{30004, 30006}));
  EXPECT_EQ(messages.messages[1].style, MsgStyle::Info);
  EXPECT_EQ(GetInt("OBJ", "FontSize", 0), 22);
}

}  // namespace
