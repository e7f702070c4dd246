#include "records/text_fields.h"

#include <gtest/gtest.h>

namespace tarvel::records_text {
namespace {

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
