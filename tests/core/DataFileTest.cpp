#include "core/DataFile.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cmath>
#include <functional>
#include <limits>

#include "DocFixtures.h"
#include "FileSizeLimit.h"
#include "MessageRecorder.h"
#include "base/Cp932.h"

namespace {

using fixtures::AddImage;
using fixtures::FileBytes;
using fixtures::Figure;
using fixtures::PaddedBmp;
using fixtures::ReadBytes;

constexpr int kCountAt = 718;
constexpr int kRecordsAt = 722;
constexpr int kRec = 3184;

void PutU16(QByteArray& bytes, qsizetype at, std::uint16_t v) { std::memcpy(bytes.data() + at, &v, 2); }
void PutU32(QByteArray& bytes, qsizetype at, std::uint32_t v) { std::memcpy(bytes.data() + at, &v, 4); }
void PutBigEndian(QByteArray& bytes, qsizetype at, std::uint32_t v) {
  const char be[4] = {char(v >> 24), char(v >> 16), char(v >> 8), char(v)};
  std::memcpy(bytes.data() + at, be, 4);
}
qsizetype RecordAt(int index, qsizetype field = 0) { return kRecordsAt + index * kRec + field; }

// A device that cannot tell how many bytes are left, like a pipe.
class SequentialReader : public QIODevice {
 public:
  explicit SequentialReader(QByteArray bytes) : bytes_(std::move(bytes)) { open(ReadOnly); }
  bool isSequential() const override { return true; }

 protected:
  qint64 readData(char* data, qint64 max) override {
    const qint64 n = std::min<qint64>(max, bytes_.size() - at_);
    std::memcpy(data, bytes_.constData() + at_, n);
    at_ += n;
    return n;
  }
  qint64 writeData(const char*, qint64) override { return -1; }

 private:
  QByteArray bytes_;
  qint64 at_ = 0;
};

// Two slides: a line, an image of 600 bytes, a star and an image of 400 bytes.
class DataFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    doc.Header().SlideCount = 2;
    doc.AddObject(Figure(objkind::Line, 0));
    AddImage(doc, bmp600, 1);
    doc.AddObject(Figure(objkind::Star, 1));
    AddImage(doc, bmp400, 0);
    bytes = FileBytes(doc);
    ASSERT_EQ(bytes.size(), RecordAt(4) + 4 + 600 + 4 + 400);
  }

  const QByteArray bmp600 = PaddedBmp(600);
  const QByteArray bmp400 = PaddedBmp(400, qRgb(0, 90, 250));
  Document doc;
  QByteArray bytes;
};

// ---- golden bytes ----

TEST(DataFileBytes, AnEmptyDocumentIs722Bytes) {
  Document doc;
  const QByteArray bytes = FileBytes(doc);
  ASSERT_EQ(bytes.size(), 722);
  EXPECT_EQ(bytes.left(10), QByteArray("TVL002    "));
  EXPECT_EQ(std::memcmp(bytes.constData() + 10, &doc.Header(), sizeof(DocHeader)), 0);
  EXPECT_EQ(bytes.right(4), QByteArray(4, '\0'));
}

TEST(DataFileBytes, AnImagePayloadFollowsTheRecordsWithABigEndianCount) {
  Document doc;
  const QByteArray picture = PaddedBmp(1000);
  const int i = AddImage(doc, picture);
  std::strcpy(doc.Object(i).CharaFontName, "IPAGothic");
  const QByteArray bytes = FileBytes(doc);
  ASSERT_EQ(bytes.size(), RecordAt(1) + 4 + 1000);
  EXPECT_EQ(bytes.mid(kCountAt, 4), QByteArray::fromHex("00000001"));
  EXPECT_EQ(bytes.mid(RecordAt(1), 4), QByteArray::fromHex("000003E8"));
  EXPECT_EQ(bytes.right(1000), picture);
  EXPECT_EQ(bytes.mid(RecordAt(0, 2969), 10), QByteArray("IPAGothic", 10));  // odd offset, unaligned
}

