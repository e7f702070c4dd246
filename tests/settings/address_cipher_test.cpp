#include "settings/address_cipher.h"

#include <gtest/gtest.h>

namespace tarvel {
namespace {

TEST(AddressCipher, RoundTripAndStoredAlphabet) {
  std::string every_printable;
  for (char c = '!'; c <= '~'; ++c) every_printable += c;
  for (const std::string& plain : {std::string("http://127.0.0.1:8765/records"), std::string("x"), every_printable}) {
    const std::string stored = EncipherAddress(plain);
    EXPECT_EQ(stored.size(), plain.size() * 2 + 2);
    EXPECT_EQ(stored.find_first_not_of("0123456789ABCDEF"), std::string::npos) << stored;
    EXPECT_EQ(DecipherAddress(stored), plain);
    EXPECT_EQ(stored.find(plain), std::string::npos);  // not in plain sight
  }
}

TEST(AddressCipher, BuiltInAddressesPointAtTheLocalServices) {
  EXPECT_EQ(DecipherAddress(kBuiltInRecordsServiceAddress), "http://127.0.0.1:8765/records");
  EXPECT_EQ(DecipherAddress(kBuiltInStatsServiceAddress), "http://127.0.0.1:8765/stats");
  EXPECT_EQ(DecipherAddress(kBuiltInAccountServiceAddress), "http://127.0.0.1:8765/accounts");
  EXPECT_EQ(DecipherAddress(kBuiltInRemoteConfigurationAddress), "http://127.0.0.1:8765/config.txt");
}

TEST(AddressCipher, MalformedStoredFormsAreRefused) {
  const std::string good = EncipherAddress("http://club.example/");
  std::string flipped = good;
  flipped[5] = flipped[5] == '0' ? '1' : '0';
  for (const std::string& bad : {std::string(""), std::string("00"), good.substr(1), good.substr(0, good.size() - 2),
                                good + "0", flipped, std::string("ZZ") + good.substr(2), std::string("http://x/")}) {
    EXPECT_FALSE(DecipherAddress(bad).has_value()) << bad;
  }
  EXPECT_FALSE(DecipherAddress(good, kAddressKey + 1).has_value());  // another key
  EXPECT_EQ(DecipherAddress(EncipherAddress("a b")), std::nullopt);  // not an address
  std::string lower = good;
  for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  EXPECT_EQ(DecipherAddress(lower), "http://club.example/");  // hand-typed lower case is accepted
}

}  // namespace
}  // namespace tarvel
