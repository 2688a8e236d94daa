#pragma once

#include <array>
#include <cstdint>

// Internal to methods/: the per-byte bit permutations the block transforms are built from.

namespace quorvane::detail {

enum class ByteMap {
  SwapHalves,       // the two 4-bit halves exchanged
  Reverse,          // bit k to bit 7 - k
  ReverseInHalves,  // the bit order reversed inside each half (Reverse, then SwapHalves)
};

constexpr unsigned char MapByte(ByteMap map, unsigned char b) {
  const auto swapped = static_cast<unsigned char>((b >> 4) | (b << 4));
  unsigned char reversed = 0;
  for (int k = 0; k < 8; ++k) {
    if (b & (1u << k)) reversed = static_cast<unsigned char>(reversed | (0x80u >> k));
  }
  switch (map) {
    case ByteMap::SwapHalves:
      return swapped;
    case ByteMap::Reverse:
      return reversed;
    case ByteMap::ReverseInHalves:
      return static_cast<unsigned char>((reversed >> 4) | (reversed << 4));
  }
  return b;
}

constexpr std::array<unsigned char, 256> MakeMapTable(ByteMap map) {
  std::array<unsigned char, 256> table{};
  for (int b = 0; b < 256; ++b) table[b] = MapByte(map, static_cast<unsigned char>(b));
  return table;
}

template <ByteMap M>
inline constexpr std::array<unsigned char, 256> kMapTable = MakeMapTable(M);

// The map of the low half alone and of the high half alone (the value n placed in that half):
// every map is a bit permutation, so map(b) = low[b & 15] | high[b >> 4].
template <ByteMap M>
constexpr std::array<unsigned char, 16> MakeHalfTable(bool high) {
  std::array<unsigned char, 16> table{};
  for (int n = 0; n < 16; ++n) {
    table[n] = MapByte(M, static_cast<unsigned char>(high ? n << 4 : n));
  }
  return table;
}

}  // namespace quorvane::detail
