#include "records/password_code.h"

#include "records/rating_format.h"
#include "records/text_fields.h"
#include "settings/cp1251.h"

namespace tarvel {

using namespace records_text;

namespace {

std::string Padded(std::string_view typed) {
  std::string bytes = Utf8ToCp1251(typed);
  if (bytes.size() > kPasswordLength) bytes.resize(kPasswordLength);
  return PadRight(bytes, kPasswordLength);
}

}  // namespace

static_assert(kPasswordOffset >= 100 && kPasswordOffset + 255 <= 999);

std::string EncodePassword(std::string_view password) {
  std::string code;
  for (unsigned char c : Padded(password)) code += std::to_string(c + kPasswordOffset);
  return code;
}

std::optional<std::string> DecodePassword(std::string_view code) {
  if (code.size() != 3 * kPasswordLength) return std::nullopt;
  std::string password;
  for (std::size_t i = 0; i < code.size(); i += 3) {
    int v = 0;
    for (std::size_t k = i; k < i + 3; ++k) {
      if (code[k] < '0' || code[k] > '9') return std::nullopt;
      v = v * 10 + (code[k] - '0');
    }
    v -= kPasswordOffset;
    if (v < 0 || v > 255) return std::nullopt;
    password += static_cast<char>(v);
  }
  return password;
}

bool PasswordMatches(std::string_view code, std::string_view typed) {
  const auto stored = DecodePassword(code);
  return stored && *stored == Padded(typed);
}

}  // namespace tarvel
