#include <gtest/gtest.h>

#include <array>
#include <string>

#include "format/CryptHeader.h"
#include "format/CryptMethod.h"
#include "platform/CFile.h"
#include "support/TempDir.h"

namespace quorvane {
namespace {

using test::TempDir;
using test::WriteFileBytes;

using namespace std::string_literals;

TEST(MethodNumberFromName, MapsNamesCaseSensitively) {
  const struct {
    const char* name;
    CryptMethod expected;
  } cases[] = {
      {"Quick", MethodQuick},
      {"Secure", MethodSecure},
      {"Maximum", MethodMaximum},
      {"Trashed (See Help)", MethodTrashed},
      {"Trash", MethodTrashed},
      {"NoTrashHere", MethodTrashed},
      {"quick", MethodNone},
      {"Quick ", MethodNone},
      {"Secure (default)", MethodNone},
      {"trashed", MethodNone},
      {"", MethodNone},
  };
  for (const auto& c : cases) EXPECT_EQ(MethodNumberFromName(c.name), c.expected) << c.name;
}

TEST(BuildCryptHeader, LaysOutTheSecureExampleIn38Bytes) {
  const auto header = BuildCryptHeader("C:\\DATA\\REPORT.TXT", 1234, "\x01\x16\x11", "Secure");
  ASSERT_TRUE(header);
  EXPECT_EQ(*header,
            "AX1\x02"s
            "000004d2"
            "0026"
            "\x14"
            "\x01\x16\x11"
            "C:\\DATA\\REPORT.TXT");
  EXPECT_EQ(header->size(), 38u);
}

TEST(BuildCryptHeader, LaysOutAOneByteSignatureIn23Bytes) {
  const auto header = BuildCryptHeader("A.TXT", 0, "\x14", "Quick");
  ASSERT_TRUE(header);
  EXPECT_EQ(*header,
            "AX1\x01"s
            "00000000"
            "0017"
            "\x12"
            "\x14"
            "A.TXT");
}

TEST(BuildCryptHeader, WritesSizesInLowercaseAndUnknownMethodsAsZero) {
  const auto header = BuildCryptHeader("x", 0xFFFFFFFFu, "\x14", "Blowfish");
  ASSERT_TRUE(header);
  EXPECT_EQ(header->substr(3, 13),
            "\x00"s
            "ffffffff0013");
}

TEST(BuildCryptHeader, RefusesAHeaderPast65535Bytes) {
  const std::string signature = "\x01\x16\x11";
  const std::string longest(0xFFFF - 17 - signature.size(), 'n');
  const auto fits = BuildCryptHeader(longest, 1, signature, "Quick");
  ASSERT_TRUE(fits);
  EXPECT_EQ(fits->size(), 0xFFFFu);
  EXPECT_EQ(fits->substr(12, 4), "ffff");
  EXPECT_FALSE(BuildCryptHeader(longest + "n", 1, signature, "Quick"));
}

TEST(BuildCryptHeader, RefusesASignatureWhoseNameOffsetWouldReadBackNegative) {
  EXPECT_TRUE(BuildCryptHeader("a", 1, std::string(110, 's'), "Quick"));
  EXPECT_FALSE(BuildCryptHeader("a", 1, std::string(111, 's'), "Quick"));
}

TEST(HexFields, ParseLeniently) {
  const struct {
    std::string field;
    std::int32_t asSigned;
    std::uint32_t asUnsigned;
  } cases[] = {
      {"0026", 0x26, 0x26},
      {"00FF", 255, 255},
      {"00ff", 255, 255},
      {"  1f", 31, 31},
      {"\t\n+1f", 31, 31},
      {"-011", -17, 0u - 17u},
      {"0x1f", 31, 31},
      {"0X1F", 31, 31},
      {"-0x1", -1, 0xFFFFFFFFu},
      {"0xg1", 0, 0},  // "0" then a stop at "x"
      {"12z4", 0x12, 0x12},
      {"zz12", 0, 0},
      {"", 0, 0},
      {"    ", 0, 0},
      {"\0\0\0\0"s, 0, 0},
      {"+-12", 0, 0},
      {"ffffffff", INT32_MAX, 0xFFFFFFFFu},
      {"000004d2", 1234, 1234},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ParseHexSigned(c.field), c.asSigned) << '"' << c.field << '"';
    EXPECT_EQ(ParseHexUnsigned(c.field), c.asUnsigned) << '"' << c.field << '"';
  }
}

TEST(ClampedSlice, StaysInsideTheBytes) {
  const struct {
    std::int64_t start;
    std::int64_t count;
    const char* expected;
  } cases[] = {
      {0, 6, "abcdef"}, {2, 2, "cd"}, {-3, 2, "ab"}, {4, 10, "ef"},       {6, 1, ""},
      {99, 1, ""},      {1, 0, ""},   {1, -5, ""},   {-99, 99, "abcdef"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ClampedSlice("abcdef", c.start, c.count), c.expected)
        << "start " << c.start << " count " << c.count;
  }
}

TEST(CryptHeader, TakesFieldsFromABuiltHeader) {
  const auto bytes = BuildCryptHeader("/home/u/report.txt", 0x12345678, "\x01\x16\x11", "Maximum");
  ASSERT_TRUE(bytes);
  const CryptHeader header = CryptHeader::FromBytes(*bytes);
  EXPECT_EQ(header.Method(), 3);
  EXPECT_EQ(header.OriginalSize(), 0x12345678u);
  EXPECT_EQ(header.HeaderSize(), static_cast<std::int32_t>(bytes->size()));
  EXPECT_EQ(header.NameOffset(), 20);
  EXPECT_EQ(header.OriginalName(), "/home/u/report.txt");
  EXPECT_EQ(header.SignatureSlice(3), "\x01\x16\x11");
  EXPECT_EQ(header.VersionDigit(), '1');
}

TEST(CryptHeader, ClampsNameAndSignatureToTheBytesRead) {
  const std::string fixed =
      "AX1\x01"
      "00000001"
      "0015"s;
  // A name offset past the end gives an empty name; one of 128 or more reads as negative and
  // gives the whole header.
  EXPECT_EQ(CryptHeader::FromBytes(fixed + "\x40"
                                           "abcd")
                .OriginalName(),
            "");
  EXPECT_EQ(CryptHeader::FromBytes(fixed + "\x80"
                                           "abcd")
                .NameOffset(),
            -128);
  EXPECT_EQ(CryptHeader::FromBytes(fixed + "\x80"
                                           "abcd")
                .OriginalName(),
            fixed +
                "\x80"
                "abcd");
  EXPECT_EQ(CryptHeader::FromBytes(fixed + "\x12"
                                           "abcd")
                .SignatureSlice(10),
            "abcd");
  // Cut short before the name offset: no name, no signature, fixed fields still readable.
  const CryptHeader shortHeader = CryptHeader::FromBytes(
      "AX1\x02"
      "0000");
  EXPECT_EQ(shortHeader.Method(), 2);
  EXPECT_EQ(shortHeader.OriginalSize(), 0u);
  EXPECT_EQ(shortHeader.OriginalName(), "");
  EXPECT_EQ(shortHeader.SignatureSlice(3), "");
}

// Each crypt file on disk and what ReadCryptHeader makes of it.
TEST(ReadCryptHeader, ReadsWhatTheFileHoldsAndStopsAfterIt) {
  const std::string sound = *BuildCryptHeader("/tmp/a.txt", 5, "\x14", "Secure");
  const struct {
    const char* what;
    std::string file;
    std::string expectedHeader;
    std::int32_t headerSize;
  } cases[] = {
      {"sound crypt with a body", sound + "BODY!", sound, static_cast<std::int32_t>(sound.size())},
      {"header alone", sound, sound, static_cast<std::int32_t>(sound.size())},
      {"size past the end of the file",
       "AX1\x01"
       "00000000"
       "0100"
       "\x12\x14"
       "name"s,
       "AX1\x01"
       "00000000"
       "0100"
       "\x12\x14"
       "name"s,
       0x100},
      {"uppercase size",
       "AX1\x01"
       "00000000"
       "001A"
       "\x12\x14"
       "ABCDEFGHbody"s,
       "AX1\x01"
       "00000000"
       "001A"
       "\x12\x14"
       "ABCDEFGH"s,
       0x1A},
      {"size zero",
       "AX1\x01"
       "00000000"
       "0000"
       "\x12\x14"
       "x"s,
       "", 0},
      {"negative size",
       "AX1\x01"
       "00000000"
       "-011"
       "\x12\x14"
       "x"s,
       "", -17},
      {"shorter than 16 bytes", "AX1\x02"s, "", 0},
      {"empty file", "", "", 0},
      {"size smaller than the fixed part",
       "AX1\x01"
       "00000000"
       "0005"
       "\x12\x14"s,
       "AX1\x01\x30"s, 5},
  };
  TempDir dir;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    WriteFileBytes(dir / "crypt.crp", c.file);
    CFile file;
    ASSERT_TRUE(file.Open(dir / "crypt.crp", CFile::modeRead));
    char skipped[3];
    file.Read(skipped, 3);  // a reader may have looked at the magic first
    const CryptHeader header = ReadCryptHeader(file);
    EXPECT_EQ(header.Bytes(), c.expectedHeader);
    EXPECT_EQ(header.HeaderSize(), c.headerSize);
    EXPECT_EQ(file.GetPosition(), c.expectedHeader.size());
    std::array<unsigned char, kCryptFirstBytes> first{};
    for (std::size_t i = 0; i < first.size() && i < c.file.size(); ++i) {
      first[i] = static_cast<unsigned char>(c.file[i]);
    }
    EXPECT_EQ(header.FirstBytes(), first);
  }
}

