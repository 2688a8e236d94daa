#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "format/CryptHeader.h"
#include "format/PasswordSignature.h"

namespace quorvane {
namespace {

using namespace std::string_literals;

TEST(MakePasswordSignature, WorkedVectors) {
  const struct {
    const char* what;
    std::string password;
    std::string signature;
  } cases[] = {
      {"three letters", "abc", "\x01\x16\x11"},
      {"one character: its halves swapped", "A", "\x14"},
      {"two characters: positions, value, packed pair", "ba", "\x10\x16\x10"},
      {"equal characters keep their order; a zero pair becomes 0xFF", "aa", "\x01\x16\xFF"},
      {"a large difference stands alone", "az", "\x01\x16\x19"},
      {"0x80 and above sort first (signed)", "a\x80", "\x10\x08\x10"},
      {"small difference of 128 or more on the left loses its high bits", "\x80\x05\x08"s,
       "\x01\x08\x53"},
      {"small difference of 128 or more on the right ORs in its high bits", "\x80\x88\x7F"s,
       "\x01\x08\xF7"},
      // 'a' at position 16 sorts first: (16 << 4) loses its bits, so the first position byte is
      // 0 and stored as 0xFF; position 15, the last of an odd count, is not used.
      {"positions of 16 and more", "bbbbbbbbbbbbbbbba",
       "\xFF\x12\x34\x56\x78\x9A\xBC\xDE"
       "\x16"
       "\x10\xFF\xFF\xFF\xFF\xFF\xFF\xFF"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(MakePasswordSignature(c.password), c.signature) << c.what;
  }
}

TEST(MakePasswordSignature, ThirtyTwoCharactersGive33To48BytesAndNoZero) {
  // All equal: every difference pairs up, the shortest tail (16 bytes).
  const std::string same(32, 'q');
  // Pairs of equal characters 16 apart: every difference stands alone, the longest tail.
  std::string spread;
  for (int k = 0; k < 16; ++k) spread += std::string(2, static_cast<char>(-128 + 16 * k));
  std::string reversed = spread;
  std::reverse(reversed.begin(), reversed.end());

  const struct {
    const std::string& password;
    std::size_t length;
  } cases[] = {{same, 33}, {spread, 48}, {reversed, 48}};
  for (const auto& c : cases) {
    const std::string signature = MakePasswordSignature(c.password);
    EXPECT_EQ(signature.size(), c.length);
    EXPECT_EQ(signature.find('\0'), std::string::npos);
  }
}

TEST(MakePasswordSignature, PermutationsShareValueAndTail) {
  const std::string a = MakePasswordSignature("password1");
  const std::string b = MakePasswordSignature("1drowssap");
  ASSERT_EQ(a.size(), b.size());
  const std::size_t positions = 9 / 2;
  EXPECT_EQ(a.substr(positions), b.substr(positions));
  EXPECT_NE(a.substr(0, positions), b.substr(0, positions));
}

TEST(MakePasswordSignature, EmptyPasswordHasNoSignature) {
  EXPECT_EQ(MakePasswordSignature(""), "");
}

TEST(SignatureMatches, ComparesOverTheTypedSignaturesLength) {
  const CryptHeader header = CryptHeader::FromBytes(
      *BuildCryptHeader("/tmp/n.txt", 1, MakePasswordSignature("abc"), "Secure"));
  EXPECT_TRUE(SignatureMatches(header, MakePasswordSignature("abc")));
  EXPECT_FALSE(SignatureMatches(header, MakePasswordSignature("abd")));
  EXPECT_FALSE(SignatureMatches(header, MakePasswordSignature("ab")));
  // "\x10" has the one-byte signature 0x01, the first byte of the stored one: accepted.
  EXPECT_TRUE(SignatureMatches(header, MakePasswordSignature("\x10")));
  // A longer typed signature runs into the name and is refused.
  EXPECT_FALSE(SignatureMatches(header, MakePasswordSignature("abcd")));
  // An empty password never matches, though its empty signature equals an empty slice.
  EXPECT_FALSE(SignatureMatches(header, MakePasswordSignature("")));
  EXPECT_FALSE(SignatureMatches(CryptHeader{}, ""));
}

TEST(SignatureMatches, RefusesWhenTheHeaderEndsBeforeTheSignature) {
  const std::string signature = MakePasswordSignature("abc");
  const std::string full = *BuildCryptHeader("", 1, signature, "Quick");
  EXPECT_TRUE(SignatureMatches(CryptHeader::FromBytes(full), signature));
  EXPECT_FALSE(
      SignatureMatches(CryptHeader::FromBytes(full.substr(0, full.size() - 1)), signature));
}

}  // namespace
}  // namespace quorvane
