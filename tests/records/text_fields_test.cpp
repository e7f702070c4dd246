#include "records/text_fields.h"

#include <gtest/gtest.h>

#include "records/cp1251.h"

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

TEST(RecordsTextFields, DecimalsPaddingAndLines) {
  EXPECT_EQ(ParseDecimal("   -12"), -12);
  EXPECT_EQ(ParseDecimal("  0"), 0);
  EXPECT_EQ(ParseDecimal("0000012345"), 12345);
  EXPECT_EQ(ParseDecimal("1 2"), std::nullopt);
  EXPECT_EQ(ParseDecimal("######"), std::nullopt);
  EXPECT_EQ(ParseDecimal("9999999999"), std::nullopt);
  EXPECT_EQ(ParseDecimal(""), std::nullopt);
  EXPECT_EQ(PadLeft("7", 3), "  7");
  EXPECT_EQ(PadRight("7", 3), "7  ");
  EXPECT_EQ(PadLeft("1234", 3), "1234");
  EXPECT_EQ(ZeroPadded(42, 5), "00042");
  EXPECT_EQ(ZeroPadded(1234567, 6), "234567");
  EXPECT_EQ(SplitLines("a\r\nb\nc"), (std::vector<std::string>{"a", "b", "c"}));
  EXPECT_EQ(SplitLines("a\r\n\r\n"), (std::vector<std::string>{"a", ""}));
  EXPECT_EQ(JoinLines({"a", "b"}), "a\r\nb\r\n");
  EXPECT_EQ(Field("abc", 5, 2), "");
  EXPECT_EQ(Trim("  a b  "), "a b");
}

}  // namespace
}  // namespace tarvel::records_text
