#include "editor/ObjectClipboard.h"

#include <gtest/gtest.h>

#include <QMimeData>

#include "base/MessageIds.h"
#include "geometry/ObjectFrame.h"
#include "tests/editor/EditorFixtures.h"
#include "tests/support/ImageBytes.h"

namespace {

using editorfixtures::Add;

QByteArray Bmp(int seed) { return support::EncodeImage(support::PatternImage(6, 4, seed), "bmp"); }

// Slide 0: a selected image, a selected box, an unselected box.
struct Scene {
  Document doc;
  QByteArray bytes = Bmp(3);
  int image, box, other;
  Scene() {
    editorfixtures::Reset(doc);
    ObjectRecord r = editorfixtures::Rect(objclass::Image, objkind::Image, QRect(100, 100, 60, 40));
    r.Picture = doc.Pictures().Add(Picture::Load(bytes));
    image = Add(doc, r, true);
    box = Add(doc, editorfixtures::Rect(objclass::Figure, objkind::Polygon, QRect(300, 100, 50, 50)), true);
    other = Add(doc, editorfixtures::Rect(objclass::Figure, objkind::Polygon, QRect(500, 100, 50, 50)), false);
  }
};

Document ThroughClipboard(const Document& doc) {
  const std::unique_ptr<QMimeData> data = CopyToMime(doc, 0);
  EXPECT_EQ(Classify(data.get()), ClipKind::Objects);
  Result<Document> clip = DecodeObjects(doc, data->data(kObjectsMime));
  EXPECT_TRUE(clip.has_value());
  return clip ? std::move(*clip) : doc.EmptyLike();
}

TEST(ObjectClipboardTest, PastedImagesOwnTheirPicturesWhateverHappensToTheOriginal) {
  Scene s;
  const Document clip = ThroughClipboard(s.doc);
  ASSERT_EQ(clip.ObjCount(), 2);
  const Document beforePaste = s.doc;
  Result<std::vector<int>> pasted = PasteObjects(s.doc, clip, 0, {10, 10});
  ASSERT_TRUE(pasted.has_value());
  ASSERT_EQ(pasted->size(), 2u);
  const ObjectRecord& copy = s.doc.Object((*pasted)[0]);
  EXPECT_NE(copy.Picture, s.doc.Object(s.image).Picture);
  EXPECT_EQ(copy.Points[0].x, 110);
  EXPECT_EQ(copy.ObjNo, 4);
  EXPECT_EQ(s.doc.Object((*pasted)[1]).ObjNo, 5);
  EXPECT_FALSE(s.doc.View(s.image).Selected) << "the originals are deselected";
  EXPECT_TRUE(s.doc.View((*pasted)[1]).Selected);

  // Deleting the original, and undoing to the state before the paste, leave a pasted picture whole.
  s.doc.RemoveObject(s.image);
  const int moved = (*pasted)[0] - 1;
  ASSERT_NE(s.doc.PictureOf(moved), nullptr);
  EXPECT_EQ(s.doc.PictureOf(moved)->Save(), s.bytes);
  s.doc = beforePaste;
  Result<std::vector<int>> again = PasteObjects(s.doc, clip, 1, {0, 0});
  ASSERT_TRUE(again.has_value());
  EXPECT_EQ(s.doc.PictureOf((*again)[0])->Save(), s.bytes);
  EXPECT_EQ(s.doc.Object((*again)[0]).Slide, 1);
}

TEST(ObjectClipboardTest, APasteThatWouldPassTheLimitChangesNothing) {
  Scene s;
  const Document clip = ThroughClipboard(s.doc);
  s.doc.SetObjectCount(kMaxObjects - 1);
  const Result<std::vector<int>> pasted = PasteObjects(s.doc, clip, 0, {10, 10});
  ASSERT_FALSE(pasted.has_value());
  EXPECT_EQ(pasted.error().id, msg::TooManyObjects);
  EXPECT_EQ(s.doc.ObjCount(), kMaxObjects - 1);
}

TEST(ObjectClipboardTest, PastedObjectsStayOnTheSlide) {
  Scene s;
  const Document clip = ThroughClipboard(s.doc);
  const Result<std::vector<int>> pasted = PasteObjects(s.doc, clip, 0, {2000, -500});
  ASSERT_TRUE(pasted.has_value());
  for (int i : *pasted) {
    const Bounds b = MarginBounds(s.doc.Object(i));
    EXPECT_LE(b.right, s.doc.Header().SlideW);
    EXPECT_GE(b.top, 0);
  }
}

TEST(ObjectClipboardTest, PasteTakesOurObjectsThenTextThenAPicture) {
  struct Case {
    const char* what;
    bool objects;
    const char* text;
    bool image;
    ClipKind expected;
  };
  const Case cases[] = {
      {"ours", true, "[OBJ]", true, ClipKind::Objects},
      {"text and picture", false, "abc", true, ClipKind::Text},
      {"line break only", false, "\r\n", false, ClipKind::None},
      {"marker without objects", false, "[OBJ]", true, ClipKind::Picture},
      {"outside picture", false, nullptr, true, ClipKind::Picture},
      {"empty", false, nullptr, false, ClipKind::None},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    QMimeData data;
    if (c.objects) data.setData(kObjectsMime, QByteArray("x"));
    if (c.text) data.setText(QString::fromLatin1(c.text));
    if (c.image) data.setImageData(support::PatternImage(4, 4));
    EXPECT_EQ(Classify(&data), c.expected);
  }
  EXPECT_EQ(Classify(nullptr), ClipKind::None);
}

TEST(ObjectClipboardTest, DamagedObjectBytesAreRefused) {
  Scene s;
  QByteArray bytes = EncodeObjects(SelectedObjects(s.doc, 0));
  const QByteArray samples[] = {QByteArray(), bytes.left(bytes.size() / 2), bytes + "tail"};
  for (const QByteArray& b : samples) {
    const Result<Document> clip = DecodeObjects(s.doc, b);
    ASSERT_FALSE(clip.has_value());
    EXPECT_EQ(clip.error().id, msg::BadData);
  }
}

TEST(ObjectClipboardTest, TheCopiedPictureShowsTheSelectionAtItsOnScreenSize) {
  Scene s;
  s.doc.Header().Zoom = 2.0f;
  const std::unique_ptr<QMimeData> data = CopyToMime(s.doc, 0);
  const QImage picture = qvariant_cast<QImage>(data->imageData());
  // From the image's left (100) to the box's right (349), at zoom 2.
  EXPECT_NEAR(picture.width(), 500, 4);
  EXPECT_EQ(data->text(), "[OBJ]");
  s.doc.View(s.image).Selected = s.doc.View(s.box).Selected = 0;
  EXPECT_EQ(CopyToMime(s.doc, 0), nullptr);
}

TEST(ObjectClipboardTest, OffsetsAndTextPieces) {
  EXPECT_EQ(PasteOffset({0, 0}, {300, 300}, 2.0f), QPoint(10, 10));
  EXPECT_EQ(PasteOffset({400, 250}, {300, 300}, 2.0f), QPoint(50, -25));
  const QString text = QString::fromUtf8("一行目\r\n\r\na\tb\r\n");
  EXPECT_EQ(TextPieces(text, true), (std::vector<QString>{QString::fromUtf8("一行目"), "a\nb"}));
  EXPECT_EQ(TextPieces("x\r\ny", false), (std::vector<QString>{"x\ny"}));
  QMimeData data;
  data.setText("two\r\nlines\r\n");
  EXPECT_EQ(PastedText(data), "two\r\nlines");
}

}  // namespace
