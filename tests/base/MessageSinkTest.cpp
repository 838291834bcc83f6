#include "base/MessageSink.h"

#include <gtest/gtest.h>

#include "MessageRecorder.h"
#include "base/StringTable.h"

namespace {

TEST(StringTable, HoldsTheMessagesTheTitleAndTheHistory) {
  EXPECT_EQ(AppTitle(), "Tessaly");
  EXPECT_EQ(*LoadString(30019), QString::fromUtf8("ファイル形式が異なります"));
  EXPECT_EQ(*LoadString(30163),
            QString::fromUtf8("オブジェクトの数が制限(10,000)を超えました\nこれ以上、セットできません"));
  EXPECT_EQ(*LoadString(30001), QString::fromUtf8("メモリの確保に失敗しました"));
  for (int id = IDS_HISTORY_FIRST; id <= IDS_HISTORY_LAST; ++id) {
    ASSERT_TRUE(LoadString(id).has_value()) << id;
    EXPECT_TRUE(LoadString(id)->startsWith("Ver. ")) << id;
  }
  EXPECT_FALSE(LoadString(30000).has_value());
  EXPECT_FALSE(LoadString(30007).has_value());
}

TEST(ShowMessage, UnknownIdShowsNothingAndReturnsZero) {
  MessageRecorder recorder;
  EXPECT_EQ(ShowMessage(30007), 0);
  EXPECT_EQ(ShowMessage(-1), 0);
  EXPECT_TRUE(recorder.messages.empty());
}

TEST(ShowMessage, PassesIdPrefixAndStyleAndReturnsTheAnswer) {
  MessageRecorder recorder;
  recorder.answers = {IDYES};
  EXPECT_EQ(ShowMessage(30022, nullptr, QString(), MsgStyle::YesNo), IDYES);
  EXPECT_EQ(ShowMessage(30018, nullptr, "/tmp/a.tvl\n"), IDOK);
  ASSERT_EQ(recorder.messages.size(), 2u);
  EXPECT_EQ(recorder.messages[0].id, 30022);
  EXPECT_EQ(recorder.messages[0].style, MsgStyle::YesNo);
  EXPECT_EQ(recorder.messages[1].prefix, "/tmp/a.tvl\n");
  EXPECT_EQ(recorder.messages[1].style, MsgStyle::Error);
  EXPECT_EQ(recorder.texts[1], QString::fromUtf8("ファイルの保存に失敗"));
}

TEST(ShowMessage, NestedSinksRestoreTheOuterOne) {
  MessageRecorder outer;
  {
    MessageRecorder inner;
    ShowMessage(30019);
    EXPECT_EQ(inner.Ids(), std::vector<int>{30019});
  }
  ShowMessage(30020);
  EXPECT_EQ(outer.Ids(), std::vector<int>{30020});
}

}  // namespace
