#include <cstdint>
#include <string_view>

#include "format/CryptHeader.h"

namespace quorvane {

namespace {

bool IsSpace(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

struct ParsedHex {
  bool negative = false;
  std::uint64_t magnitude = 0;  // saturates just above 2^32: fields are at most 8 digits
};

ParsedHex ParseHex(std::string_view field) {
  ParsedHex parsed;
  std::size_t i = 0;
  while (i < field.size() && IsSpace(field[i])) ++i;
  if (i < field.size() && (field[i] == '+' || field[i] == '-')) {
    parsed.negative = field[i] == '-';
    ++i;
  }
  // "0x" counts as a prefix only when a hex digit follows; otherwise the "0" is the number.
  if (i + 2 < field.size() && field[i] == '0' && (field[i + 1] == 'x' || field[i + 1] == 'X') &&
      HexDigit(field[i + 2]) >= 0) {
    i += 2;
  }
  constexpr std::uint64_t kCap = std::uint64_t{1} << 33;
  for (; i < field.size(); ++i) {
    const int digit = HexDigit(field[i]);
    if (digit < 0) break;
    parsed.magnitude = parsed.magnitude * 16 + static_cast<std::uint64_t>(digit);
    if (parsed.magnitude > kCap) parsed.magnitude = kCap;
  }
  return parsed;
}

}  // namespace

std::int32_t ParseHexSigned(std::string_view field) {
  const ParsedHex parsed = ParseHex(field);
  const std::int64_t value = parsed.negative ? -static_cast<std::int64_t>(parsed.magnitude)
                                             : static_cast<std::int64_t>(parsed.magnitude);
  if (value > INT32_MAX) return INT32_MAX;
  if (value < INT32_MIN) return INT32_MIN;
  return static_cast<std::int32_t>(value);
}

std::uint32_t ParseHexUnsigned(std::string_view field) {
  const ParsedHex parsed = ParseHex(field);
  if (parsed.magnitude > UINT32_MAX) return UINT32_MAX;
  const auto value = static_cast<std::uint32_t>(parsed.magnitude);
  return parsed.negative ? static_cast<std::uint32_t>(0u - value) : value;
}

}  // namespace quorvane
