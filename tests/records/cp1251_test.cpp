#include "records/cp1251.h"

#include <gtest/gtest.h>

namespace tarvel::records_text {
namespace {

TEST(RecordsCp1251, ConvertsBothWays) {
  const struct {
    std::string utf8;
    std::string cp1251;
  } cases[] = {
      {"Tarvel", "Tarvel"},
      {"Ёлка ёж №1",
       "\xA8\xEB\xEA\xE0 \xB8\xE6 \xB9"
       "1"},
      {"АЯая", "\xC0\xDF\xE0\xFF"},
      {"€—«»", "\x88\x97\xAB\xBB"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Utf8ToCp1251(c.utf8), c.cp1251) << c.utf8;
    EXPECT_EQ(Cp1251ToUtf8(c.cp1251), c.utf8) << c.utf8;
  }
  // What the code page lacks and malformed UTF-8 become one "?" each.
  EXPECT_EQ(Utf8ToCp1251("中文"), "??");
  EXPECT_EQ(Utf8ToCp1251("a\xC3"), "a?");
  EXPECT_EQ(Utf8ToCp1251("\xC0\xAF"), "??");        // overlong
  EXPECT_EQ(Utf8ToCp1251("\xED\xA0\x80"), "???");   // a surrogate
  EXPECT_EQ(Cp1251ToUtf8("\x98"), "\xEF\xBF\xBD");  // the undefined byte
}

}  // namespace
}  // namespace tarvel::records_text
