#include "show/package/PackageReader.h"

#include <gtest/gtest.h>


#include "show/package/PlayerMessageIds.h"

namespace {

QByteArray Word(std::uint32_t v) {
  QByteArray out;
  AppendBigEndian(out, v);
  return out;
}

// A package of a pretend player and `jpegs`, with its parts open to damage.
struct PackageBytes {
  QByteArray player = "PLAYER-BYTES";
  PackageShow show;
  std::vector<QByteArray> jpegs{"JPEG-ONE", "JPEG-TWO!"};
  std::vector<std::uint32_t> times{5, 0x10007};
  std::vector<std::uint32_t> patterns{1, 20};

  QByteArray Data() const {
    PackageShow s = show;
    s.slideCount = static_cast<std::uint32_t>(jpegs.size());
    QByteArray data = ShowDataHead(s);
    for (std::size_t i = 0; i < jpegs.size(); ++i)
      data += SlideRecordHead(times[i], patterns[i], static_cast<std::uint32_t>(jpegs[i].size())) + jpegs[i];
    return data;
  }
  QByteArray Bytes() const { return player + Data() + PackageTrailer(static_cast<std::uint32_t>(player.size())); }
};

TEST(PackageReader, ReadsBackWhatTheWriterWrote) {
  PackageBytes p;
  p.show.menuMode = 3;
  p.show.repeatOnce = 0;
  p.show.noEnlarge = true;
  p.show.endText = QByteArray("Thanks@bye");
  const QByteArray bytes = p.Bytes();
  EXPECT_EQ(bytes.right(8).toHex(), QByteArray("054627c0") + Word(12).toHex());
  EXPECT_EQ(ReadBigEndian(bytes.constData() + 12), 2u) << "the slide count lies at P";

  const Result<ShowPackage> read = ReadShowPackage(bytes);
  ASSERT_TRUE(read);
  EXPECT_EQ(read->show.slideCount, 2u);
  EXPECT_EQ(read->show.menuMode, 3u);
  EXPECT_EQ(read->show.repeatOnce, 0u);
  EXPECT_TRUE(read->show.noEnlarge);
  EXPECT_FALSE(read->show.autoSwitch);
  ASSERT_EQ(read->show.endText.size(), kEndTextSize);
  EXPECT_EQ(read->show.endText, QByteArray("Thanks@bye") + QByteArray(kEndTextSize - 10, '\0'));
  ASSERT_EQ(read->slides.size(), 2u);
  EXPECT_EQ(read->slides[0].time, 5);
  EXPECT_EQ(read->slides[0].pattern, 1);
  EXPECT_EQ(read->slides[0].jpeg, "JPEG-ONE");
  EXPECT_EQ(read->slides[1].time, 7) << "only the low 16 bits are a time";
  EXPECT_EQ(read->slides[1].pattern, 20);
  EXPECT_EQ(read->slides[1].jpeg, "JPEG-TWO!");
}

TEST(PackageReader, OnlyTheCharacterOneTurnsAFlagOn) {
  const struct {
    char noEnlarge, autoSwitch;
    bool on1, on2;
  } cases[] = {{'1', '1', true, true}, {'0', '1', false, true}, {'Y', '\1', false, false}, {'\0', '1', false, true}};
  for (const auto& c : cases) {
    QByteArray bytes = PackageBytes().Bytes();
    bytes[12 + 12] = c.noEnlarge;
    bytes[12 + 13] = c.autoSwitch;
    const Result<ShowPackage> read = ReadShowPackage(bytes);
    ASSERT_TRUE(read);
    EXPECT_EQ(read->show.noEnlarge, c.on1) << c.noEnlarge;
    EXPECT_EQ(read->show.autoSwitch, c.on2) << c.autoSwitch;
  }
}

TEST(PackageReader, AnEmptyShowHasOnlyTheClosingScreen) {
  PackageBytes p;
  p.jpegs.clear();
  const Result<ShowPackage> read = ReadShowPackage(p.Bytes());
  ASSERT_TRUE(read);
  EXPECT_EQ(read->show.slideCount, 0u);
  EXPECT_TRUE(read->slides.empty());
}

// Each case damages a good package; none may be read past its end.
TEST(PackageReader, RefusesHostilePackages) {
  const QByteArray good = PackageBytes().Bytes();
  const qsizetype P = 12;
  const qsizetype firstLength = P + kShowDataHeadSize + 8;  // the first record's JPEG length
  const auto withWord = [&](qsizetype at, std::uint32_t v) { return QByteArray(good).replace(at, 4, Word(v)); };
  const auto withTrailerP = [&](std::uint32_t v) { return withWord(good.size() - 4, v); };
  PackageBytes many;
  many.jpegs.assign(101, "J");
  many.times.assign(101, 1);
  many.patterns.assign(101, 0);
  const struct {
    const char* name;
    QByteArray bytes;
    int message;
  } cases[] = {
      {"empty file", QByteArray(), playermsg::RunAlone},
      {"shorter than a trailer", good.right(7), playermsg::RunAlone},
      {"a bare player", PackageBytes().player, playermsg::RunAlone},
      {"trailer cut short", good.chopped(3), playermsg::RunAlone},
      {"P past the end", withTrailerP(static_cast<std::uint32_t>(good.size())), playermsg::NoMemory},
      {"P at 0xFFFFFFFF", withTrailerP(0xFFFFFFFF), playermsg::NoMemory},
      {"no room for the show settings", withTrailerP(static_cast<std::uint32_t>(good.size() - 8 - 110)),
       playermsg::NoMemory},
      {"101 slides", many.Bytes(), playermsg::NoMemory},
      {"slide count 0xFFFFFFFF", withWord(P, 0xFFFFFFFF), playermsg::NoMemory},
      {"one slide more than recorded", withWord(P, 3), playermsg::NoMemory},
      {"L past the end", withWord(firstLength, 1000), playermsg::NoMemory},
      {"L of 0xFFFFFFFF", withWord(firstLength, 0xFFFFFFFF), playermsg::NoMemory},
      {"L reaching into the trailer", withWord(firstLength, 8 + 12 + 9 + 1), playermsg::NoMemory},
  };
  for (const auto& c : cases) {
    const Result<ShowPackage> read = ReadShowPackage(c.bytes);
    ASSERT_FALSE(read) << c.name;
    EXPECT_EQ(read.error().id, c.message) << c.name;
  }
}

}  // namespace
