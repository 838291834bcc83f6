#include "app/SamplePresentation.h"

#include <gtest/gtest.h>

#include <QSettings>
#include <QTemporaryDir>
#include <set>

#include "SettingsReset.h"
#include "app/MiradoDoc.h"
#include "base/Cp932.h"
#include "core/Document.h"
#include "geometry/ConsoleCentre.h"
#include "geometry/ObjectFrame.h"

namespace {

class SamplePresentationTest : public ::testing::Test {
 protected:
  void SetUp() override {
    support::ClearSettings();
    BuildSamplePresentation(doc);
  }

  template <typename Pred>
  int Count(Pred pred) const {
    int n = 0;
    for (int i = 0; i < doc.ObjCount(); ++i) n += pred(doc.Object(i)) ? 1 : 0;
    return n;
  }

  Document doc;
};

TEST_F(SamplePresentationTest, ShowsEveryFigureKindOnSeveralSlides) {
  const DocHeader& h = doc.Header();
  EXPECT_GE(h.SlideCount, 5);
  std::set<int> kinds;
  std::set<int> slides;
  for (int i = 0; i < doc.ObjCount(); ++i) {
    if (doc.Object(i).ObjClass == objclass::Figure) kinds.insert(doc.Object(i).ObjKind);
    slides.insert(doc.Object(i).Slide);
  }
  using namespace objkind;
  EXPECT_EQ(kinds, (std::set<int>{Line, Polygon, Char, RoundRect, Ellipse, Star, Job, Memo, Arrow, CurveLArrow,
                                  CurveArrow, Cylinder, Cube, Button, Pyramid, SlipRect, SlipRound,
                                  SlipCloud, SlipSCloud}));
  EXPECT_GE(Count([](const ObjectRecord& r) { return r.ObjClass == objclass::DText; }), 1);
  EXPECT_GE(Count([](const ObjectRecord& r) { return r.CharaText[0] != '\0'; }), 1);
  EXPECT_EQ(static_cast<int>(slides.size()), h.SlideCount);  // no empty slide
  std::set<int> transitions(h.Transition, h.Transition + h.SlideCount);
  EXPECT_EQ(static_cast<int>(transitions.size()), h.SlideCount);
  EXPECT_TRUE(QByteArray(h.EndText).contains('@'));
  EXPECT_EQ(h.CurSlide, 0);
}

TEST_F(SamplePresentationTest, UsesFillsGradientsShadowsLineEndsTextAndPictures) {
  EXPECT_GE(Count([](const ObjectRecord& r) {
              return r.GradePattern >= 0 && r.refGrade[0] != r.refGrade[2] && r.refGrade[9] != r.refGrade[10];
            }), 5);
  EXPECT_GE(Count([](const ObjectRecord& r) { return r.GradePattern == 16; }), 1);
  EXPECT_GE(Count([](const ObjectRecord& r) { return r.KageX != 0 && r.LightDir != 0; }), 3);
  EXPECT_GE(Count([](const ObjectRecord& r) { return r.Ends[0].EndStyle == 3 && r.Ends[1].EndStyle == 3; }), 1);
  EXPECT_GE(Count([](const ObjectRecord& r) { return r.ObjKind == objkind::Line && r.Ends[1].EndStyle == 2; }), 1);
  EXPECT_GE(Count([](const ObjectRecord& r) {
              return r.ObjClass == objclass::Figure && r.refMen == kNoColor &&
                     DecodeCp932Buffer(r.Text, sizeof r.Text).contains(QString::fromUtf8("スライド"));
            }), 2);
  ASSERT_EQ(Count([](const ObjectRecord& r) { return r.ObjClass == objclass::Image; }), 2);
  for (int i = 0; i < doc.ObjCount(); ++i) {
    if (doc.Object(i).ObjClass != objclass::Image) continue;
    ASSERT_NE(doc.PictureOf(i), nullptr);
    if (doc.Object(i).TransOn) EXPECT_EQ(doc.PictureOf(i)->Encoding(), PictureEncoding::Bmp);
    else EXPECT_EQ(doc.PictureOf(i)->Encoding(), PictureEncoding::Jpeg);
  }
  EXPECT_EQ(Count([](const ObjectRecord& r) { return r.ImageKind == 1 && r.refTrans == 0xFFFFFF; }), 1);
}

TEST_F(SamplePresentationTest, SavesAFileThatOpensWithoutTouchingTheSettings) {
  QTemporaryDir dir;
  const QString path = dir.filePath("Sample.tvl");
  ASSERT_TRUE(SaveSamplePresentation(path));
  EXPECT_TRUE(QSettings(QSettings::IniFormat, QSettings::UserScope, "Orlinde", "Tessaly").allKeys().isEmpty());
  Document opened;
  CMiradoDoc file(opened);
  ASSERT_TRUE(file.OpenDocument(path, nullptr));
  EXPECT_EQ(opened.ObjCount(), doc.ObjCount());
  EXPECT_EQ(opened.Header().SlideCount, doc.Header().SlideCount);
  EXPECT_EQ(opened.Pictures().Count(), 2u);
}

// The always-shown console hides nothing, whether the window shows it beside
// the slide or pushes it into the slide's top-right corner.
TEST_F(SamplePresentationTest, TheZoomConsoleCoversNoSlideContent) {
  ASSERT_EQ(doc.Header().ConsoleAlways, 1);
  for (const QSize client : {QSize(1085, 700), QSize(1600, 900)}) {
    const QPoint c = ConsoleCentre(doc.Header(), client);
    const QRect console(c - QPoint(kConsoleSize / 2, kConsoleSize / 2), QSize(kConsoleSize, kConsoleSize));
    for (int i = 0; i < doc.ObjCount(); ++i) {
      const Bounds b = FrameOf(doc.Object(i), doc.Header().Zoom).bounds;
      EXPECT_FALSE(console.intersects(QRect(QPoint(b.left, b.top), QPoint(b.right, b.bottom))))
          << b.left << "," << b.top << "-" << b.right << "," << b.bottom << " object " << i << " on slide " << doc.Object(i).Slide + 1 << " in a client " << client.width();
    }
  }
}

}  // namespace
