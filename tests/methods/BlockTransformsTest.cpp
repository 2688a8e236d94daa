#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "methods/BlockTransforms.h"
#include "methods/MethodRoutines.h"
#include "methods/TransformVariants.h"

namespace quorvane {
namespace {

using Bytes = std::vector<unsigned char>;
using detail::TransformVariant;

Bytes RandomBytes(std::size_t count, std::uint32_t seed) {
  std::mt19937 engine(seed);
  Bytes bytes(count);
  for (auto& b : bytes) b = static_cast<unsigned char>(engine());
  return bytes;
}

// The Trashed masks straight from the recurrence, one generator step per byte.
Bytes TrashedByRecurrence(Bytes bytes, std::uint32_t& state) {
  for (auto& b : bytes) {
    state = state * 214013u + 2531011u;
    b = static_cast<unsigned char>(b | ((state >> 16) & 0x7FFF & 0xFF));
  }
  return bytes;
}

std::vector<const TransformVariant*> SupportedVariants() {
  std::vector<const TransformVariant*> variants;
  for (const TransformVariant* v : detail::AllTransformVariants()) {
    if (v->isSupported()) variants.push_back(v);
  }
  return variants;
}

Bytes Apply(detail::BlockFunction f, Bytes bytes) {
  f(bytes.data(), bytes.size());
  return bytes;
}

const Bytes k00To0F = {0x00, 0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07,
                       0x08, 0x09, 0x0A, 0x0B, 0x0C, 0x0D, 0x0E, 0x0F};

TEST(BlockTransforms, WorkedVectorsInEveryVariant) {
  const Bytes abc = {0x61, 0x62, 0x63};
  const Bytes four = {0x12, 0x34, 0x56, 0x78};
  const struct {
    const char* what;
    detail::BlockFunction TransformVariant::*transform;
    Bytes input;
    Bytes expected;
  } cases[] = {
      {"quick abc", &TransformVariant::swapNibbles, abc, {0x16, 0x26, 0x36}},
      {"quick four", &TransformVariant::swapNibbles, four, {0x21, 0x43, 0x65, 0x87}},
      {"quick 00..0F",
       &TransformVariant::swapNibbles,
       k00To0F,
       {0x00, 0x10, 0x20, 0x30, 0x40, 0x50, 0x60, 0x70, 0x80, 0x90, 0xA0, 0xB0, 0xC0, 0xD0, 0xE0,
        0xF0}},
      {"secure abc", &TransformVariant::secureScramble, abc, {0x46, 0x86, 0xC6}},
      {"secure four", &TransformVariant::secureScramble, four, {0x28, 0x4A, 0x1C, 0x6E}},
      {"secure 00..0F",
       &TransformVariant::secureScramble,
       k00To0F,
       {0x80, 0x00, 0xC0, 0x40, 0xA0, 0x20, 0xE0, 0x60, 0x90, 0x10, 0xD0, 0x50, 0xB0, 0x30, 0xF0,
        0x70}},
      {"secure count 1 only reverses", &TransformVariant::secureScramble, {0x12}, {0x48}},
      {"secure count 2", &TransformVariant::secureScramble, {0x12, 0x34}, {0x28, 0x4C}},
      {"secure count 5 leaves (3, 4) out of the second pass",
       &TransformVariant::secureScramble,
       {0x12, 0x34, 0x56, 0x78, 0x9A},
       {0x28, 0x4A, 0x1C, 0x6E, 0x59}},
      {"secure count 0", &TransformVariant::secureScramble, {}, {}},
      {"maximum abc", &TransformVariant::maximumScramble, abc, {0x64, 0x68, 0x6C}},
      {"maximum four", &TransformVariant::maximumScramble, four, {0x82, 0xA4, 0xC1, 0xE6}},
      {"maximum 0x12", &TransformVariant::maximumScramble, {0x12}, {0x84}},
      {"maximum 00..0F",
       &TransformVariant::maximumScramble,
       k00To0F,
       {0x08, 0x00, 0x0C, 0x04, 0x0A, 0x02, 0x0E, 0x06, 0x09, 0x01, 0x0D, 0x05, 0x0B, 0x03, 0x0F,
        0x07}},
      {"secure unscramble four",
       &TransformVariant::secureUnscramble,
       {0x28, 0x4A, 0x1C, 0x6E},
       four},
      {"maximum unscramble four",
       &TransformVariant::maximumUnscramble,
       {0x82, 0xA4, 0xC1, 0xE6},
       four},
  };
  for (const TransformVariant* variant : SupportedVariants()) {
    for (const auto& c : cases) {
      EXPECT_EQ(Apply(variant->*c.transform, c.input), c.expected)
          << variant->name << ": " << c.what;
    }
  }
}

TEST(BlockTransforms, TrashedVectorsInEveryVariant) {
  const struct {
    const char* what;
    Bytes input;
    Bytes expected;
  } cases[] = {
      {"the first eight masks", Bytes(8, 0), {0xC0, 0x7E, 0xB6, 0x64, 0x48, 0x01, 0x1A, 0xAF}},
      {"abc", {0x61, 0x62, 0x63}, {0xE1, 0x7E, 0xF7}},
      {"four", {0x12, 0x34, 0x56, 0x78}, {0xD2, 0x7E, 0xF6, 0x7C}},
      {"0xFF stays", Bytes(3, 0xFF), Bytes(3, 0xFF)},
  };
  for (const TransformVariant* variant : SupportedVariants()) {
    for (const auto& c : cases) {
      Bytes bytes = c.input;
      std::uint32_t state = 47;
      variant->trashBytes(bytes.data(), bytes.size(), &state);
      EXPECT_EQ(bytes, c.expected) << variant->name << ": " << c.what;
    }
  }
  TrashGenerator generator;
  EXPECT_EQ(generator.Next(), 192u);
}

TEST(BlockTransforms, FullBlockEdgesTakePartInTheLowHalfPassOnly) {
  const Bytes block = RandomBytes(kCryptBlockSize, 7);
  const Bytes out = Apply(SecureScramble, block);
  auto reversed = [](unsigned b) {
    unsigned r = 0;
    for (int k = 0; k < 8; ++k) r |= ((b >> k) & 1u) << (7 - k);
    return static_cast<unsigned char>(r);
  };
  EXPECT_EQ(out[0], reversed((block[0] & 0xF0u) | (block[1] & 0x0Fu)));
  EXPECT_EQ(out[16383], reversed((block[16383] & 0xF0u) | (block[16382] & 0x0Fu)));
  // An inner odd byte takes its high half from the byte after it.
  EXPECT_EQ(out[1], reversed((block[2] & 0xF0u) | (block[0] & 0x0Fu)));
}

// Every count a block or tail can have, on random content.
TEST(BlockTransforms, SecureAndMaximumInvertForEveryCount) {
  const Bytes content = RandomBytes(kCryptBlockSize, 11);
  const struct {
    const char* name;
    detail::BlockFunction scramble;
    detail::BlockFunction unscramble;
  } pairs[] = {
      {"secure", SecureScramble, SecureUnscramble},
      {"maximum", MaximumScramble, MaximumUnscramble},
      {"portable secure", detail::kPortableTransforms.secureScramble,
       detail::kPortableTransforms.secureUnscramble},
      {"portable maximum", detail::kPortableTransforms.maximumScramble,
       detail::kPortableTransforms.maximumUnscramble},
  };
  for (const auto& pair : pairs) {
    Bytes buffer(content.size());
    for (std::size_t count = 0; count <= kCryptBlockSize; ++count) {
      std::copy(content.begin(), content.end(), buffer.begin());
      pair.scramble(buffer.data(), count);
      pair.unscramble(buffer.data(), count);
      ASSERT_EQ(buffer, content) << pair.name << " count " << count;
    }
  }
}

// Each vector variant gives the portable bytes, at every alignment and at the lengths where the
// vector loops hand over to their remainders.
TEST(BlockTransforms, VariantsMatchThePortableCodeBitForBit) {
  std::vector<std::size_t> counts;
  for (std::size_t n = 0; n <= 260; ++n) counts.push_back(n);
  for (std::size_t n : {1000u, 4095u, 4097u, 16382u, 16383u, 16384u}) counts.push_back(n);
  const Bytes content = RandomBytes(kCryptBlockSize + 8, 3);
  const TransformVariant& portable = detail::kPortableTransforms;
  const detail::BlockFunction TransformVariant::*functions[] = {
      &TransformVariant::swapNibbles, &TransformVariant::secureScramble,
      &TransformVariant::secureUnscramble, &TransformVariant::maximumScramble,
      &TransformVariant::maximumUnscramble};

  for (const TransformVariant* variant : SupportedVariants()) {
    if (variant == &portable) continue;
    for (std::size_t offset = 0; offset < 4; ++offset) {
      for (std::size_t count : counts) {
        for (std::size_t f = 0; f < std::size(functions); ++f) {
          Bytes expected = content;
          Bytes actual = content;
          (portable.*functions[f])(expected.data() + offset, count);
          (variant->*functions[f])(actual.data() + offset, count);
          ASSERT_EQ(actual, expected)
              << variant->name << " function " << f << " offset " << offset << " count " << count;
        }
        std::mt19937 engine(static_cast<std::uint32_t>(count * 4 + offset));
        const std::uint32_t start = engine();
        std::uint32_t expectedState = start;
        const Bytes expected = TrashedByRecurrence(
            Bytes(content.begin() + offset, content.begin() + offset + count), expectedState);
        Bytes actual(content.begin() + offset, content.begin() + offset + count);
        std::uint32_t state = start;
        variant->trashBytes(actual.data(), actual.size(), &state);
        ASSERT_EQ(actual, expected) << variant->name << " trash count " << count;
        ASSERT_EQ(state, expectedState) << variant->name << " trash count " << count;
      }
    }
  }
}

TEST(TrashBytes, FollowsTheRecurrenceAcrossCallsInEveryVariant) {
  const Bytes content = RandomBytes(3 * kCryptBlockSize + 7, 5);
  std::uint32_t referenceState = 47;
  const Bytes expected = TrashedByRecurrence(content, referenceState);
  for (const TransformVariant* variant : SupportedVariants()) {
    Bytes actual = content;
    std::uint32_t state = 47;
    std::size_t done = 0;
    for (std::size_t piece :
         {kCryptBlockSize, std::size_t{1}, std::size_t{63}, kCryptBlockSize, kCryptBlockSize}) {
      piece = std::min(piece, actual.size() - done);
      variant->trashBytes(actual.data() + done, piece, &state);
      done += piece;
    }
    variant->trashBytes(actual.data() + done, actual.size() - done, &state);
    EXPECT_EQ(actual, expected) << variant->name;
    EXPECT_EQ(state, referenceState) << variant->name;
  }
  // The public entry point carries the generator from call to call.
  Bytes actual = content;
  TrashGenerator generator;
  TrashBytes(actual.data(), 100, generator);
  TrashBytes(actual.data() + 100, actual.size() - 100, generator);
  EXPECT_EQ(actual, expected);
  EXPECT_EQ(generator.State(), referenceState);
}

TEST(BlockTransforms, ThisProcessorRunsAVectorVariant) {
  // The machines this project is built on have at least SSSE3; the portable code alone would
  // hide a broken dispatch.
  if (!__builtin_cpu_supports("ssse3")) GTEST_SKIP() << "no SSSE3";
  EXPECT_NE(&detail::ActiveTransformVariant(), &detail::kPortableTransforms);
  EXPECT_GE(SupportedVariants().size(), 2u);
}

}  // namespace
}  // namespace quorvane
