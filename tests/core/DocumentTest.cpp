#include "core/Document.h"
#include "core/ObjectNames.h"

#include <gtest/gtest.h>

#include <QSettings>

#include "DocFixtures.h"
#include "MessageRecorder.h"
#include "SettingsReset.h"
#include "base/Cp932.h"
#include "base/Settings.h"

namespace {

using fixtures::Figure;

void ClearStore() { support::ClearSettings(); }

TEST(NewDocument, StartsFromTheDefaultsAt96Dpi) {
  ClearStore();
  Document doc;
  const DocHeader& h = doc.Header();
  EXPECT_EQ(h.SlideCount, 1);
  EXPECT_EQ(h.CurSlide, 0);
  EXPECT_EQ(h.PageSize, 3);
  EXPECT_EQ(h.SlideW, 1046);
  EXPECT_EQ(h.SlideH, 718);
  EXPECT_EQ(doc.ScrollRange(), QSize(1096, 768));
  EXPECT_EQ(h.SwitchTime[0], 60);
  EXPECT_EQ(h.Transition[0], 0);
  EXPECT_EQ(h.Zoom, 1.0f);
  EXPECT_EQ(h.SlideMax, 100);
  EXPECT_EQ(h.BackGradePattern, -1);
  EXPECT_EQ(h.refBackGrade[16], 0xBD9A73);
  EXPECT_EQ(h.refFrame, 0x7B5A4A);
  EXPECT_EQ(DecodeCp932Buffer(h.EndText, sizeof h.EndText),
            QString::fromUtf8("ご静聴ありがとうございました。"));
  EXPECT_EQ(doc.ObjCount(), 0);
}

TEST(NewDocument, ReadsPageAndSwitchTimeFromTheStore) {
  ClearStore();
  WriteInt("Page", "DefPageSize", 2);
  WriteInt("Page", "DefYoko", 190);
  WriteInt("Page", "DefTate", 277);
  WriteInt("SYS", "AutoCng", 180);
  Document doc(ScreenDpi{120, 72});
  ClearStore();
  EXPECT_EQ(doc.Header().PageSize, 2);
  EXPECT_EQ(doc.Header().SlideW, 897);  // 190 mm at 120 dpi = 897.6
  EXPECT_EQ(doc.Header().SlideH, 785);  // 277 mm at 72 dpi = 785.2
  EXPECT_EQ(doc.Header().SwitchTime[0], 180);
}

TEST(NewDocument, SettingsOutOfRangeFallBackToTheirDefaults) {
  struct Case {
    NewDocumentSettings settings;
    int pageSize, slideW, slideH, switchTime;
  };
  const Case cases[] = {
      {{0, 277, 190, 60}, 3, 1046, 718, 60},
      {{5, -10, 0, -1}, 3, 1046, 718, 60},
      {{4, 100000, 190, 70000}, 4, 1046, 718, 60},
      {{1, 1, 1, 0}, 1, 3, 3, 0},
  };
  Document doc;
  for (const Case& c : cases) {
    doc.NewDocument(c.settings);
    EXPECT_EQ(doc.Header().PageSize, c.pageSize);
    EXPECT_EQ(doc.Header().SlideW, c.slideW);
    EXPECT_EQ(doc.Header().SlideH, c.slideH);
    EXPECT_EQ(doc.Header().SwitchTime[0], c.switchTime);
  }
}

TEST(NewDocument, ReleasesThePicturesAndEmptiesTheTables) {
  Document doc;
  std::weak_ptr<const Picture> watch;
  {
    auto picture = Picture::Load(fixtures::PaddedBmp(600));
    watch = picture;
    doc.AddObject(fixtures::Image(doc.Pictures().Add(picture)));
  }
  doc.AddObject(Figure(objkind::Star));
  doc.NewDocument(NewDocumentSettings{});
  EXPECT_EQ(doc.ObjCount(), 0);
  EXPECT_TRUE(watch.expired());
  doc.SetObjectCount(2);  // places used before come back empty
  EXPECT_EQ(doc.Object(0).Picture, kNoPicture);
  EXPECT_EQ(doc.View(1).Selected, 0);
}

TEST(ObjectTable, NumbersCountsAndSelectsNewObjects) {
  Document doc;
  EXPECT_EQ(doc.NextObjNo(), 1);
  doc.Header().SlideCount = 3;
  EXPECT_EQ(*doc.AddObject(Figure(objkind::Line, 0)), 0);
  EXPECT_EQ(*doc.AddObject(Figure(objkind::Ellipse, 2)), 1);
  doc.Object(1).ObjNo = 41;  // numbers are not indexes: gaps stay
  EXPECT_EQ(*doc.AddObject(Figure(objkind::Memo, 2)), 2);
  EXPECT_EQ(doc.Object(0).ObjNo, 1);
  EXPECT_EQ(doc.Object(2).ObjNo, 42);
  EXPECT_EQ(doc.View(2).Selected, 1);
  EXPECT_EQ(doc.ObjectsOnSlide(0), 1);
  EXPECT_EQ(doc.ObjectsOnSlide(1), 0);
  EXPECT_EQ(doc.ObjectsOnSlide(2), 2);
}

TEST(ObjectTable, TheTenThousandAndFirstObjectIsRefused) {
  Document doc;
  doc.SetObjectCount(kMaxObjects - 1);
  MessageRecorder recorder;
  ASSERT_TRUE(Shown(doc.AddObject(Figure(objkind::Star))));
  EXPECT_TRUE(recorder.messages.empty());
  EXPECT_FALSE(Shown(doc.HasRoomFor(1)));
  EXPECT_FALSE(Shown(doc.AddObject(Figure(objkind::Cube))));
  EXPECT_EQ(recorder.Ids(), (std::vector<int>{30163, 30163}));
  EXPECT_EQ(recorder.messages[1].style, MsgStyle::Info);
  EXPECT_EQ(doc.ObjCount(), kMaxObjects);
  EXPECT_EQ(doc.Header().ObjCount, kMaxObjects);
  EXPECT_EQ(doc.Object(kMaxObjects - 1).ObjKind, objkind::Star);  // the refused cube went nowhere
}

TEST(ObjectTable, RemovingKeepsTheOrderOfRecordsAndViewStates) {
  Document doc;
  for (int i = 0; i < 5; ++i) {
    doc.AddObject(Figure(objkind::Polygon));
    doc.View(i).Selected = i % 2 == 0 ? 1 : 0;  // objects 1, 3 and 5 are selected
  }
  doc.RemoveObject(1);
  ASSERT_EQ(doc.ObjCount(), 4);
  EXPECT_EQ(doc.Header().ObjCount, 4);
  const int expectedNo[] = {1, 3, 4, 5};
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(doc.Object(i).ObjNo, expectedNo[i]);
    EXPECT_EQ(doc.View(i).Selected, expectedNo[i] % 2);
  }
  doc.RemoveObject(4);  // past the end: nothing happens
  doc.RemoveObject(-1);
  EXPECT_EQ(doc.ObjCount(), 4);
}

