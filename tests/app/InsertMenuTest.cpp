#include "app/InsertMenu.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QSettings>
#include <QTemporaryDir>
#include <QToolButton>

#include "ImageBytes.h"
#include "MessageRecorder.h"
#include "SettingsReset.h"
#include "app/MainRibbon.h"
#include "app/MiradoDoc.h"
#include "app/Ribbon.h"
#include "base/Settings.h"
#include "core/Document.h"
#include "editor/CommandRegistry.h"
#include "editor/ContextMenus.h"
#include "editor/MiradoView.h"

namespace {

// The object gallery of a ribbon whose items insert through InsertGalleryItem.
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
    RegisterSetAsDefault(target);
    commands.Add({ID_RIBBON_PBTN_1, "ID_RIBBON_PBTN_1", QString::fromUtf8("オブジェ クト"), [] {}, {}});
    RibbonHooks hooks;
    hooks.insertObject = [this](int request) { InsertGalleryItem(target, request); };
    ribbon = std::make_unique<Ribbon>(commands, hooks);
    gallery = ribbon->GalleryMenu(ID_RIBBON_PBTN_1);
  }

  // The gallery item whose tooltip is `name`.
  QToolButton* Item(const QString& name) {
    for (QToolButton* item : gallery->findChildren<QToolButton*>())
      if (item->toolTip() == name) return item;
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
  std::unique_ptr<Ribbon> ribbon;
  QMenu* gallery = nullptr;
};

TEST_F(InsertMenuTest, OffersTheGalleryItemsThatWorkByTheirNames) {
  ASSERT_NE(gallery, nullptr);
  QStringList groups;
  for (QLabel* title : gallery->findChildren<QLabel*>()) groups << title->text();
  EXPECT_EQ(groups, QString::fromUtf8("線,平面図形,立体図形,吹き出し,その他").split(','));
  EXPECT_EQ(gallery->findChildren<QToolButton*>().size(), 31);
  QStringList others;
  for (int request = 27; request <= 30; ++request)
    others << gallery->findChild<QToolButton*>(QStringLiteral("ObjectItem%1").arg(request))->toolTip();
  EXPECT_EQ(others, QString::fromUtf8("テキスト,イメージ,デザインテキスト,ポリゴン文字").split(','));
  EXPECT_NE(Item(QString::fromUtf8("吹き出し(単純雲形)")), nullptr);
  EXPECT_FALSE(Item(QString::fromUtf8("正円"))->icon().isNull()) << "drawn by the renderer";
}

TEST_F(InsertMenuTest, AnItemAddsASelectedObjectAtTheCentreOfTheView) {
  Item(QString::fromUtf8("正円"))->click();
  ASSERT_EQ(doc.ObjCount(), 1);
  const ObjectRecord& r = doc.Object(0);
  EXPECT_EQ(r.ObjKind, objkind::Ellipse);
  const QSize client = view.VisibleArea().client;
  EXPECT_EQ(QPoint(r.CenterX, r.CenterY), QPoint(client.width() / 2, client.height() / 2));
  EXPECT_EQ(doc.View(0).Selected, 1);
  EXPECT_EQ(view.Selection().primary, 0);
  EXPECT_TRUE(file.IsModified());
  EXPECT_EQ(changed, 1);

  Item(QString::fromUtf8("多角形"))->click();
  EXPECT_EQ(doc.Object(1).PointNum, 7);
  EXPECT_EQ(doc.View(0).Selected, 0);
  EXPECT_EQ(view.Selection().primary, 1);
}

TEST_F(InsertMenuTest, ThePictureItemInsertsTheChosenFile) {
  QToolButton* picture = Item(QString::fromUtf8("イメージ"));
  picture->click();  // cancelled
  EXPECT_EQ(doc.ObjCount(), 0);
  EXPECT_TRUE(messages.messages.empty());

  picturePath = WritePicture("no picture at all");
  picture->click();
  EXPECT_EQ(doc.ObjCount(), 0);
  ASSERT_EQ(messages.Ids(), std::vector<int>{30028});
  EXPECT_EQ(messages.messages[0].prefix, picturePath + "\n");

  picturePath = WritePicture(support::EncodeImage(support::PatternImage(40, 30), "jpeg"));
  picture->click();
  ASSERT_EQ(doc.ObjCount(), 1);
  const ObjectRecord& r = doc.Object(0);
  EXPECT_EQ(r.ObjClass, objclass::Image);
  EXPECT_EQ(r.Points[2].x - r.Points[0].x, 40);
  EXPECT_EQ(r.Points[2].y - r.Points[0].y, 30);
  EXPECT_EQ(doc.PictureOf(0)->PixelSize(), QSize(40, 30));
}

TEST_F(InsertMenuTest, SetAsDefaultActsOnTheNewObject) {
  EXPECT_EQ(commands.Find(ID_SET_DEFAULT)->label, QString::fromUtf8("初期値にする(&I)"));
  EXPECT_FALSE(commands.IsEnabled(ID_SET_DEFAULT));

  WriteInt("OBJ", "FontSize", 14);
  Item(QString::fromUtf8("長方形"))->click();
  doc.Object(0).FontSize = 22;
  ASSERT_TRUE(commands.IsEnabled(ID_SET_DEFAULT));
  messages.answers = {IDNO};
  commands.Run(ID_SET_DEFAULT);
  EXPECT_EQ(messages.Ids(), std::vector<int>{30004});
  EXPECT_EQ(messages.messages[0].style, MsgStyle::YesNo);
  QSettings store(QSettings::IniFormat, QSettings::UserScope, "Orlinde", "Tessaly");
  store.beginGroup("OBJ");
  EXPECT_EQ(store.childKeys(), QStringList{"FontSize"});  // No leaves the defaults alone
  EXPECT_EQ(GetInt("OBJ", "FontSize", 0), 14);

  messages.messages.clear();
  messages.answers = {IDYES};
  commands.Run(ID_SET_DEFAULT);
  EXPECT_EQ(messages.Ids(), (std::vector<int>{30004, 30006}));
  EXPECT_EQ(messages.messages[1].style, MsgStyle::Info);
  EXPECT_EQ(GetInt("OBJ", "FontSize", 0), 22);
}

}  // namespace
