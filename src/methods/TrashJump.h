#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

// Internal to methods/: stepping the Trashed generator ahead. k steps of
// state = state * a + c are one step state = state * A_k + C_k with A_k = a^k and
// C_k = c * (a^(k-1) + ... + a + 1), all modulo 2^32.

namespace quorvane::detail {

inline constexpr std::uint32_t kTrashMultiplier = 214013u;
inline constexpr std::uint32_t kTrashIncrement = 2531011u;

struct TrashJump {
  std::uint32_t multiplier = 1;
  std::uint32_t increment = 0;

  constexpr std::uint32_t Apply(std::uint32_t state) const {
    return state * multiplier + increment;
  }
};

constexpr TrashJump MakeTrashJump(std::size_t steps) {
  TrashJump jump;
  for (std::size_t i = 0; i < steps; ++i) {
    jump.multiplier *= kTrashMultiplier;
    jump.increment = jump.increment * kTrashMultiplier + kTrashIncrement;
  }
  return jump;
}

// The jumps of 1 to N steps, for N lanes that each take one byte.
template <std::size_t N>
constexpr std::array<TrashJump, N> MakeLaneJumps() {
  std::array<TrashJump, N> jumps{};
  for (std::size_t i = 0; i < N; ++i) jumps[i] = MakeTrashJump(i + 1);
  return jumps;
}

// The mask byte a generator state yields: the low byte of (state >> 16) & 0x7FFF.
constexpr unsigned char TrashMask(std::uint32_t state) {
  return static_cast<unsigned char>(state >> 16);
}

}  // namespace quorvane::detail
