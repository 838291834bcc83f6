#include "render/MakeFont.h"

#include <gtest/gtest.h>

#include <QFont>

#include "base/Cp932.h"

namespace {

TEST(MakeFont, HeightFollowsPointsAndDeviceResolution) {
  EXPECT_EQ(MakeFont("X", 12, false, false, false, false, 0, 96).height, -16);
  EXPECT_EQ(MakeFont("X", 10, false, false, false, false, 0, 96).height, -13);  // 13.33
  EXPECT_EQ(MakeFont("X", 9, false, false, false, false, 0, 96).height, -12);
  EXPECT_EQ(MakeFont("X", 12, false, false, false, false, 0, 600).height, -100);
}

TEST(MakeFont, PointsBelowTwoAreRaisedToTwo) {
  const int two = MakeFont("X", 2, false, false, false, false, 0, 96).height;
  EXPECT_EQ(two, -3);  // 2.67 rounds to 3
  EXPECT_EQ(MakeFont("X", 1, false, false, false, false, 0, 96).height, two);
  EXPECT_EQ(MakeFont("X", 0, false, false, false, false, 0, 96).height, two);
  EXPECT_EQ(MakeFont("X", -5, false, false, false, false, 0, 96).height, two);
}

TEST(MakeFont, EmptyFaceIsTheDefaultUiFace) {
  EXPECT_EQ(MakeFont("", 12, false, false, false, false, 0, 96).face, "Meiryo UI");
  EXPECT_EQ(MakeFont(QString::fromUtf8("ＭＳ 明朝"), 12, false, false, false, false, 0, 96).face,
            QString::fromUtf8("ＭＳ 明朝"));
}

TEST(MakeFont, LongFaceIsCutToThirtyOneBytesOnACharacterBoundary) {
  const QString face = QString::fromUtf8("あいうえおかきくけこさしすせそたち");  // 34 bytes
  const LogFont lf = MakeFont(face, 12, false, false, false, false, 0, 96);
  EXPECT_EQ(lf.face, QString::fromUtf8("あいうえおかきくけこさしすせそ"));  // 30 bytes
  EXPECT_LE(EncodeCp932(lf.face)->size(), 31);
}

TEST(MakeFont, StyleAndAngle) {
  const LogFont plain = MakeFont("X", 12, false, false, false, false, 0, 96);
  EXPECT_EQ(plain.weight, 400);
  EXPECT_FALSE(plain.italic || plain.strikeOut || plain.underline);
  const LogFont all = MakeFont("X", 12, true, true, true, true, 45, 96);
  EXPECT_EQ(all.weight, 700);
  EXPECT_TRUE(all.italic && all.strikeOut && all.underline);
  EXPECT_EQ(all.escapement, 450);
  EXPECT_EQ(all.width, 0);

  const QFont qf = ToQFont(all);
  EXPECT_EQ(qf.pixelSize(), 16);
  EXPECT_TRUE(qf.bold());
  EXPECT_TRUE(qf.italic() && qf.strikeOut() && qf.underline());
}

}  // namespace