TEST_F(DataFileTest, WriteReadWriteGivesTheSameBytesApartFromPictureHandles) {
  StoreCp932(doc.Object(0).Text, sizeof ObjectRecord::Text, QString::fromUtf8("第一章　はじめに"));
  StoreCp932(doc.Header().EndText, sizeof DocHeader::EndText, QString::fromUtf8("終わり@またね"));
  doc.Header().CurSlide = 1;
  doc.Header().Zoom = 2.5f;
  doc.Object(2).Angle = 1.25;
  doc.AddObject(fixtures::Image(kNoPicture, 1));  // an image without a picture
  const QByteArray first = FileBytes(doc);

  Document copy;
  ASSERT_TRUE(ReadBytes(copy, first));
  EXPECT_EQ(copy.ObjCount(), 5);
  EXPECT_EQ(copy.PictureOf(1)->Save(), bmp600);
  EXPECT_EQ(copy.PictureOf(3)->Save(), bmp400);
  EXPECT_EQ(copy.PictureOf(4), nullptr);
  EXPECT_EQ(DecodeCp932Buffer(copy.Object(0).Text, sizeof ObjectRecord::Text), QString::fromUtf8("第一章　はじめに"));
  QByteArray second = FileBytes(copy);
  ASSERT_EQ(second.size(), first.size());
  QByteArray masked = first;
  for (int i : {1, 3, 4}) {
    PutU32(masked, RecordAt(i, offsetof(ObjectRecord, Picture)), 0);
    PutU32(second, RecordAt(i, offsetof(ObjectRecord, Picture)), 0);
  }
  EXPECT_EQ(second, masked);
  EXPECT_EQ(first.right(4), QByteArray(4, '\0'));  // no picture: a count of 0
}

TEST_F(DataFileTest, TheBodyIsTheFileWithoutItsMagic) {
  QBuffer body;
  body.open(QIODevice::ReadWrite);
  ASSERT_TRUE(WriteDataBody(doc, body));
  EXPECT_EQ(body.data(), bytes.mid(10));
  body.seek(0);
  Document copy;
  ASSERT_TRUE(ReadDataBody(copy, body));
  EXPECT_EQ(FileBytes(copy).size(), bytes.size());
  EXPECT_EQ(copy.PictureOf(3)->Save(), bmp400);
}

TEST(DataFileVersion1, PayloadSizesComeFromThePictureFields) {
  const QByteArray bmp500 = PaddedBmp(500), bmp300 = PaddedBmp(300, qRgb(9, 9, 9));
  Document empty;
  QByteArray bytes = FileBytes(empty);
  bytes.replace(0, 10, "TVL001    ");
  PutBigEndian(bytes, kCountAt, 2);
  ObjectRecord a = fixtures::Image(500), b = fixtures::Image(300);
  bytes.append(reinterpret_cast<const char*>(&a), kRec);
  bytes.append(reinterpret_cast<const char*>(&b), kRec);
  bytes.append(bmp500).append(bmp300);

  Document doc;
  ASSERT_TRUE(ReadBytes(doc, bytes));
  ASSERT_EQ(doc.ObjCount(), 2);
  ASSERT_NE(doc.PictureOf(0), nullptr);
  ASSERT_NE(doc.PictureOf(1), nullptr);
  EXPECT_EQ(doc.PictureOf(0)->Save(), bmp500);
  EXPECT_EQ(doc.PictureOf(1)->Save(), bmp300);
  const QByteArray rewritten = FileBytes(doc);
  EXPECT_EQ(rewritten.left(10), QByteArray("TVL002    "));
  EXPECT_EQ(rewritten.mid(RecordAt(2), 4), QByteArray::fromHex("000001F4"));
}

// ---- refusals ----

