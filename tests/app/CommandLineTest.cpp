#include "app/CommandLine.h"

#include <gtest/gtest.h>

namespace {

TEST(CommandLine, ReadsOptionsAndOneDocument) {
  EXPECT_TRUE(ParseCommandLine({"Tessaly", "--help"}).help);
  EXPECT_TRUE(ParseCommandLine({"Tessaly", "-v"}).version);
  const CommandLine open = ParseCommandLine({"Tessaly", "/home/u/発表.tvl"});
  EXPECT_EQ(open.document, QString::fromUtf8("/home/u/発表.tvl"));
  EXPECT_TRUE(open.error.isEmpty());
  EXPECT_TRUE(ParseCommandLine({"Tessaly"}).document.isEmpty());
}

TEST(CommandLine, RefusesUnknownOptionsAndASecondDocument) {
  EXPECT_FALSE(ParseCommandLine({"Tessaly", "--frobnicate"}).error.isEmpty());
  EXPECT_FALSE(ParseCommandLine({"Tessaly", "a.tvl", "b.tvl"}).error.isEmpty());
}

TEST(CommandLine, MakeSampleTakesAnOutputAndNoDocument) {
  const CommandLine sample = ParseCommandLine({"Tessaly", "--make-sample", "out.tvl"});
  EXPECT_EQ(sample.makeSamplePath, "out.tvl");
  EXPECT_TRUE(sample.error.isEmpty());
  EXPECT_TRUE(sample.Batch());
  EXPECT_TRUE(sample.NeedsFonts());
  EXPECT_FALSE(ParseCommandLine({"Tessaly", "--make-sample"}).error.isEmpty());
  EXPECT_FALSE(ParseCommandLine({"Tessaly", "--make-sample", "out.tvl", "in.tvl"}).error.isEmpty());
  EXPECT_FALSE(ParseCommandLine({"Tessaly", "--make-sample", "out.tvl", "--info", "in.tvl"}).error.isEmpty());
}

TEST(CommandLine, RehearseTakesOneDocumentAndNeedsTheWindowSystem) {
  const CommandLine rehearse = ParseCommandLine({"Tessaly", "--rehearse", "talk.tvl"});
  EXPECT_TRUE(rehearse.rehearse);
  EXPECT_EQ(rehearse.document, "talk.tvl");
  EXPECT_TRUE(rehearse.error.isEmpty());
  EXPECT_FALSE(rehearse.Batch());
  EXPECT_FALSE(ParseCommandLine({"Tessaly", "--rehearse"}).error.isEmpty());
  EXPECT_FALSE(ParseCommandLine({"Tessaly", "--rehearse", "--show", "talk.tvl"}).error.isEmpty());
}

}  // namespace
