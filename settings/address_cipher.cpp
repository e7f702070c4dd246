#include "settings/address_cipher.h"

namespace tarvel {
namespace {

// xorshift32; a zero key would stick at zero, so it is replaced by a fixed odd constant.
class Keystream {
 public:
  explicit Keystream(std::uint32_t key) : state_(key != 0 ? key : 0x9E3779B9u) {}
  std::uint8_t Next() {
    state_ ^= state_ << 13;
    state_ ^= state_ >> 17;
    state_ ^= state_ << 5;
    return static_cast<std::uint8_t>(state_ & 0xFF);
  }

 private:
  std::uint32_t state_;
};

constexpr char kHex[] = "0123456789ABCDEF";

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

void AppendHex(std::string& out, std::uint8_t byte) {
  out += kHex[byte >> 4];
  out += kHex[byte & 0x0F];
}

}  // namespace

std::string EncipherAddress(std::string_view plain, std::uint32_t key) {
  Keystream stream(key);
  std::string out;
  out.reserve(plain.size() * 2 + 2);
  std::uint8_t sum = 0;
  for (char c : plain) {
    const auto byte = static_cast<std::uint8_t>(c);
    AppendHex(out, byte ^ stream.Next());
    sum = static_cast<std::uint8_t>(sum + byte);
  }
  AppendHex(out, sum ^ stream.Next());
  return out;
}

std::optional<std::string> DecipherAddress(std::string_view enciphered, std::uint32_t key) {
  if (enciphered.size() < 4 || enciphered.size() % 2 != 0) return std::nullopt;
  Keystream stream(key);
  std::string plain;
  plain.reserve(enciphered.size() / 2);
  std::uint8_t sum = 0;
  const std::size_t pairs = enciphered.size() / 2;
  for (std::size_t i = 0; i < pairs; ++i) {
    const int high = HexValue(enciphered[2 * i]);
    const int low = HexValue(enciphered[2 * i + 1]);
    if (high < 0 || low < 0) return std::nullopt;
    const auto byte = static_cast<std::uint8_t>(((high << 4) | low) ^ stream.Next());
    if (i + 1 == pairs) return byte == sum ? std::optional<std::string>(std::move(plain)) : std::nullopt;
    if (byte < 0x21 || byte > 0x7E) return std::nullopt;
    plain += static_cast<char>(byte);
    sum = static_cast<std::uint8_t>(sum + byte);
  }
  return std::nullopt;  // not reached: the loop returns at the check byte
}

}  // namespace tarvel
