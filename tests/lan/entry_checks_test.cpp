#include "lan/entry_checks.h"

#include <gtest/gtest.h>

namespace tarvel {
namespace {

TEST(EntryChecks, AddressesTheConfirmationAccepts) {
  struct Case {
    const char* text;
    bool valid;
  } cases[] = {
      {"192.168.0.1", true}, {"1.2.3.4", true},     {"127.0.0.1", true},   {"192.168.1", false},
      {"1.2.3.4.", false},   {"1.2.3.", false},     {"1.2.3.4.5", false},  {"1234.1.1.1", false},
      {"1..2.3", false},     {".1.2.3", false},     {"", false},           {"999.999.999.999", true},
  };
  for (const Case& c : cases) EXPECT_EQ(AddressLooksValid(c.text), c.valid) << c.text;
}

TEST(EntryChecks, WhatTheEntriesTakeWhileTyping) {
  EXPECT_TRUE(AddressTextAllowed("10.0."));
  EXPECT_TRUE(AddressTextAllowed(""));
  EXPECT_FALSE(AddressTextAllowed("10.0.a"));
  EXPECT_FALSE(AddressTextAllowed("10 0"));
  EXPECT_TRUE(PortTextAllowed("25666"));
  EXPECT_FALSE(PortTextAllowed("2566a"));
  EXPECT_FALSE(PortTextAllowed("25.6"));
}

TEST(EntryChecks, PortNumbers) {
  EXPECT_EQ(PortNumber("25666"), 25666);
  EXPECT_EQ(PortNumber("1"), 1);
  EXPECT_EQ(PortNumber("65535"), 65535);
  EXPECT_FALSE(PortNumber(""));
  EXPECT_FALSE(PortNumber("0"));
  EXPECT_FALSE(PortNumber("65536"));
  EXPECT_FALSE(PortNumber("99999"));
}

}  // namespace
}  // namespace tarvel
