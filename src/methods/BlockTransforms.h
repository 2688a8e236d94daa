#pragma once

#include <cstddef>
#include <cstdint>

namespace quorvane {

// The block transforms, in place on the first count bytes. Each picks the fastest code the
// processor runs (AVX-512/GFNI, AVX2, SSSE3) and gives the same bytes as the portable code.
void SwapNibbles(unsigned char* buffer, std::size_t count);
void SecureScramble(unsigned char* buffer, std::size_t count);
void SecureUnscramble(unsigned char* buffer, std::size_t count);
void MaximumScramble(unsigned char* buffer, std::size_t count);    // SecureScramble, SwapNibbles
void MaximumUnscramble(unsigned char* buffer, std::size_t count);  // SwapNibbles, SecureUnscramble

// The Trashed method's generator: state = state * 214013 + 2531011 (mod 2^32), each step
// yielding (state >> 16) & 0x7FFF.
class TrashGenerator {
 public:
  explicit TrashGenerator(std::uint32_t seed = 47) : m_state(seed) {}
  std::uint32_t Next() {
    m_state = m_state * 214013u + 2531011u;
    return (m_state >> 16) & 0x7FFFu;
  }
  std::uint32_t State() const { return m_state; }
  void SetState(std::uint32_t state) { m_state = state; }

 private:
  std::uint32_t m_state;
};

// ORs each of the first count bytes with the low byte of the generator's next value.
void TrashBytes(unsigned char* buffer, std::size_t count, TrashGenerator& generator);

}  // namespace quorvane
