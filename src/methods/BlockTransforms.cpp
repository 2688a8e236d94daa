#include "methods/BlockTransforms.h"

#include <array>

#include "methods/TransformVariants.h"

namespace quorvane {

namespace detail {

std::span<const TransformVariant* const> AllTransformVariants() {
  static constexpr std::array<const TransformVariant*, 4> kVariants = {
      &kPortableTransforms, &kSsse3Transforms, &kAvx2Transforms, &kAvx512Transforms};
  return kVariants;
}

const TransformVariant& ActiveTransformVariant() {
  static const TransformVariant* const active = [] {
    const TransformVariant* best = &kPortableTransforms;
    for (const TransformVariant* variant : AllTransformVariants()) {
      if (variant->isSupported()) best = variant;  // listed from slowest to fastest
    }
    return best;
  }();
  return *active;
}

}  // namespace detail

void SwapNibbles(unsigned char* buffer, std::size_t count) {
  detail::ActiveTransformVariant().swapNibbles(buffer, count);
}

void SecureScramble(unsigned char* buffer, std::size_t count) {
  detail::ActiveTransformVariant().secureScramble(buffer, count);
}

void SecureUnscramble(unsigned char* buffer, std::size_t count) {
  detail::ActiveTransformVariant().secureUnscramble(buffer, count);
}

void MaximumScramble(unsigned char* buffer, std::size_t count) {
  detail::ActiveTransformVariant().maximumScramble(buffer, count);
}

void MaximumUnscramble(unsigned char* buffer, std::size_t count) {
  detail::ActiveTransformVariant().maximumUnscramble(buffer, count);
}

void TrashBytes(unsigned char* buffer, std::size_t count, TrashGenerator& generator) {
  std::uint32_t state = generator.State();
  detail::ActiveTransformVariant().trashBytes(buffer, count, &state);
  generator.SetState(state);
}

}  // namespace quorvane
