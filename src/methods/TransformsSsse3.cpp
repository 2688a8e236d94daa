#include "methods/PortableKernels.h"
#include "methods/TransformPlan.h"
#include "methods/TransformVariants.h"

#if defined(__GNUC__) && defined(__x86_64__)
#include <immintrin.h>

#define QV_SSSE3 __attribute__((target("ssse3")))

namespace quorvane::detail {

namespace {

// Sixteen bytes at a time; what is left over goes to the portable kernels.
struct Ssse3Kernels {
  template <ByteMap M>
  QV_SSSE3 static __m128i MapVector(__m128i v) {
    static constexpr auto kLow = MakeHalfTable<M>(false);
    static constexpr auto kHigh = MakeHalfTable<M>(true);
    const __m128i low = _mm_loadu_si128(reinterpret_cast<const __m128i*>(kLow.data()));
    const __m128i high = _mm_loadu_si128(reinterpret_cast<const __m128i*>(kHigh.data()));
    const __m128i nibble = _mm_set1_epi8(0x0F);
    const __m128i lo = _mm_and_si128(v, nibble);
    const __m128i hi = _mm_and_si128(_mm_srli_epi16(v, 4), nibble);
    return _mm_or_si128(_mm_shuffle_epi8(low, lo), _mm_shuffle_epi8(high, hi));
  }

  QV_SSSE3 static __m128i SwapInPairsVector(__m128i v, __m128i mask) {
    const __m128i partner = _mm_set_epi8(14, 15, 12, 13, 10, 11, 8, 9, 6, 7, 4, 5, 2, 3, 0, 1);
    const __m128i swapped = _mm_shuffle_epi8(v, partner);
    return _mm_xor_si128(v, _mm_and_si128(_mm_xor_si128(v, swapped), mask));
  }

  QV_SSSE3 static __m128i Load(const unsigned char* p) {
    return _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
  }
  QV_SSSE3 static void Store(unsigned char* p, __m128i v) {
    _mm_storeu_si128(reinterpret_cast<__m128i*>(p), v);
  }

  template <ByteMap M>
  QV_SSSE3 static void Map(unsigned char* p, std::size_t n) {
    std::size_t i = 0;
    for (; i + 16 <= n; i += 16) Store(p + i, MapVector<M>(Load(p + i)));
    PortableKernels::Map<M>(p + i, n - i);
  }

  QV_SSSE3 static void SwapLowInPairs(unsigned char* p, std::size_t pairs) {
    const __m128i mask = _mm_set1_epi8(0x0F);
    std::size_t i = 0;
    for (; i + 16 <= 2 * pairs; i += 16) Store(p + i, SwapInPairsVector(Load(p + i), mask));
    PortableKernels::SwapLowInPairs(p + i, pairs - i / 2);
  }

  template <ByteMap M>
  QV_SSSE3 static void SwapHighInPairsThenMap(unsigned char* p, std::size_t pairs) {
    const __m128i mask = _mm_set1_epi8(static_cast<char>(0xF0));
    std::size_t i = 0;
    for (; i + 16 <= 2 * pairs; i += 16) {
      Store(p + i, MapVector<M>(SwapInPairsVector(Load(p + i), mask)));
    }
    PortableKernels::SwapHighInPairsThenMap<M>(p + i, pairs - i / 2);
  }

  template <ByteMap M>
  QV_SSSE3 static void MapThenSwapHighInPairs(unsigned char* p, std::size_t pairs) {
    const __m128i mask = _mm_set1_epi8(static_cast<char>(0xF0));
    std::size_t i = 0;
    for (; i + 16 <= 2 * pairs; i += 16) {
      Store(p + i, SwapInPairsVector(MapVector<M>(Load(p + i)), mask));
    }
    PortableKernels::MapThenSwapHighInPairs<M>(p + i, pairs - i / 2);
  }
};

using Plan = TransformPlan<Ssse3Kernels>;
bool Supported() {
  __builtin_cpu_init();  // may run before the static constructors that do it
  return __builtin_cpu_supports("ssse3");
}

}  // namespace

// SSSE3 has no 32-bit multiply; the generator runs in the portable lanes.
const TransformVariant kSsse3Transforms = {
    "ssse3",
    Supported,
    Plan::SwapNibbles,
    Plan::SecureScramble,
    Plan::SecureUnscramble,
    Plan::MaximumScramble,
    Plan::MaximumUnscramble,
    PortableKernels::TrashBytes,
};

}  // namespace quorvane::detail

#else

namespace quorvane::detail {
namespace {
bool Unsupported() {
  return false;
}
}  // namespace
const TransformVariant kSsse3Transforms = {"ssse3", Unsupported, nullptr, nullptr,
                                           nullptr, nullptr,     nullptr, nullptr};
}  // namespace quorvane::detail

#endif
