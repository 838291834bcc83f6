#include "base/Cp932.h"

#include <gtest/gtest.h>

#include "base/Field.h"

namespace {

struct Sample {
  const char* utf8;
  QByteArray cp932;
};

TEST(Cp932, RoundTripsTheCharactersThatDifferFromShiftJis) {
  const Sample samples[] = {
      {"～", QByteArray("\x81\x60", 2)},  // U+FF5E, not the wave dash of SHIFT_JIS
      {"①", QByteArray("\x87\x40", 2)},   // NEC special row
      {"ｱ", QByteArray("\xB1", 1)},
      {"ｶﾞ", QByteArray("\xB6\xDE", 2)},
      {"院", QByteArray("\x89\x40", 2)},
      {"ァ", QByteArray("\x83\x40", 2)},  // trail byte is '@'
      {"＼", QByteArray("\x81\x5F", 2)},
      {"abc", QByteArray("abc")},
  };
  for (const Sample& s : samples) {
    const QString text = QString::fromUtf8(s.utf8);
    SCOPED_TRACE(s.utf8);
    const std::optional<QByteArray> bytes = EncodeCp932(text);
    ASSERT_TRUE(bytes.has_value());
    EXPECT_EQ(*bytes, s.cp932);
    EXPECT_EQ(DecodeCp932(*bytes), text);
  }
}

TEST(Cp932, ReportsCharactersItCannotEncode) {
  qsizetype bad = -1;
  EXPECT_FALSE(EncodeCp932(QString::fromUtf8("ab😀c"), &bad).has_value());
  EXPECT_EQ(bad, 2);
  EXPECT_FALSE(EncodeCp932(QString::fromUtf8("한")).has_value());
}

TEST(Cp932, DecodesBrokenBytesWithoutLosingTheRest) {
  // A lone lead byte at the end and an invalid pair.
  EXPECT_EQ(DecodeCp932(QByteArray("a\x83", 2)), QString("a") + QChar(0xFFFD));
  EXPECT_EQ(DecodeCp932(QByteArray("\xA0z", 2)), QString(QChar(0xFFFD)) + "z");
}

TEST(Cp932, TruncationNeverSplitsADoubleByteCharacter) {
  const QByteArray bytes = *EncodeCp932(QString::fromUtf8("aァ院"));  // 61 83 40 89 40
  EXPECT_EQ(TruncateCp932(bytes, 0), QByteArray());
  EXPECT_EQ(TruncateCp932(bytes, 1), QByteArray("a"));
  EXPECT_EQ(TruncateCp932(bytes, 2), QByteArray("a"));
  EXPECT_EQ(TruncateCp932(bytes, 3), QByteArray("a\x83\x40", 3));
  EXPECT_EQ(TruncateCp932(bytes, 4), QByteArray("a\x83\x40", 3));
  EXPECT_EQ(TruncateCp932(bytes, 99), bytes);
  // A cut lead byte at the very end is dropped too.
  EXPECT_EQ(TruncateCp932(QByteArray("a\x83", 2), 5), QByteArray("a"));
}

TEST(Cp932, StoresIntoAFixedBufferWithItsTerminator) {
  char buf[6];
  std::memset(buf, 'x', sizeof buf);
  ASSERT_TRUE(StoreCp932(buf, sizeof buf, QString::fromUtf8("ァァァ")));
  EXPECT_EQ(QByteArray(buf, sizeof buf), QByteArray("\x83\x40\x83\x40\0\0", 6));
  EXPECT_EQ(DecodeCp932Buffer(buf, sizeof buf), QString::fromUtf8("ァァ"));

  EXPECT_FALSE(StoreCp932(buf, sizeof buf, QString::fromUtf8("😀")));
  EXPECT_EQ(QByteArray(buf, sizeof buf), QByteArray("\x83\x40\x83\x40\0\0", 6));

  // Bytes already encoded are cut the same way, and what was there before is cleared.
  std::memset(buf, 'x', sizeof buf);
  StoreCp932Bytes(buf, sizeof buf, QByteArray("ab\x83\x40\x83\x40", 6));
  EXPECT_EQ(QByteArray(buf, sizeof buf), QByteArray("ab\x83\x40\0\0", 6));

  const char unterminated[3] = {'a', 'b', 'c'};
  EXPECT_EQ(DecodeCp932Buffer(unterminated, 3), QString("abc"));
}

TEST(Cp932, ClosingMessageSplitsAtAtSignsOnCharactersNotBytes) {
  // "ァ@イ": the first character's trail byte is 0x40 too.
  const QByteArray stored("\x83\x40@\x83\x43", 5);
  const QString text = DecodeCp932(stored);
  EXPECT_EQ(Field(text, 1, "@"), QString::fromUtf8("ァ"));
  EXPECT_EQ(Field(text, 2, "@"), QString::fromUtf8("イ"));
  EXPECT_EQ(Field(text, 3, "@"), QString());
}

}  // namespace
