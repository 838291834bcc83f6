#include "core/container/CabinetCheck.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "ContainerTestUtil.h"

namespace {

std::vector<std::uint8_t> ToVector(const QByteArray& bytes) {
  return {bytes.begin(), bytes.end()};
}

// A cabinet made by the gcab tool with one MSZIP member "m.bin".
QByteArray ToolCabinet(const QByteArray& content) {
  QTemporaryDir dir;
  WriteBytes(dir.filePath("m.bin"), content);
  const ToolRun run = RunTool("gcab", {"-c", "-z", "out.cab", "m.bin"}, dir.path());
  EXPECT_EQ(run.exitCode, 0) << run.output.toStdString();
  return ReadBytes(dir.filePath("out.cab"));
}

TEST(IsSafeMemberName, RefusesNamesThatLeaveTheFolder) {
  for (const char* bad : {"../x", "/etc/x", "a/../../x", "..\\x", "\\x", "a\\..\\..\\x", "..",
                          "", "sub/", "sub\\"}) {
    EXPECT_FALSE(cab::IsSafeMemberName(bad)) << bad;
  }
  for (const char* good : {"talk.tvl", "sub/talk.tvl", "sub\\talk.tvl", "a..b", "..x", "./x"}) {
    EXPECT_TRUE(cab::IsSafeMemberName(good)) << good;
  }
}

TEST(CheckCabinet, AcceptsAToolCabinetAndListsItsMember) {
  const QByteArray cab = ToolCabinet(MixedBytes(100000, 7));
  const cab::CabinetCheck check = cab::CheckCabinet(ToVector(cab));
  ASSERT_EQ(check.status, cab::CheckStatus::Ok) << check.error;
  ASSERT_EQ(check.members.size(), 1u);
  EXPECT_EQ(check.members[0].name, "m.bin");
  EXPECT_EQ(check.members[0].size, 100000u);
}

TEST(CheckCabinet, RefusesEveryTruncationAndGarbage) {
  const QByteArray cab = ToolCabinet(MixedBytes(5000, 3));
  for (qsizetype n = 0; n < cab.size(); ++n) {
    EXPECT_EQ(cab::CheckCabinet(ToVector(cab.left(n))).status, cab::CheckStatus::Malformed) << n;
  }
  EXPECT_EQ(cab::CheckCabinet(ToVector(MixedBytes(4096, 9))).status, cab::CheckStatus::Malformed);
}

// Field offsets of a cabinet with one folder, no reserved areas: CFFOLDER at
// 36, its first CFDATA at the offset stored there.
TEST(CheckCabinet, RefusesFieldsOutsideTheirLimits) {
  const QByteArray good = ToolCabinet(MixedBytes(3000, 5));
  const auto dataAt = static_cast<qsizetype>(static_cast<quint8>(good[36]) |
                                             static_cast<quint8>(good[37]) << 8);
  struct Patch {
    const char* what;
    qsizetype offset;
    quint16 value;
  };
  const Patch patches[] = {
      {"block larger than the decoder's 32 KiB", dataAt + 6, 40000},
      {"compressed block past the end", dataAt + 4, 60000},
      {"folder data outside the file", 36, 60000},
      {"multi-cabinet set", 30, 0x0002},
      {"member in a missing folder", 44 + 8, 3},
      {"member larger than its folder", 44, 60000},
      {"unsupported compression (Quantum)", 42, 2},
  };
  for (const Patch& p : patches) {
    QByteArray bad = good;
    bad[p.offset] = static_cast<char>(p.value & 0xFF);
    bad[p.offset + 1] = static_cast<char>(p.value >> 8);
    EXPECT_EQ(cab::CheckCabinet(ToVector(bad)).status, cab::CheckStatus::Malformed) << p.what;
  }
}

TEST(CheckCabinet, ReportsAnUnsafeMemberName) {
  QByteArray cab = ToolCabinet("data");
  cab.replace("m.bin", "../xx");
  EXPECT_EQ(cab::CheckCabinet(ToVector(cab)).status, cab::CheckStatus::UnsafeName);
}

}  // namespace
