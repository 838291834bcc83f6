#include "app/VersionHistory.h"

#include <gtest/gtest.h>

#include <QRegularExpression>

TEST(VersionHistoryTest, EightReleasesNewestFirstEachInTheReleaseForm) {
  const QStringList lines = VersionHistory();
  ASSERT_EQ(lines.size(), 8);
  const QRegularExpression form(R"(^Ver\. (\d+)\.(\d+) \d{4}\.\d{1,2}\.\d{1,2} \S.*$)");
  int newer = 1 << 30;
  for (const QString& line : lines) {
    const QRegularExpressionMatch m = form.match(line);
    ASSERT_TRUE(m.hasMatch()) << line.toStdString();
    const int version = m.captured(1).toInt() * 100 + m.captured(2).toInt();
    EXPECT_LT(version, newer) << line.toStdString();
    newer = version;
  }
  EXPECT_FALSE(BuiltVersion().isEmpty());
}
