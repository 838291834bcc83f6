#include "geometry/ConsoleCentre.h"

#include <gtest/gtest.h>

namespace {

TEST(ConsoleCentre, StaysInsideTheClientArea) {
  EXPECT_EQ(ClampConsoleCentre({10, 500}, QSize(800, 600)), QPoint(70, 500));
  EXPECT_EQ(ClampConsoleCentre({790, 590}, QSize(800, 600)), QPoint(730, 530));
  EXPECT_EQ(ClampConsoleCentre({300, 300}, QSize(800, 600)), QPoint(300, 300));
}

// A window made small and large again brings the console back where the user put it.
TEST(ConsoleCentre, TheStoredCentreIsKeptWhileTheWindowIsSmall) {
  DocHeader h{};
  h.ConsoleX = 700;
  h.ConsoleY = 500;
  EXPECT_EQ(ConsoleCentre(h, QSize(400, 300)), QPoint(330, 230));
  EXPECT_EQ(ConsoleCentre(h, QSize(1000, 800)), QPoint(700, 500));
}

}  // namespace
