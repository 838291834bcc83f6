#include "app/Batch.h"

#include <gtest/gtest.h>

#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <cstdio>

#include "AppFixtures.h"
#include "app/CommandLine.h"

namespace {

struct Output {
  int code;
  QByteArray out, err;
};

Output RunTessaly(const QStringList& args) {
  std::FILE* out = std::tmpfile();
  std::FILE* err = std::tmpfile();
  Output o;
  o.code = RunBatch(ParseCommandLine(QStringList{"Tessaly"} + args), out, err);
  for (auto [f, bytes] : {std::pair{out, &o.out}, std::pair{err, &o.err}}) {
    std::rewind(f);
    char buf[4096];
    while (size_t n = std::fread(buf, 1, sizeof buf, f)) bytes->append(buf, n);
    std::fclose(f);
  }
  return o;
}

TEST(Batch, InfoSummarisesTheDocument) {
  QTemporaryDir dir;
  ASSERT_TRUE(appfixtures::SaveSample(dir.filePath("talk.tvl")));
  const Output o = RunTessaly({"--info", dir.filePath("talk.tvl")});
  ASSERT_EQ(o.code, 0) << o.err.toStdString();
  const QJsonObject info = QJsonDocument::fromJson(o.out).object();
  EXPECT_EQ(info["slides"].toInt(), 2);
  EXPECT_EQ(info["objects"].toInt(), 3);
  EXPECT_EQ(info["objectsPerSlide"].toVariant().toList(), (QVariantList{2, 1}));
  EXPECT_EQ(info["objectsPerKind"].toObject()["Line"].toInt(), 1);
  EXPECT_EQ(info["objectsPerKind"].toObject()["Ellipse"].toInt(), 1);
  EXPECT_EQ(info["objectsPerKind"].toObject()["Image"].toInt(), 1);
  EXPECT_EQ(info["pictures"].toInt(), 1);
  EXPECT_EQ(info["pictureBytes"].toInt(), 1000);
  EXPECT_GT(info["slideWidth"].toInt(), 0);
}

TEST(Batch, InfoOnARefusedFileFailsWithTheMessage) {
  const Output o = RunTessaly({"--info", "/no/such/file.tvl"});
  EXPECT_NE(o.code, 0);
  EXPECT_EQ(QString::fromUtf8(o.err).trimmed(), QString::fromUtf8("ファイルが見つかりません"));
  EXPECT_TRUE(o.out.isEmpty());
}

TEST(Batch, SaveAsWritesACopyThatOpens) {
  QTemporaryDir dir;
  ASSERT_TRUE(appfixtures::SaveSample(dir.filePath("in.tvl")));
  ASSERT_EQ(RunTessaly({"--save-as", dir.filePath("out.tvl"), dir.filePath("in.tvl")}).code, 0);
  const Output o = RunTessaly({"--info", dir.filePath("out.tvl")});
  ASSERT_EQ(o.code, 0);
  EXPECT_EQ(QJsonDocument::fromJson(o.out).object()["objects"].toInt(), 3);
}

TEST(Batch, BadArgumentsExplainThemselves) {
  EXPECT_EQ(RunTessaly({"--info"}).code, 2);
  EXPECT_EQ(RunTessaly({"--save-as"}).code, 2);
  EXPECT_EQ(RunTessaly({"--bogus"}).code, 2);
  const Output help = RunTessaly({"--help"});
  EXPECT_EQ(help.code, 0);
  EXPECT_TRUE(help.out.contains("--save-as"));
}

}  // namespace
