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

TEST(Cp1251, ConvertsBothWays) {
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
}

TEST(Cp1251, KnownTexts) {
  EXPECT_EQ(Utf8ToCp1251("Ёлка и ёж, №5 — «ок» €"), "\xA8\xEB\xEA\xE0 \xE8 \xB8\xE6, \xB9" "5 \x97 \xAB\xEE\xEA\xBB \x88");
  EXPECT_EQ(Cp1251ToUtf8("\xC8\xE3\xF0\xEE\xEA"), "Игрок");
  EXPECT_EQ(Cp1251ToUtf8("\x98"), "\xEF\xBF\xBD");  // undefined in the code page
}

// Each character that the code page lacks becomes exactly one "?", and so does each malformed piece: the
// longest part of a bad sequence that could still begin a well-formed one, or else a single byte. The text
// around it is kept.
TEST(Cp1251, OutsideAndMalformedBecomeQuestionMarks) {
  const std::pair<std::string, std::string> cases[] = {
      {"Straße", "Stra?e"},                 // ß is not in 1251
      {"中文 ok", "?? ok"},                  // three-byte characters
      {"a\xF0\x9F\x82\xA1z", "a?z"},         // a four-byte character (a playing card)
      {"a\x80z", "a?z"},                     // stray continuation byte
      {"a\xD0z", "a?z"},                     // sequence cut short: the next byte is kept
      {"a\xE2\x82", "a?"},                   // cut short by the end of the text
      {"a\xC3", "a?"},                       // a two-byte sequence cut short likewise
      {"a\xE2\x82z", "a?z"},                 // cut short inside the text: one piece, not one a byte
      {"\xC0\xAF", "??"},                    // overlong form: invalid lead, then a stray continuation
      {"\xE0\x80\x80", "???"},               // overlong three-byte form: no valid one begins E0 80
      {"\xED\xA0\x80", "???"},               // a surrogate: no valid sequence begins ED A0
      {"\xF5\x80\x80\x80", "????"},          // beyond U+10FFFF
      {"\xF4\x90\x80\x80", "????"},          // beyond U+10FFFF, with a lead that begins valid ones
      {"\xEF\xBF\xBD", "?"},                 // the replacement character itself
  };
  for (const auto& [utf8, expected] : cases) EXPECT_EQ(Utf8ToCp1251(utf8), expected) << utf8;
}

}  // namespace
}  // namespace tarvel
