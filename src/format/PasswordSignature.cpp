#include "format/PasswordSignature.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace quorvane {

namespace {

struct SortedChar {
  signed char value;
  std::uint8_t position;
};

// A difference is small when, read as a signed byte, it is at most 15 (so 128..255 count too).
bool IsSmall(std::uint8_t difference) {
  return static_cast<signed char>(difference) <= 15;
}

std::uint8_t PackPair(std::uint8_t left, std::uint8_t right) {
  return static_cast<std::uint8_t>(static_cast<std::uint8_t>(left << 4) | right);
}

}  // namespace

std::string MakePasswordSignature(std::string_view password) {
  const std::size_t n = password.size();
  if (n == 0) return {};

  // Characters sort as signed bytes, equal ones in order of position.
  std::vector<SortedChar> sorted(n);
  for (std::size_t i = 0; i < n; ++i) {
    sorted[i] = {static_cast<signed char>(password[i]), static_cast<std::uint8_t>(i)};
  }
  std::stable_sort(sorted.begin(), sorted.end(),
                   [](const SortedChar& a, const SortedChar& b) { return a.value < b.value; });

  std::string signature;
  signature.reserve(n / 2 + n);
  for (std::size_t k = 0; k + 1 < n; k += 2) {
    signature += static_cast<char>(PackPair(sorted[k].position, sorted[k + 1].position));
  }

  const auto smallest = static_cast<std::uint8_t>(sorted[0].value);
  signature += static_cast<char>(PackPair(smallest, static_cast<std::uint8_t>(smallest >> 4)));

  // Differences of neighbours, held in a byte, plus a zero pad the last one may pair with.
  std::vector<std::uint8_t> differences(n, 0);
  for (std::size_t i = 0; i + 1 < n; ++i) {
    differences[i] = static_cast<std::uint8_t>(sorted[i + 1].value - sorted[i].value);
  }
  for (std::size_t e = 0; e + 1 < n;) {
    if (IsSmall(differences[e]) && IsSmall(differences[e + 1])) {
      signature += static_cast<char>(PackPair(differences[e], differences[e + 1]));
      e += 2;
    } else {
      signature += static_cast<char>(differences[e]);
      e += 1;
    }
  }

  std::replace(signature.begin(), signature.end(), '\0', '\xFF');
  return signature;
}

bool SignatureMatches(const CryptHeader& header, std::string_view signature) {
  if (signature.empty()) return false;
  return header.SignatureSlice(signature.size()) == signature;
}

}  // namespace quorvane
