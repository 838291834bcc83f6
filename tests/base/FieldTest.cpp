#include "base/Field.h"

#include <gtest/gtest.h>

namespace {

struct FieldCase {
  const char* text;
  int n;
  const char* separator;
  const char* expected;
};

TEST(Field, CutsAtEverySeparator) {
  const FieldCase cases[] = {
      {"a,b,c", 1, ",", "a"},     {"a,b,c", 2, ",", "b"},   {"a,b,c", 3, ",", "c"},
      {"a,b,c", 4, ",", ""},      {"a,b,c", 0, ",", ""},    {"a,b,c", -1, ",", ""},
      {"", 1, ",", ""},           {"abc", 1, ",", "abc"},   {"abc", 2, ",", ""},
      {",x,", 1, ",", ""},        {",x,", 2, ",", "x"},     {",x,", 3, ",", ""},
      {"a<>b<>c", 2, "<>", "b"},  {"a<>b<>c", 3, "<>", "c"}, {"a<b<>c", 1, "<>", "a<b"},
      {"a,b", 1, "", "a,b"},      {"a,b", 2, "", ""},
  };
  for (const FieldCase& c : cases) {
    SCOPED_TRACE(testing::Message() << '"' << c.text << "\" " << c.n << " '" << c.separator << "'");
    EXPECT_EQ(Field(c.text, c.n, c.separator), QString(c.expected));
  }
}

}  // namespace
