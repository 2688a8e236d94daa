#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

// Internal to methods/ (and its tests and benchmarks): every implementation of the block
// transforms, so each can be checked against the portable one.

namespace quorvane::detail {

using BlockFunction = void (*)(unsigned char* buffer, std::size_t count);
// ORs count bytes with the masks of the generator steps after *state; leaves *state count
// steps further on.
using TrashFunction = void (*)(unsigned char* buffer, std::size_t count, std::uint32_t* state);

struct TransformVariant {
  const char* name;
  bool (*isSupported)();
  BlockFunction swapNibbles;
  BlockFunction secureScramble;
  BlockFunction secureUnscramble;
  BlockFunction maximumScramble;
  BlockFunction maximumUnscramble;
  TrashFunction trashBytes;
};

// Each variant exists on every build; isSupported says whether this processor runs it.
extern const TransformVariant kPortableTransforms;
extern const TransformVariant kSsse3Transforms;
extern const TransformVariant kAvx2Transforms;
extern const TransformVariant kAvx512Transforms;

// All variants, the portable one first.
std::span<const TransformVariant* const> AllTransformVariants();

// The fastest variant this processor supports, chosen once.
const TransformVariant& ActiveTransformVariant();

}  // namespace quorvane::detail