TEST(ReadCryptHeader, GivesBackTheFieldsThatWereBuilt) {
  TempDir dir;
  const std::string name = "/srv/files/\xE9t\xE9.doc";
  const std::string signature = "\x01\x16\x11";
  WriteFileBytes(dir / "x.crp", *BuildCryptHeader(name, 4096, signature, "Trashed (See Help)"));
  CFile file;
  ASSERT_TRUE(file.Open(dir / "x.crp", CFile::modeRead));
  const CryptHeader header = ReadCryptHeader(file);
  EXPECT_EQ(header.Method(), MethodTrashed);
  EXPECT_EQ(header.OriginalSize(), 4096u);
  EXPECT_EQ(header.OriginalName(), name);
  EXPECT_EQ(header.SignatureSlice(signature.size()), signature);
}

TEST(IsCryptProbe, NeedsTheMagicAndAMethodOfOneToFour) {
  const struct {
    std::array<unsigned char, 4> bytes;
    bool expected;
  } cases[] = {
      {{'A', 'X', '1', 1}, true},  {{'A', 'X', '1', 4}, true},     {{'A', 'X', '1', 0}, false},
      {{'A', 'X', '1', 5}, false}, {{'A', 'X', '1', 0x81}, false}, {{'A', 'X', '2', 1}, false},
      {{'a', 'x', '1', 1}, false}, {{'A', 'X', 0, 0}, false},      {{0, 0, 0, 0}, false},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(IsCryptProbe(c.bytes), c.expected)
        << c.bytes[0] << c.bytes[1] << c.bytes[2] << " " << int{c.bytes[3]};
  }
}

}  // namespace
}  // namespace quorvane
