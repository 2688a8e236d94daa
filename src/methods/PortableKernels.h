#pragma once

#include <cstddef>
#include <cstdint>

#include "methods/ByteMaps.h"
#include "methods/TrashJump.h"

// Internal to methods/: the byte-at-a-time kernels. They are the portable variant and the
// remainder handling of the vector variants.

namespace quorvane::detail {

struct PortableKernels {
  template <ByteMap M>
  static void Map(unsigned char* p, std::size_t n) {
    const auto& table = kMapTable<M>;
    for (std::size_t i = 0; i < n; ++i) p[i] = table[p[i]];
  }

  // Exchanges the bits of `mask` between the two bytes of each pair.
  static void SwapInPairs(unsigned char* p, std::size_t pairs, unsigned char mask) {
    for (std::size_t k = 0; k < pairs; ++k, p += 2) {
      const auto diff = static_cast<unsigned char>((p[0] ^ p[1]) & mask);
      p[0] = static_cast<unsigned char>(p[0] ^ diff);
      p[1] = static_cast<unsigned char>(p[1] ^ diff);
    }
  }

  static void SwapLowInPairs(unsigned char* p, std::size_t pairs) { SwapInPairs(p, pairs, 0x0F); }

  template <ByteMap M>
  static void SwapHighInPairsThenMap(unsigned char* p, std::size_t pairs) {
    SwapInPairs(p, pairs, 0xF0);
    Map<M>(p, 2 * pairs);
  }

  template <ByteMap M>
  static void MapThenSwapHighInPairs(unsigned char* p, std::size_t pairs) {
    Map<M>(p, 2 * pairs);
    SwapInPairs(p, pairs, 0xF0);
  }

  // The Trashed masks, eight lanes at a time: lane j of a group takes the state j + 1 steps
  // after the group's base state, and the base moves on eight steps per group.
  static void TrashBytes(unsigned char* p, std::size_t n, std::uint32_t* state) {
    static constexpr auto kLanes = MakeLaneJumps<8>();
    std::uint32_t base = *state;
    std::size_t i = 0;
    for (; i + 8 <= n; i += 8) {
      for (std::size_t j = 0; j < 8; ++j) {
        p[i + j] = static_cast<unsigned char>(p[i + j] | TrashMask(kLanes[j].Apply(base)));
      }
      base = kLanes[7].Apply(base);
    }
    for (; i < n; ++i) {
      base = kLanes[0].Apply(base);
      p[i] = static_cast<unsigned char>(p[i] | TrashMask(base));
    }
    *state = base;
  }
};

}  // namespace quorvane::detail