TEST(DataFileCount, TenThousandObjectsAreReadAndOneMoreIsRefused) {
  Document big;
  big.SetObjectCount(kMaxObjects);
  for (int i = 0; i < kMaxObjects; ++i) {
    big.Object(i) = Figure(objkind::Ellipse);
    big.Object(i).ObjNo = i + 1;
  }
  QByteArray bytes = FileBytes(big);
  ASSERT_EQ(bytes.size(), RecordAt(kMaxObjects));
  EXPECT_EQ(bytes.mid(kCountAt, 4), QByteArray::fromHex("00002710"));

  Document doc;
  MessageRecorder recorder;
  ASSERT_TRUE(ReadBytes(doc, bytes));
  EXPECT_EQ(doc.ObjCount(), kMaxObjects);
  EXPECT_EQ(doc.Object(kMaxObjects - 1).ObjNo, kMaxObjects);
  EXPECT_FALSE(Shown(doc.AddObject(Figure(objkind::Line))));
  EXPECT_EQ(recorder.Ids(), std::vector<int>{30163});

  const std::pair<std::uint32_t, const char*> refused[] = {
      {10001, "10001 > 10000\n"}, {0xFFFFFFFF, "4294967295 > 10000\n"}};
  for (const auto& [count, prefix] : refused) {
    recorder.messages.clear();
    PutBigEndian(bytes, kCountAt, count);
    EXPECT_FALSE(ReadBytes(doc, bytes));
    ASSERT_EQ(recorder.messages.size(), 1u);
    EXPECT_EQ(recorder.messages[0].id, 30043);
    EXPECT_EQ(recorder.messages[0].prefix, QString(prefix));
    EXPECT_EQ(recorder.messages[0].style, MsgStyle::Error);
    EXPECT_EQ(doc.ObjCount(), 0);
  }
}

TEST_F(DataFileTest, AWrongMagicOrVersionLeavesTheDocumentAsItWas) {
  struct Case {
    const char* magic;
    int id;
    const char* prefix;
  };
  const Case cases[] = {
      {"TVL003    ", 30020, "ver 003\n"}, {"TVL000    ", 30020, "ver 000\n"},
      {"TVLabc    ", 30020, "ver abc\n"}, {"TVL-02    ", 30020, "ver -02\n"},
      {"XYZ002    ", 30019, ""},          {"tvl002    ", 30019, ""},
      {"TV", 30019, ""},
  };
  for (const Case& c : cases) {
    MessageRecorder recorder;
    QByteArray file = bytes;
    file.replace(0, 10, c.magic);
    EXPECT_FALSE(ReadBytes(doc, file)) << c.magic;
    ASSERT_EQ(recorder.messages.size(), 1u) << c.magic;
    EXPECT_EQ(recorder.messages[0].id, c.id) << c.magic;
    EXPECT_EQ(recorder.messages[0].prefix, QString(c.prefix)) << c.magic;
    EXPECT_EQ(FileBytes(doc), bytes) << c.magic;  // untouched, pictures included
  }
  QByteArray spaced = bytes;
  spaced.replace(0, 10, "TVL 02    ");  // the digits are read as a number
  EXPECT_TRUE(ReadBytes(doc, spaced));
}

struct Hostile {
  const char* what;
  std::function<void(QByteArray&)> edit;
};

