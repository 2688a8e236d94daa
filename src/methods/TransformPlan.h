#pragma once

#include <cstddef>

#include "methods/ByteMaps.h"

// Internal to methods/: the block transforms composed from a set of kernels, so that every
// instruction set shares one definition of the passes and their bounds.
//
// A kernel set K provides, for n bytes or for `pairs` byte pairs (p[0], p[1]), (p[2], p[3]), ...:
//   template <ByteMap M> static void Map(unsigned char* p, std::size_t n);
//   static void SwapLowInPairs(unsigned char* p, std::size_t pairs);
//   template <ByteMap M> static void SwapHighInPairsThenMap(unsigned char* p, std::size_t pairs);
//   template <ByteMap M> static void MapThenSwapHighInPairs(unsigned char* p, std::size_t pairs);

namespace quorvane::detail {

template <class K>
struct TransformPlan {
  // The high-half exchanges run over the pairs (1, 2), (3, 4), ... while the first index is
  // below count - 2: every byte but the first and the last (even count) or the last two.
  static constexpr std::size_t OddPairs(std::size_t count) {
    return count >= 4 ? (count - 2) / 2 : 0;
  }

  // Low halves across the even pairs, high halves across the odd pairs, then the byte map.
  template <ByteMap M>
  static void Scramble(unsigned char* p, std::size_t count) {
    K::SwapLowInPairs(p, count / 2);
    if (count == 0) return;
    const std::size_t pairs = OddPairs(count);
    K::template Map<M>(p, 1);
    K::template SwapHighInPairsThenMap<M>(p + 1, pairs);
    K::template Map<M>(p + 1 + 2 * pairs, count - 1 - 2 * pairs);
  }

  // The same passes in the reverse order.
  template <ByteMap M>
  static void Unscramble(unsigned char* p, std::size_t count) {
    if (count > 0) {
      const std::size_t pairs = OddPairs(count);
      K::template Map<M>(p, 1);
      K::template MapThenSwapHighInPairs<M>(p + 1, pairs);
      K::template Map<M>(p + 1 + 2 * pairs, count - 1 - 2 * pairs);
    }
    K::SwapLowInPairs(p, count / 2);
  }

  static void SwapNibbles(unsigned char* p, std::size_t count) {
    K::template Map<ByteMap::SwapHalves>(p, count);
  }
  static void SecureScramble(unsigned char* p, std::size_t count) {
    Scramble<ByteMap::Reverse>(p, count);
  }
  static void SecureUnscramble(unsigned char* p, std::size_t count) {
    Unscramble<ByteMap::Reverse>(p, count);
  }
  // The bit reversal followed (or preceded) by the half exchange is one reversal inside
  // each half; the two commute.
  static void MaximumScramble(unsigned char* p, std::size_t count) {
    Scramble<ByteMap::ReverseInHalves>(p, count);
  }
  static void MaximumUnscramble(unsigned char* p, std::size_t count) {
    Unscramble<ByteMap::ReverseInHalves>(p, count);
  }
};

}  // namespace quorvane::detail
