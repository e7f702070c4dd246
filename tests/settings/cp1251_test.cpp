#include "settings/cp1251.h"

#include <gtest/gtest.h>

namespace tarvel {
namespace {

TEST(Cp1251, EveryDefinedByteSurvivesUtf8) {
  std::string all;
  for (int b = 1; b < 256; ++b) {
    if (b != 0x98) all += static_cast<char>(b);
  }
  EXPECT_EQ(Utf8ToCp1251(Cp1251ToUtf8(all)), all);
}

TEST(Cp1251, KnownTexts) {
  EXPECT_EQ(Utf8ToCp1251("Ёлка и ёж, №5 — «ок» €"), "\xA8\xEB\xEA\xE0 \xE8 \xB8\xE6, \xB9" "5 \x97 \xAB\xEE\xEA\xBB \x88");
  EXPECT_EQ(Cp1251ToUtf8("\xC8\xE3\xF0\xEE\xEA"), "Игрок");
  EXPECT_EQ(Cp1251ToUtf8("\x98"), "\xEF\xBF\xBD");  // undefined in the code page
}

// Each character that the code page lacks, and each malformed sequence, becomes exactly one "?", and the
// text around it is kept.
TEST(Cp1251, OutsideAndMalformedBecomeQuestionMarks) {
  const std::pair<std::string, std::string> cases[] = {
      {"Straße", "Stra?e"},                 // ß is not in 1251
      {"中文 ok", "?? ok"},                  // three-byte characters
      {"a\xF0\x9F\x82\xA1z", "a?z"},         // a four-byte character (a playing card)
      {"a\x80z", "a?z"},                     // stray continuation byte
      {"a\xD0z", "a?z"},                     // sequence cut short: the next byte is kept
      {"a\xE2\x82", "a?"},                   // cut short by the end of the text
      {"\xC0\xAF", "??"},                    // overlong form: invalid lead, then a stray continuation
      {"\xED\xA0\x80", "?"},                 // a surrogate
      {"\xF5\x80\x80\x80", "????"},          // beyond U+10FFFF
      {"\xEF\xBF\xBD", "?"},                 // the replacement character itself
  };
  for (const auto& [utf8, expected] : cases) EXPECT_EQ(Utf8ToCp1251(utf8), expected) << utf8;
}

}  // namespace
}  // namespace tarvel
