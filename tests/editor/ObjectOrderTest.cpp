#include "editor/ObjectOrder.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/editor/EditorFixtures.h"

namespace {

// One letter per record, by ObjNo, in table order; selected ones in capitals.
std::string Order(const Document& doc) {
  std::string s;
  for (int i = 0; i < doc.ObjCount(); ++i) {
    const char c = static_cast<char>('a' + doc.Object(i).ObjNo - 1);
    s += doc.View(i).Selected ? static_cast<char>(c - 'a' + 'A') : c;
  }
  return s;
}

Document Make(const std::string& pattern) {
  Document doc;
  editorfixtures::Reset(doc);
  for (char c : pattern) editorfixtures::Add(doc, editorfixtures::Rect(objclass::Figure, 1, QRect(0, 0, 9, 9)), c == 'x');
  return doc;
}

TEST(ObjectOrderTest, FrontAndBackKeepTheOrderWithinEachGroup) {
  struct Case {
    const char* pattern;
    bool front;
    const char* expected;
    bool changed;
    int primary;
  };
  const Case cases[] = {
      {"xoxoo", true, "bdeAC", true, 4},
      {"xoxoo", false, "ACbde", true, 0},
      {"ooxx", true, "abCD", false, 3},  // already at the front
      {"xxoo", false, "ABcd", false, 0},
      {"oooox", false, "Eabcd", true, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.pattern) + (c.front ? " front" : " back"));
    Document doc = Make(c.pattern);
    int primary = 0;
    EXPECT_EQ(c.front ? BringToFront(doc, primary) : SendToBack(doc, primary), c.changed);
    EXPECT_EQ(Order(doc), c.expected);
    EXPECT_EQ(primary, c.primary);
  }
}

TEST(ObjectOrderTest, SwapExchangesTheFirstTwoSelectedHoweverFarApart) {
  Document doc = Make("oxoooox");
  EXPECT_TRUE(SwapFrontBack(doc));
  EXPECT_EQ(Order(doc), "aGcdefB");
  Document one = Make("ooxo");
  EXPECT_FALSE(SwapFrontBack(one));
  EXPECT_EQ(Order(one), "abCd");
}

TEST(ObjectOrderTest, NothingWithoutAPrimary) {
  Document doc = Make("xo");
  int primary = -1;
  EXPECT_FALSE(BringToFront(doc, primary));
  EXPECT_EQ(Order(doc), "Ab");
}

}  // namespace
