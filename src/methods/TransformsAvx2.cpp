#include "methods/PortableKernels.h"
#include "methods/TransformPlan.h"
#include "methods/TransformVariants.h"

#if defined(__GNUC__) && defined(__x86_64__)
#include <immintrin.h>

#define QV_AVX2 __attribute__((target("avx2")))

namespace quorvane::detail {

namespace {

// Thirty-two bytes at a time; what is left over goes to the portable kernels.
struct Avx2Kernels {
  QV_AVX2 static __m256i Load(const unsigned char* p) {
    return _mm256_loadu_si256(reinterpret_cast<const __m256i*>(p));
  }
  QV_AVX2 static void Store(unsigned char* p, __m256i v) {
    _mm256_storeu_si256(reinterpret_cast<__m256i*>(p), v);
  }
  QV_AVX2 static __m256i Table(const std::array<unsigned char, 16>& table) {
    return _mm256_broadcastsi128_si256(
        _mm_loadu_si128(reinterpret_cast<const __m128i*>(table.data())));
  }

  template <ByteMap M>
  QV_AVX2 static __m256i MapVector(__m256i v) {
    static constexpr auto kLow = MakeHalfTable<M>(false);
    static constexpr auto kHigh = MakeHalfTable<M>(true);
    const __m256i nibble = _mm256_set1_epi8(0x0F);
    const __m256i lo = _mm256_and_si256(v, nibble);
    const __m256i hi = _mm256_and_si256(_mm256_srli_epi16(v, 4), nibble);
    return _mm256_or_si256(_mm256_shuffle_epi8(Table(kLow), lo),
                           _mm256_shuffle_epi8(Table(kHigh), hi));
  }

  QV_AVX2 static __m256i SwapInPairsVector(__m256i v, __m256i mask) {
    const __m256i partner = _mm256_set_epi8(14, 15, 12, 13, 10, 11, 8, 9, 6, 7, 4, 5, 2, 3, 0, 1,
                                            14, 15, 12, 13, 10, 11, 8, 9, 6, 7, 4, 5, 2, 3, 0, 1);
    const __m256i swapped = _mm256_shuffle_epi8(v, partner);
    return _mm256_xor_si256(v, _mm256_and_si256(_mm256_xor_si256(v, swapped), mask));
  }

  template <ByteMap M>
  QV_AVX2 static void Map(unsigned char* p, std::size_t n) {
    std::size_t i = 0;
    for (; i + 32 <= n; i += 32) Store(p + i, MapVector<M>(Load(p + i)));
    PortableKernels::Map<M>(p + i, n - i);
  }

  QV_AVX2 static void SwapLowInPairs(unsigned char* p, std::size_t pairs) {
    const __m256i mask = _mm256_set1_epi8(0x0F);
    std::size_t i = 0;
    for (; i + 32 <= 2 * pairs; i += 32) Store(p + i, SwapInPairsVector(Load(p + i), mask));
    PortableKernels::SwapLowInPairs(p + i, pairs - i / 2);
  }

  template <ByteMap M>
  QV_AVX2 static void SwapHighInPairsThenMap(unsigned char* p, std::size_t pairs) {
    const __m256i mask = _mm256_set1_epi8(static_cast<char>(0xF0));
    std::size_t i = 0;
    for (; i + 32 <= 2 * pairs; i += 32) {
      Store(p + i, MapVector<M>(SwapInPairsVector(Load(p + i), mask)));
    }
    PortableKernels::SwapHighInPairsThenMap<M>(p + i, pairs - i / 2);
  }

  template <ByteMap M>
  QV_AVX2 static void MapThenSwapHighInPairs(unsigned char* p, std::size_t pairs) {
    const __m256i mask = _mm256_set1_epi8(static_cast<char>(0xF0));
    std::size_t i = 0;
    for (; i + 32 <= 2 * pairs; i += 32) {
      Store(p + i, SwapInPairsVector(MapVector<M>(Load(p + i)), mask));
    }
    PortableKernels::MapThenSwapHighInPairs<M>(p + i, pairs - i / 2);
  }

  // Eight lanes per vector, four vectors (32 bytes) per group: vector k, lane j takes the
  // state 8k + j + 1 steps after the group's base, and the base moves on 32 steps per group.
  QV_AVX2 static void TrashBytes(unsigned char* p, std::size_t n, std::uint32_t* state) {
    static constexpr auto kJumps = MakeLaneJumps<32>();
    __m256i multiplier[4];
    __m256i increment[4];
    for (int k = 0; k < 4; ++k) {
      alignas(32) std::uint32_t a[8];
      alignas(32) std::uint32_t c[8];
      for (int j = 0; j < 8; ++j) {
        a[j] = kJumps[8 * k + j].multiplier;
        c[j] = kJumps[8 * k + j].increment;
      }
      multiplier[k] = _mm256_load_si256(reinterpret_cast<const __m256i*>(a));
      increment[k] = _mm256_load_si256(reinterpret_cast<const __m256i*>(c));
    }
    // Byte 2 of each 32-bit lane (the mask) gathered into 32-bit slot k of each 128-bit half.
    __m256i gather[4];
    for (int k = 0; k < 4; ++k) {
      alignas(32) signed char index[32];
      for (int b = 0; b < 32; ++b) index[b] = -1;
      for (int half = 0; half < 2; ++half) {
        for (int j = 0; j < 4; ++j)
          index[16 * half + 4 * k + j] = static_cast<signed char>(4 * j + 2);
      }
      gather[k] = _mm256_load_si256(reinterpret_cast<const __m256i*>(index));
    }
    const __m256i order = _mm256_setr_epi32(0, 4, 1, 5, 2, 6, 3, 7);

    std::uint32_t base = *state;
    std::size_t i = 0;
    for (; i + 32 <= n; i += 32) {
      const __m256i b = _mm256_set1_epi32(static_cast<int>(base));
      __m256i masks = _mm256_setzero_si256();
      for (int k = 0; k < 4; ++k) {
        const __m256i s = _mm256_add_epi32(_mm256_mullo_epi32(b, multiplier[k]), increment[k]);
        masks = _mm256_or_si256(masks, _mm256_shuffle_epi8(s, gather[k]));
      }
      masks = _mm256_permutevar8x32_epi32(masks, order);
      Store(p + i, _mm256_or_si256(Load(p + i), masks));
      base = kJumps[31].Apply(base);
    }
    *state = base;
    PortableKernels::TrashBytes(p + i, n - i, state);
  }
};

using Plan = TransformPlan<Avx2Kernels>;
bool Supported() {
  __builtin_cpu_init();  // may run before the static constructors that do it
  return __builtin_cpu_supports("avx2");
}

}  // namespace

const TransformVariant kAvx2Transforms = {
    "avx2",
    Supported,
    Plan::SwapNibbles,
    Plan::SecureScramble,
    Plan::SecureUnscramble,
    Plan::MaximumScramble,
    Plan::MaximumUnscramble,
    Avx2Kernels::TrashBytes,
};

}  // namespace quorvane::detail

#else

namespace quorvane::detail {
namespace {
bool Unsupported() {
  return false;
}
}  // namespace
const TransformVariant kAvx2Transforms = {"avx2",  Unsupported, nullptr, nullptr,
                                          nullptr, nullptr,     nullptr, nullptr};
}  // namespace quorvane::detail

#endif
