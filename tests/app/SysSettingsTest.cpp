// The shared "SYS" keys seen where they act: an empty store gives the designed
// behaviour, and a stored value changes it, so a wrong key or default anywhere
// between the store and its reader shows.
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <functional>

#include "AppFixtures.h"
#include "ImageBytes.h"
#include "MessageRecorder.h"
#include "SettingsReset.h"
#include "app/CommandLine.h"
#include "app/MiradoApp.h"
#include "base/Settings.h"
#include "core/EditPath.h"
#include "core/picture/Picture.h"
#include "editor/factory/MakeObj.h"
#include "editor/factory/Requests.h"

namespace {

class SysSettings : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(appfixtures::SaveSample(dir.filePath("talk.tvl"))); }

  // The width a 2000 x 1000 picture is inserted at.
  static int InsertedPictureWidth() {
    Document doc;
    EditPath edits(doc);
    CMakeObj factory(edits);
    ObjectContent content;
    content.picture = Picture::Load(support::EncodeImage(support::PatternImage(8, 8), "jpeg"));
    content.pictureSize = QSize(2000, 1000);
    const Result<int> i = factory.CreateObject(request::Picture, content, QPoint(400, 300), {});
    return i ? doc.Object(*i).Points[1].x - doc.Object(*i).Points[0].x : -1;
  }

  // 1 when saving over a file keeps the old one as name(back).TVL.
  int KeepsABackup() const {
    const QString path = dir.filePath("saved.tvl");
    QFile::remove(dir.filePath("saved(back).TVL"));
    Document doc;
    CMiradoDoc file(doc);
    return file.SaveDocument(path, nullptr) && file.SaveDocument(path, nullptr) &&
           QFile::exists(dir.filePath("saved(back).TVL"));
  }

  // What start-up makes of the store: `read` of the started application.
  int AtStartUp(const std::function<int(CMiradoApp&)>& read) const {
    WriteText("Recent File List", "File1", dir.filePath("talk.tvl"));
    CMiradoApp app;
    if (!app.InitInstance(ParseCommandLine({"Tessaly"}), FileDialogs{})) return -1;
    return read(app);
  }

  QTemporaryDir dir;
  MessageRecorder messages;
};

TEST_F(SysSettings, EachKeyActsWhereItIsRead) {
  struct Case {
    IntSetting setting;
    int designed;  // what an empty store gives
    int stored;    // a value written to the store, and what it then gives
    std::function<int()> observe;
  };
  const Case cases[] = {
      {sys::AutoCng, 60, 15, [] { return Document().Header().SwitchTime[99]; }},
      {sys::ImageW, 250, 100, &InsertedPictureWidth},
      {sys::MakeBackup, 1, 0, [this] { return KeepsABackup(); }},
      {sys::FirstOpen, 0, 1, [this] { return AtStartUp([](CMiradoApp& a) { return a.Doc().ObjCount() > 0; }); }},
      {sys::PlayAnime, 3, 7, [this] { return AtStartUp([](CMiradoApp& a) { return a.playAnime; }); }},
      {sys::SpeedAnime, 0, 4, [this] { return AtStartUp([](CMiradoApp& a) { return a.speedAnime; }); }},
      {sys::DspGuide, 1, 0, [this] { return AtStartUp([](CMiradoApp& a) { return a.dspGuide; }); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.setting.key);
    support::ClearSettings();
    EXPECT_EQ(c.observe(), c.designed);
    WriteInt(c.setting, c.stored);
    EXPECT_EQ(c.observe(), c.stored);
  }
  EXPECT_TRUE(messages.messages.empty());
}

}  // namespace