TEST(ObjectTable, RemovingAnImageDropsOnlyItsOwnReference) {
  Document doc;
  const int first = fixtures::AddImage(doc, fixtures::PaddedBmp(700));
  ObjectRecord copy = doc.Object(first);
  doc.Pictures().AddRef(copy.Picture);
  doc.AddObject(copy);
  const PictureHandle h = copy.Picture;
  doc.RemoveObject(first);
  EXPECT_EQ(doc.Pictures().RefCount(h), 1);
  EXPECT_NE(doc.PictureOf(0), nullptr);
  doc.RemoveObject(0);
  EXPECT_EQ(doc.Pictures().Count(), 0u);
}

TEST(ClearPictures, FreesASharedPictureOnceAndZeroesEveryRecord) {
  Document doc;
  std::weak_ptr<const Picture> watch;
  PictureHandle h;
  {
    auto picture = Picture::Load(fixtures::PaddedBmp(800));
    watch = picture;
    h = doc.Pictures().Add(picture);
  }
  doc.AddObject(fixtures::Image(h));
  doc.Pictures().AddRef(h);
  doc.AddObject(fixtures::Image(h));
  doc.AddObject(fixtures::Image(h));  // a third sharer that took no reference
  doc.AddObject(fixtures::Image(987654));  // a handle the table never gave out
  doc.ClearPictures();
  EXPECT_TRUE(watch.expired());
  EXPECT_EQ(doc.Pictures().Count(), 0u);
  for (int i = 0; i < doc.ObjCount(); ++i) EXPECT_EQ(doc.Object(i).Picture, kNoPicture);
  doc.ClearPictures();  // again: nothing left to free
}

// Undo, the clipboard and worker threads take copies: the records are the
// copy's own, the pictures are shared and each side counts its own references.
TEST(DocumentCopy, HasItsOwnRecordsAndSharesThePictures) {
  Document doc;
  const int image = fixtures::AddImage(doc, fixtures::PaddedBmp(900));
  doc.AddObject(Figure(objkind::Star));
  std::weak_ptr<const Picture> watch = doc.Pictures().Share(doc.Object(image).Picture);

  Document copy = doc;
  EXPECT_EQ(copy.PictureOf(image), doc.PictureOf(image));  // the same decoded picture
  copy.Object(1).ObjKind = objkind::Cube;
  copy.View(1).Selected = 0;
  copy.RemoveObject(image);
  EXPECT_EQ(doc.ObjCount(), 2);
  EXPECT_EQ(doc.Object(1).ObjKind, objkind::Star);
  EXPECT_EQ(doc.View(1).Selected, 1);
  EXPECT_EQ(doc.PictureOf(image)->Save().size(), 900);

  Document second = doc;
  doc.NewDocument(NewDocumentSettings{});
  EXPECT_FALSE(watch.expired());  // the second copy still holds it
  second = copy;
  EXPECT_TRUE(watch.expired());
}

TEST(ObjectNames, StatusBarNames) {
  struct Case {
    std::uint16_t objClass, objKind;
    int objNo;
    const char* expected;
  };
  const Case cases[] = {
      {2, 0, 7, "Line 7"},          {2, 1, 12, "Polygon  12"},  {3, 51, 3, "D-Text  3"},
      {1, 1, 10000, "Image  10000"}, {2, 26, 1, "SlipSCloud  1"}, {2, 17, 2, "CurveLArrow  2"},
      {2, 3, 1, ""},                {2, 9, 1, ""},              {1, 0, 1, ""},
      {3, 1, 1, ""},                {4, 0, 1, ""},
  };
  for (const Case& c : cases) {
    ObjectRecord r{};
    r.ObjClass = c.objClass;
    r.ObjKind = c.objKind;
    r.ObjNo = c.objNo;
    EXPECT_EQ(ObjectStatusName(r), QString(c.expected)) << c.objClass << "/" << c.objKind;
  }
}

}  // namespace
