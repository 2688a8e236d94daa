#include "methods/PortableKernels.h"
#include "methods/TransformPlan.h"
#include "methods/TransformVariants.h"

#if defined(__GNUC__) && defined(__x86_64__)
#include <immintrin.h>

#include <array>

#define QV_AVX512 __attribute__((target("avx512f,avx512bw,gfni")))

// GCC 12 reports the deliberately undefined pass-through operand inside some AVX-512
// intrinsics as maybe uninitialised once they are inlined; the warning is spurious.
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"

namespace quorvane::detail {

namespace {

// The byte maps as GF(2) affine matrices: byte 7 - i of the matrix selects the input bits
// that make output bit i.
constexpr std::uint64_t AffineMatrix(ByteMap map) {
  switch (map) {
    case ByteMap::SwapHalves:
      return 0x1020408001020408ull;
    case ByteMap::Reverse:
      return 0x8040201008040201ull;
    case ByteMap::ReverseInHalves:
      return 0x0804020180402010ull;
  }
  return 0x0102040810204080ull;  // identity
}

// Sixty-four bytes at a time; the last part of a run with a masked load and store.
struct Avx512Kernels {
  static __mmask64 FirstBytes(std::size_t n) {
    return n >= 64 ? ~__mmask64{0} : (__mmask64{1} << n) - 1;
  }

  template <ByteMap M>
  QV_AVX512 static __m512i MapVector(__m512i v) {
    return _mm512_gf2p8affine_epi64_epi8(v, _mm512_set1_epi64(AffineMatrix(M)), 0);
  }

  // Takes the bits of `mask` from the pair partner and keeps the others.
  QV_AVX512 static __m512i SwapInPairsVector(__m512i v, __m512i mask) {
    static constexpr auto kPartner = [] {
      std::array<unsigned char, 64> index{};
      for (unsigned i = 0; i < 64; ++i) index[i] = static_cast<unsigned char>((i ^ 1u) & 15u);
      return index;
    }();
    const __m512i partner = _mm512_loadu_si512(kPartner.data());
    const __m512i swapped = _mm512_shuffle_epi8(v, partner);
    return _mm512_ternarylogic_epi32(mask, swapped, v, 0xCA);  // mask ? swapped : v
  }

  // Runs Op::Apply over n bytes, 64 at a time, the rest masked.
  template <class Op>
  QV_AVX512 static void ForEachVector(unsigned char* p, std::size_t n) {
    std::size_t i = 0;
    for (; i + 64 <= n; i += 64) _mm512_storeu_si512(p + i, Op::Apply(_mm512_loadu_si512(p + i)));
    if (i < n) {
      const __mmask64 k = FirstBytes(n - i);
      _mm512_mask_storeu_epi8(p + i, k, Op::Apply(_mm512_maskz_loadu_epi8(k, p + i)));
    }
  }

  template <ByteMap M>
  struct MapOp {
    QV_AVX512 static __m512i Apply(__m512i v) { return MapVector<M>(v); }
  };
  struct SwapLowOp {
    QV_AVX512 static __m512i Apply(__m512i v) {
      return SwapInPairsVector(v, _mm512_set1_epi8(0x0F));
    }
  };
  template <ByteMap M>
  struct SwapHighThenMapOp {
    QV_AVX512 static __m512i Apply(__m512i v) {
      return MapVector<M>(SwapInPairsVector(v, _mm512_set1_epi8(static_cast<char>(0xF0))));
    }
  };
  template <ByteMap M>
  struct MapThenSwapHighOp {
    QV_AVX512 static __m512i Apply(__m512i v) {
      return SwapInPairsVector(MapVector<M>(v), _mm512_set1_epi8(static_cast<char>(0xF0)));
    }
  };

  template <ByteMap M>
  QV_AVX512 static void Map(unsigned char* p, std::size_t n) {
    ForEachVector<MapOp<M>>(p, n);
  }
  QV_AVX512 static void SwapLowInPairs(unsigned char* p, std::size_t pairs) {
    ForEachVector<SwapLowOp>(p, 2 * pairs);
  }
  template <ByteMap M>
  QV_AVX512 static void SwapHighInPairsThenMap(unsigned char* p, std::size_t pairs) {
    ForEachVector<SwapHighThenMapOp<M>>(p, 2 * pairs);
  }
  template <ByteMap M>
  QV_AVX512 static void MapThenSwapHighInPairs(unsigned char* p, std::size_t pairs) {
    ForEachVector<MapThenSwapHighOp<M>>(p, 2 * pairs);
  }

  // Sixteen lanes per vector, four vectors (64 bytes) per group: vector k, lane j takes the
  // state 16k + j + 1 steps after the group's base, and the base moves on 64 steps per group.
  QV_AVX512 static void TrashBytes(unsigned char* p, std::size_t n, std::uint32_t* state) {
    static constexpr auto kJumps = MakeLaneJumps<64>();
    __m512i multiplier[4];
    __m512i increment[4];
    for (int k = 0; k < 4; ++k) {
      alignas(64) std::uint32_t a[16];
      alignas(64) std::uint32_t c[16];
      for (int j = 0; j < 16; ++j) {
        a[j] = kJumps[16 * k + j].multiplier;
        c[j] = kJumps[16 * k + j].increment;
      }
      multiplier[k] = _mm512_load_si512(a);
      increment[k] = _mm512_load_si512(c);
    }

    std::uint32_t base = *state;
    std::size_t i = 0;
    for (; i + 64 <= n; i += 64) {
      const __m512i b = _mm512_set1_epi32(static_cast<int>(base));
      __m128i masks[4];
      for (int k = 0; k < 4; ++k) {
        const __m512i s = _mm512_add_epi32(_mm512_mullo_epi32(b, multiplier[k]), increment[k]);
        masks[k] = _mm512_cvtepi32_epi8(_mm512_srli_epi32(s, 16));
      }
      __m512i all = _mm512_castsi128_si512(masks[0]);
      all = _mm512_inserti32x4(all, masks[1], 1);
      all = _mm512_inserti32x4(all, masks[2], 2);
      all = _mm512_inserti32x4(all, masks[3], 3);
      _mm512_storeu_si512(p + i, _mm512_or_si512(_mm512_loadu_si512(p + i), all));
      base = kJumps[63].Apply(base);
    }
    *state = base;
    PortableKernels::TrashBytes(p + i, n - i, state);
  }
};

using Plan = TransformPlan<Avx512Kernels>;
bool Supported() {
  __builtin_cpu_init();  // may run before the static constructors that do it
  return __builtin_cpu_supports("avx512f") && __builtin_cpu_supports("avx512bw") &&
         __builtin_cpu_supports("gfni");
}

}  // namespace

const TransformVariant kAvx512Transforms = {
    "avx512-gfni",           Supported,
    Plan::SwapNibbles,       Plan::SecureScramble,
    Plan::SecureUnscramble,  Plan::MaximumScramble,
    Plan::MaximumUnscramble, Avx512Kernels::TrashBytes,
};

}  // namespace quorvane::detail

#else

namespace quorvane::detail {
namespace {
bool Unsupported() {
  return false;
}
}  // namespace
const TransformVariant kAvx512Transforms = {"avx512-gfni", Unsupported, nullptr, nullptr,
                                            nullptr,       nullptr,     nullptr, nullptr};
}  // namespace quorvane::detail

#endif