std::vector<Hostile> HostileCases() {
  const qsizetype payloads = RecordAt(4);
  auto cut = [](qsizetype size) { return [size](QByteArray& b) { b.truncate(size); }; };
  return {
      {"header cut", cut(300)},
      {"count cut", cut(kCountAt + 2)},
      {"no records", cut(kRecordsAt)},
      {"records cut", cut(RecordAt(2, 7))},
      {"payload count cut", cut(payloads + 2)},
      {"payload cut", cut(payloads + 4 + 100)},
      {"last payload one byte short", [](QByteArray& b) { b.chop(1); }},
      {"payload larger than the file", [=](QByteArray& b) { PutBigEndian(b, payloads, 1005); }},
      {"payload of 4 GB", [=](QByteArray& b) { PutBigEndian(b, payloads, 0xFFFFFFFF); }},
      {"version 1 with a huge picture field",
       [](QByteArray& b) {
         b.replace(0, 10, "TVL001    ");
         PutU32(b, RecordAt(1, offsetof(ObjectRecord, Picture)), 0xFFFFFFF0);
       }},
      {"201 points", [](QByteArray& b) { PutU16(b, RecordAt(2, offsetof(ObjectRecord, PointNum)), 201); }},
      {"no slides", [](QByteArray& b) { PutU16(b, 10, 0); }},
      {"101 slides", [](QByteArray& b) { PutU16(b, 10, 101); }},
      {"object past the last slide", [](QByteArray& b) { PutU16(b, RecordAt(2, offsetof(ObjectRecord, Slide)), 2); }},
      {"unused figure kind", [](QByteArray& b) { PutU16(b, RecordAt(2, 2), 3); }},
      {"unknown class", [](QByteArray& b) { PutU16(b, RecordAt(0), 4); }},
      {"D-Text class with a figure kind", [](QByteArray& b) { PutU16(b, RecordAt(0), 3); }},
  };
}

TEST_F(DataFileTest, TruncatedAndHostileFilesAreRefusedAndLeaveAnEmptyDocument) {
  const DocHeader fresh = NewDocHeader(NewDocumentSettings::FromStore(), ScreenDpi{});
  for (const Hostile& c : HostileCases()) {
    QByteArray file = bytes;
    c.edit(file);
    for (bool sequential : {false, true}) {
      AddImage(doc, bmp600);  // a picture of the previous document
      std::weak_ptr<const Picture> previous = doc.Pictures().Share(doc.Object(doc.ObjCount() - 1).Picture);
      MessageRecorder recorder;
      QBuffer buffer;
      buffer.setData(file);
      buffer.open(QIODevice::ReadOnly);
      SequentialReader pipe(file);
      const bool read = Shown(ReadDataFile(doc, sequential ? static_cast<QIODevice&>(pipe) : buffer));
      EXPECT_FALSE(read) << c.what << (sequential ? " (sequential)" : "");
      EXPECT_EQ(recorder.Ids(), std::vector<int>{30019}) << c.what;
      EXPECT_EQ(std::memcmp(&doc.Header(), &fresh, sizeof fresh), 0) << c.what;
      EXPECT_EQ(doc.Pictures().Count(), 0u) << c.what;
      EXPECT_TRUE(previous.expired()) << c.what;
    }
  }
}

TEST_F(DataFileTest, ViewSettingsOutOfRangeAreBroughtIntoRange) {
  struct Case {
    std::uint16_t curSlide;
    float zoom;
    std::uint16_t slideW;
    std::uint16_t wantCur;
    float wantZoom;
    std::uint16_t wantW;
  };
  const float nan = std::numeric_limits<float>::quiet_NaN();
  const float inf = std::numeric_limits<float>::infinity();
  const Case cases[] = {
      {1, 2.5f, 800, 1, 2.5f, 800},  {2, 1.0f, 800, 1, 1.0f, 800},   {65535, 0.08f, 0, 1, 0.08f, 1046},
      {0, nan, 800, 0, 1.0f, 800},   {0, 50.0f, 800, 0, 4.0f, 800}, {0, -1.0f, 800, 0, 0.08f, 800},
      {0, inf, 800, 0, 1.0f, 800},   {0, 0.0f, 800, 0, 0.08f, 800},
  };
  for (const Case& c : cases) {
    QByteArray file = bytes;
    PutU16(file, 10 + offsetof(DocHeader, CurSlide), c.curSlide);
    std::memcpy(file.data() + 10 + offsetof(DocHeader, Zoom), &c.zoom, 4);
    PutU16(file, 10 + offsetof(DocHeader, SlideW), c.slideW);
    Document copy;
    ASSERT_TRUE(ReadBytes(copy, file));
    EXPECT_EQ(copy.Header().CurSlide, c.wantCur);
    EXPECT_EQ(copy.Header().Zoom, c.wantZoom);
    EXPECT_EQ(copy.Header().SlideW, c.wantW);
  }
}

