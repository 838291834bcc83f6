#include "editor/factory/MakeObj.h"

#include <gtest/gtest.h>

#include <cstring>

#include "FactoryFixtures.h"
#include "base/Settings.h"
#include "editor/factory/Requests.h"

namespace {

std::vector<QPoint> Frame(const ObjectRecord& r) {
  std::vector<QPoint> pts;
  for (int i = 0; i < r.PointNum; ++i) pts.emplace_back(r.Points[i].x, r.Points[i].y);
  return pts;
}

TEST_F(FactoryTest, TheTenThousandthObjectIsTheLast) {
  doc.SetObjectCount(9999);
  const std::optional<int> last = Create(10);
  ASSERT_EQ(last, 9999);
  EXPECT_EQ(doc.Object(9999).ObjKind, objkind::Ellipse);
  EXPECT_TRUE(messages.messages.empty());

  EXPECT_EQ(Create(10), std::nullopt);
  EXPECT_EQ(Create(request::Picture, PictureContent({10, 10})), std::nullopt);
  EXPECT_EQ(doc.ObjCount(), 10000);
  EXPECT_EQ(doc.Pictures().Count(), 0u);
  ASSERT_EQ(messages.Ids(), (std::vector<int>{30163, 30163}));
  EXPECT_EQ(messages.messages[0].style, MsgStyle::Info);
}

// A new object enters through the edit path: the document is marked and the
// views told once; creating takes no undo snapshot, and a refusal changes nothing.
TEST_F(FactoryTest, ANewObjectMarksTheDocumentWithoutAnUndoSnapshot) {
  int snapshots = 0, notices = 0;
  edits.SetSnapshotTaker([&](const Document&) { ++snapshots; });
  QObject::connect(&edits, &EditPath::Changed, [&] { ++notices; });
  vertexAnswer.reset();
  EXPECT_EQ(Create(12), std::nullopt);  // a regular polygon whose vertex count was not given
  EXPECT_FALSE(edits.IsModified());
  ASSERT_TRUE(Create(7).has_value());
  EXPECT_TRUE(edits.IsModified());
  EXPECT_EQ(notices, 1);
  EXPECT_EQ(snapshots, 0);
}

TEST_F(FactoryTest, ANewObjectIsNumberedAfterTheLargestRemaining) {
  for (int i = 0; i < 3; ++i) Create(7);
  EXPECT_EQ(doc.Object(2).ObjNo, 3);
  doc.RemoveObject(2);
  EXPECT_EQ(doc.Object(*Create(7)).ObjNo, 3);
  doc.RemoveObject(0);
  EXPECT_EQ(doc.Object(*Create(7)).ObjNo, 4);
}

TEST_F(FactoryTest, LargePicturesAreFittedIntoTheSlide) {
  struct Case {
    QSize picture;
    QSize inserted;
  };
  const Case cases[] = {
      {{2000, 1000}, {250, 125}},  // scaled to "ImageW"
      {{200, 100}, {200, 100}},    // fits: kept
      {{100, 2000}, {35, 718}},    // tall: the slide's height is the smaller ratio
      {{1047, 10}, {250, 2}},      // as wide as the slide counts as too large
      {{100000, 1}, {250, 1}},     // never thinner than one unit
  };
  for (const Case& c : cases) {
    const int i = *Create(request::Picture, PictureContent(c.picture), {400, 300});
    const ObjectRecord& r = doc.Object(i);
    const int w = c.inserted.width(), h = c.inserted.height();
    const int left = 400 - w / 2, top = 300 - h / 2;
    EXPECT_EQ(Frame(r), (std::vector<QPoint>{{left, top}, {left + w, top}, {left + w, top + h}, {left, top + h}}))
        << c.picture.width() << "x" << c.picture.height();
    EXPECT_EQ(r.ObjClass, objclass::Image);
    EXPECT_EQ(doc.Pictures().RefCount(r.Picture), 1);
  }
  WriteInt("SYS", "ImageW", 0);  // unusable: the built-in width applies
  const ObjectRecord& r = doc.Object(*Create(request::Picture, PictureContent({2000, 1000})));
  EXPECT_EQ(r.Points[1].x - r.Points[0].x, 250);
}

TEST_F(FactoryTest, APictureWithoutSizeOrPictureIsRefused) {
  EXPECT_EQ(Create(request::Picture, PictureContent({0, 100})), std::nullopt);
  EXPECT_EQ(Create(request::Picture, PictureContent({100, 0})), std::nullopt);
  EXPECT_EQ(Create(request::Picture, ObjectContent{QString(), nullptr, kNoColor, QSize(10, 10)}), std::nullopt);
  EXPECT_EQ(doc.ObjCount(), 0);
  EXPECT_EQ(doc.Pictures().Count(), 0u);
}

TEST_F(FactoryTest, ATextBoxStartsWithThePromptAndWithoutColours) {
  const ObjectRecord& r = doc.Object(*Create(request::TextBox));
  EXPECT_EQ(TextOf(0), QString::fromUtf8("Ｗクリックしてテキストを入力"));
  EXPECT_EQ(r.refMen, kNoColor);
  EXPECT_EQ(r.refSecondMen, kNoColor);
  EXPECT_EQ(r.refLine, kNoColor);
  for (COLORREF c : r.refGrade) EXPECT_EQ(c, 16773100);  // the stored fill all the same
  EXPECT_EQ(r.PointNum, 4);

  ObjectContent given;
  given.text = QString::fromUtf8("発表の要点");
  Create(request::TextBox, given);
  EXPECT_EQ(TextOf(1), given.text);
  Create(7, given);  // figures start empty whatever they are given
  EXPECT_EQ(TextOf(2), QString());
}

TEST_F(FactoryTest, ATransparentColourMeansNoFillAndNoLine) {
  WriteColor("OBJ", "refMen", 255);
  const ObjectRecord& keyed = doc.Object(*Create(request::Picture, PictureContent({50, 50}, 0xFFFFFF)));
  EXPECT_EQ(keyed.ImageKind, 1);
  EXPECT_EQ(keyed.TransOn, 1);
  EXPECT_EQ(keyed.refTrans, 0xFFFFFF);
  EXPECT_EQ(keyed.refMen, kNoColor);
  EXPECT_EQ(keyed.refSecondMen, kNoColor);
  EXPECT_EQ(keyed.refLine, kNoColor);

  const ObjectRecord& plain = doc.Object(*Create(request::Picture, PictureContent({50, 50})));
  EXPECT_EQ(plain.ImageKind, 0);
  EXPECT_EQ(plain.TransOn, 0);
  EXPECT_EQ(plain.refTrans, kNoColor);
  EXPECT_EQ(plain.refMen, 255);
  EXPECT_EQ(plain.refSecondMen, 16000000);
  EXPECT_EQ(plain.refLine, 8388608);
}

TEST_F(FactoryTest, TextIsCutTo990BytesAtACharacterBoundary) {
  struct Case {
    QString text;
    std::size_t bytes;
  };
  const Case cases[] = {
      {QString(989, 'a') + QString::fromUtf8("あい"), 989},  // "あ" would need bytes 990 and 991
      {QString(1000, QChar(0x3042)), 990},
      {QString(1200, 'x'), 990},
      {QString::fromUtf8("表🙂示"), 5},  // a character without a CP932 form becomes '?'
  };
  for (const Case& c : cases) {
    ObjectContent content;
    content.text = c.text;
    const ObjectRecord& r = doc.Object(*Create(request::TextBox, content));
    EXPECT_EQ(std::strlen(r.Text), c.bytes);
  }
  EXPECT_EQ(TextOf(0), QString(989, 'a'));
  EXPECT_EQ(TextOf(3), QString::fromUtf8("表?示"));
}

TEST_F(FactoryTest, LineVariantsDecideTheirEnds) {
  WriteInt("OBJ", "EndStyle1", 0);
  WriteInt("OBJ", "EndStyle2", 3);
  WriteInt("OBJ", "EndLen1", 9);
  struct Case {
    int request;
    int start;
    int end;
  };
  const Case cases[] = {{1, 1, 1}, {3, 1, 1}, {5, 1, 1}, {0, 0, 0}, {2, 0, 0}, {4, 0, 0}, {6, 0, 3}, {16, 0, 3}};
  for (const Case& c : cases) {
    const ObjectRecord& r = doc.Object(*Create(c.request));
    EXPECT_EQ(r.Ends[0].EndStyle, c.start) << "request " << c.request;
    EXPECT_EQ(r.Ends[1].EndStyle, c.end) << "request " << c.request;
    EXPECT_EQ(r.Ends[0].EndLen, 9);
    EXPECT_EQ(r.Ends[1].EndLen, 3);
  }
}

TEST_F(FactoryTest, TheDefaultPointIsTheCentreOfTheVisibleSlide) {
  struct Case {
    float zoom;
    QPoint scroll;
    QSize client;
    QPoint centre;  // slide units
  };
  const Case cases[] = {
      {1.0f, {0, 0}, {800, 600}, {400, 300}},
      {1.0f, {0, 0}, {2000, 1000}, {523, 359}},    // the window is larger than the slide
      {2.0f, {600, 400}, {800, 600}, {500, 350}},  // scrolled, zoomed
      {2.0f, {1700, 1200}, {800, 600}, {948, 659}},  // only the slide's corner in view
  };
  for (const Case& c : cases) {
    doc.Header().Zoom = c.zoom;
    area = {c.scroll, c.client};
    const ObjectRecord& r = doc.Object(*Create(10, {}, kViewCentre));
    EXPECT_EQ(QPoint(r.CenterX, r.CenterY), c.centre) << c.zoom << " " << c.scroll.x();
    EXPECT_EQ(QPoint(r.Points[0].x, r.Points[0].y), c.centre + QPoint(0, -100));
  }
  doc.Header().Zoom = 2.0f;
  const ObjectRecord& r = doc.Object(*Create(10, {}, {301, 99}));  // a given point: view pixels
  EXPECT_EQ(QPoint(r.CenterX, r.CenterY), QPoint(150, 49));
}

TEST_F(FactoryTest, AttributesComeFromTheStoredDefaults) {
  WriteInt("OBJ", "FontSize", 20);
  WriteInt("OBJ", "DTFontSize", 30);
  WriteColor("OBJ", "refLine", kNoColor);
  WriteInt("OBJ", "KageX", 5);
  WriteInt("OBJ", "RoundR", 33);
  WriteText("OBJ", "FontName", QString(40, 'F'));
  WriteInt("SYS", "ImageW", 100);

  const ObjectRecord& box = doc.Object(*Create(8));
  EXPECT_EQ(box.FontSize, 20);
  EXPECT_EQ(box.refLine, kNoColor);
  EXPECT_EQ(box.refMen, 16773100);
  EXPECT_EQ(box.KageX, 5);
  EXPECT_EQ(box.RoundR, 33);
  EXPECT_EQ(std::strlen(box.FontName), 31u);
  EXPECT_EQ(box.LineMargin, 5);
  EXPECT_EQ(box.CharaCharMargin, 10);
  EXPECT_EQ(box.TextRotate, 1);
  EXPECT_EQ(box.AnchorCurve, 1);
  EXPECT_EQ(box.GradePattern, -1);
  EXPECT_EQ(box.PointFixed[199], 1);

  const ObjectRecord& dtext = doc.Object(*Create(request::DesignText));
  EXPECT_EQ(dtext.FontSize, 30);
  EXPECT_EQ(TextOf(1), QString::fromUtf8("デザイン・テキスト"));
  EXPECT_EQ(dtext.Curve, 1);
  ASSERT_EQ(dtext.PointNum, 4);
  const int w = dtext.Points[1].x - dtext.Points[0].x;
  const int h = dtext.Points[3].y - dtext.Points[0].y;
  EXPECT_GT(w, h);  // one line of nine characters
  EXPECT_EQ(dtext.Points[0].x, 400 - w / 2);
  EXPECT_EQ(dtext.Points[0].y, 300 - h / 2);

  const ObjectRecord& pic = doc.Object(*Create(request::Picture, PictureContent({2000, 1000})));
  EXPECT_EQ(pic.Points[1].x - pic.Points[0].x, 100);
}

TEST_F(FactoryTest, EveryRequestBuildsItsKindAndIsTheOnlySelection) {
  vertexAnswer = 5;
  for (int request = 0; request < kRequestCount; ++request) {
    const ObjectRequest& req = *FindRequest(request);
    const ObjectContent content = request == request::Picture ? PictureContent({20, 20}) : ObjectContent{};
    const std::optional<int> i = Create(request, content);
    ASSERT_TRUE(i) << "request " << request;
    const ObjectRecord& r = doc.Object(*i);
    EXPECT_EQ(r.ObjClass, req.objClass) << "request " << request;
    EXPECT_EQ(r.ObjKind, req.kind) << "request " << request;
    EXPECT_GE(r.PointNum, 3) << "request " << request;
    for (int k = 0; k < doc.ObjCount(); ++k) EXPECT_EQ(doc.View(k).Selected, k == *i ? 1 : 0);
  }
}

TEST_F(FactoryTest, StarsAndPolygonsAskForTheirVertexCount) {
  vertexAnswer = 6;
  const ObjectRecord& star = doc.Object(*Create(13));
  EXPECT_EQ(star.PointNum, 12);
  ASSERT_TRUE(asked);
  EXPECT_TRUE(asked->star);
  EXPECT_EQ(asked->limit, 100);
  EXPECT_EQ(asked->exampleId, 30025);
  EXPECT_EQ(asked->start, 4);
  EXPECT_EQ(GetInt("Last", "Summit", 0), 6);

  vertexAnswer = 200;
  EXPECT_EQ(doc.Object(*Create(12)).PointNum, 200);
  EXPECT_EQ(asked->limit, 200);
  EXPECT_EQ(asked->exampleId, 30031);
  EXPECT_EQ(asked->start, 6);
}

TEST_F(FactoryTest, AVertexCountNeverExceedsWhatARecordHolds) {
  WriteInt("Last", "Summit", 150);  // a polygon's last answer
  vertexAnswer = std::nullopt;
  EXPECT_EQ(Create(13), std::nullopt);  // closed without OK
  EXPECT_EQ(asked->start, 100);         // a star of 150 points would need 300 vertices

  for (int answer : {101, 2, -1}) {
    vertexAnswer = answer;
    EXPECT_EQ(Create(13), std::nullopt) << answer;
  }
  vertexAnswer = 201;
  EXPECT_EQ(Create(12), std::nullopt);
  EXPECT_EQ(doc.ObjCount(), 0);
  EXPECT_EQ(GetInt("Last", "Summit", 0), 150);  // refused answers are not remembered

  vertexAnswer = 100;
  EXPECT_EQ(doc.Object(*Create(13)).PointNum, 200);
}

TEST_F(FactoryTest, CreatingClearsTheSelectionEvenWhenCancelled) {
  Create(7);
  Create(7);
  doc.View(0).Selected = 1;
  vertexAnswer = std::nullopt;
  EXPECT_EQ(Create(12), std::nullopt);
  EXPECT_EQ(doc.View(0).Selected, 0);
  EXPECT_EQ(doc.View(1).Selected, 0);
}

TEST_F(FactoryTest, APolygonCharacterIsTheOutlineOfTheFirstTypedCharacter) {
  charAnswer = CharDialogValues{"AB", {"IPAPGothic", false, false, false}};
  const int ab = *Create(request::PolygonChar, {}, {400, 300});
  charAnswer->text = "A";
  const int a = *Create(request::PolygonChar, {}, {400, 300});
  const ObjectRecord& r = doc.Object(ab);
  EXPECT_EQ(r.ObjKind, objkind::Char);
  EXPECT_EQ(r.Text[0], '\0');
  EXPECT_EQ(QPoint(r.CenterX, r.CenterY), QPoint(400, 300));
  EXPECT_EQ(r.Curve, 0);
  ASSERT_EQ(r.PointNum, doc.Object(a).PointNum);
  EXPECT_EQ(std::memcmp(r.Points, doc.Object(a).Points, sizeof r.Points), 0);
  EXPECT_TRUE(questions.empty() && messages.Ids().empty());

  // No character, a space or a closed dialog: nothing is created and nothing said.
  const int count = doc.ObjCount();
  for (const std::optional<CharDialogValues>& answer :
       {std::optional<CharDialogValues>{}, std::optional<CharDialogValues>{CharDialogValues{" ", {}}}}) {
    charAnswer = answer;
    EXPECT_EQ(Create(request::PolygonChar), std::nullopt);
  }
  EXPECT_EQ(doc.ObjCount(), count);
  EXPECT_TRUE(messages.Ids().empty() && questions.empty());
}

TEST_F(FactoryTest, ACurvedOutlineTooLongAsksToGoStraight) {
  charAnswer = CharDialogValues{QString::fromUtf8("漢"), {"IPAPGothic", false, false, true}};  // 222 points curved
  const int count = doc.ObjCount();
  EXPECT_EQ(Create(request::PolygonChar), std::nullopt);
  EXPECT_EQ(questions, std::vector<int>{30034});
  EXPECT_EQ(doc.ObjCount(), count);

  yesAnswer = true;
  const ObjectRecord& r = doc.Object(*Create(request::PolygonChar));
  EXPECT_EQ(r.Curve, 0);
  EXPECT_EQ(r.PointNum, 74);  // its anchors
  EXPECT_EQ(questions.size(), 2u);
  EXPECT_TRUE(messages.Ids().empty());
}

}  // namespace