TEST_F(DataFileTest, StringsEndInsideTheirBuffersAndStrayHandlesAreDropped) {
  QByteArray file = bytes;
  file.replace(10 + offsetof(DocHeader, EndText), 97, QByteArray(97, 'E'));
  file.replace(RecordAt(0, offsetof(ObjectRecord, Text)), 991, QByteArray(991, 'T'));
  file.replace(RecordAt(0, offsetof(ObjectRecord, FontName)), 32, QByteArray(32, 'F'));
  file.replace(RecordAt(0, offsetof(ObjectRecord, CharaText)), 17, QByteArray(17, 'C'));
  file.replace(RecordAt(0, offsetof(ObjectRecord, CharaFontName)), 32, QByteArray(32, 'N'));
  PutU32(file, RecordAt(2, offsetof(ObjectRecord, Picture)), 1);  // a star holding a handle
  Document copy;
  ASSERT_TRUE(ReadBytes(copy, file));
  const ObjectRecord& r = copy.Object(0);
  EXPECT_EQ(std::strlen(copy.Header().EndText), 96u);
  EXPECT_EQ(std::strlen(r.Text), 990u);
  EXPECT_EQ(std::strlen(r.FontName), 31u);
  EXPECT_EQ(std::strlen(r.CharaText), 16u);
  EXPECT_EQ(std::strlen(r.CharaFontName), 31u);
  EXPECT_EQ(copy.Object(2).Picture, kNoPicture);
  copy.RemoveObject(2);  // must not release the first image's picture
  EXPECT_NE(copy.PictureOf(1), nullptr);
}

TEST_F(DataFileTest, AnUndecodablePayloadGivesAnImageWithoutAPicture) {
  QByteArray file = bytes;
  file.replace(RecordAt(4) + 4, 600, QByteArray(600, 'x'));
  Document copy;
  MessageRecorder recorder;
  ASSERT_TRUE(ReadBytes(copy, file));
  EXPECT_TRUE(recorder.messages.empty());
  EXPECT_EQ(copy.ObjCount(), 4);
  EXPECT_EQ(copy.PictureOf(1), nullptr);
  EXPECT_EQ(copy.PictureOf(3)->Save(), bmp400);
  const QByteArray again = FileBytes(copy);
  EXPECT_EQ(again.mid(RecordAt(4), 4), QByteArray(4, '\0'));
  EXPECT_EQ(again.size(), bytes.size() - 600);
}

// ---- failed writes ----

TEST_F(DataFileTest, AFullDiskIsAFailedWrite) {
  const Document empty;  // small enough to stay in the write buffer until the flush
  for (const Document* d : {static_cast<const Document*>(&doc), &empty}) {
    QFile full("/dev/full");
    ASSERT_TRUE(full.open(QIODevice::WriteOnly));
    EXPECT_FALSE(WriteDataFile(*d, full));
  }
  EXPECT_FALSE(WriteDataFile(doc, QDir::tempPath() + "/no/such/folder/Data.dat"));
}

TEST_F(DataFileTest, ASaveThatRunsOutOfRoomKeepsThePreviousFile) {
  Document small;
  Document otherSmall;
  otherSmall.Header().SlideCount = 3;
  // A large file is written straight through; a small one is cut short only
  // when the last buffered bytes go out.
  const struct {
    const char* name;
    const Document& next;
    qint64 limit;
  } cases[] = {
      {"large", doc, 8192},
      {"small", otherSmall, FileBytes(small).size() / 2},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    QTemporaryDir dir;
    const QString path = dir.filePath("Data.dat");
    ASSERT_TRUE(WriteDataFile(small, path));
    bool saved = true;
    {
      FileSizeLimit full(c.limit);
      saved = WriteDataFile(c.next, path);
    }
    EXPECT_FALSE(saved);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), FileBytes(small));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"Data.dat"});
  }
}

}  // namespace
