#include <gtest/gtest.h>
#include <sys/stat.h>

#include <string>

#include "platform/CFile.h"
#include "services/CryptStatistics.h"
#include "support/TempDir.h"

namespace quorvane::test {
namespace {

using Result = CryptStatistics::Result;

// A crypt's bytes with every field given as it lands in the file.
std::string CryptBytes(const std::string& magic, char method, const std::string& sizeField,
                       const std::string& headerSizeField, char nameOffset,
                       const std::string& signature, const std::string& name,
                       const std::string& body = {}) {
  return magic + method + sizeField + headerSizeField + nameOffset + signature + name + body;
}

// A sound crypt: a 3-byte signature and the given name.
std::string SoundCrypt(char method, const std::string& name, const std::string& body,
                       char version = '1') {
  char headerSize[8];
  std::snprintf(headerSize, sizeof headerSize, "%04zx", 20 + name.size());
  return CryptBytes(std::string("AX") + version, method, "000004d2", headerSize, 20, "s\x01g", name,
                    body);
}

CryptStatistics StatsOf(const TempDir& dir, const std::string& bytes) {
  WriteFileBytes(dir / "c.CRP", bytes);
  return ReadCryptStatistics(dir / "c.CRP");
}

TEST(CryptStatistics, TheSevenValuesAndTheFileClosedAfter) {
  TempDir dir;
  // A name in Windows-1252 is shown converted; the bytes are kept as stored.
  const std::string name = "/data/report \xe9.txt";
  const CryptStatistics stats = StatsOf(dir, SoundCrypt(2, name, std::string(100, 'b')));
  ASSERT_EQ(stats.result, Result::Ok);
  EXPECT_EQ(stats.texts.cryptName, dir / "c.CRP");
  EXPECT_EQ(stats.texts.cryptSize, std::to_string(38 + 100));
  EXPECT_EQ(stats.texts.originalName, "/data/report \xc3\xa9.txt");
  EXPECT_EQ(stats.originalNameBytes, name);
  EXPECT_EQ(stats.texts.originalSize, "1234");
  EXPECT_EQ(stats.texts.method, "Secure (Method 2)");
  EXPECT_EQ(stats.texts.headerSize, "38");
  EXPECT_EQ(stats.texts.version, "1.0, 32-Bit (Win95/NT)");
  EXPECT_EQ(stats.cryptSize, 138u);
  EXPECT_EQ(stats.originalSize, 1234u);
  EXPECT_EQ(stats.headerSize, 38);

  CFile again;
  EXPECT_TRUE(again.Open(dir / "c.CRP", CFile::modeReadWrite));
}

TEST(CryptStatistics, MethodLabelsAndVersionDigits) {
  const struct {
    char method;
    const char* label;
  } methods[] = {{1, "Quick (Method 1)"},   {2, "Secure (Method 2)"}, {3, "Maximum (Method 3)"},
                 {4, "Trashed (Method 4)"}, {0, "Corrupt Header"},    {5, "Corrupt Header"},
                 {'\xff', "Corrupt Header"}};
  for (const auto& m : methods) {
    TempDir dir;
    const CryptStatistics stats = StatsOf(dir, SoundCrypt(m.method, "a.txt", "xyz"));
    ASSERT_EQ(stats.result, Result::Ok) << int{m.method};
    EXPECT_EQ(stats.texts.method, m.label);
    EXPECT_EQ(stats.texts.originalName, "a.txt");  // all else read normally
  }
  for (char version : {'1', '2', '9'}) {
    TempDir dir;
    const CryptStatistics stats = StatsOf(dir, SoundCrypt(1, "a", "", version));
    ASSERT_EQ(stats.result, Result::Ok) << version;
    EXPECT_EQ(stats.texts.version, std::string(1, version) + ".0, 32-Bit (Win95/NT)");
  }
}

TEST(CryptStatistics, FilesThatAreNotCryptsAreRefusedAndClosed) {
  for (const std::string& bytes :
       {std::string(), std::string("A"), std::string("AX"), std::string("AX0\x01rest", 8),
        std::string("AXa\x01rest"), std::string("AX:\x01"), std::string("ax1\x01rest"),
        std::string("AX\0"
                    "1",
                    4),
        std::string("XA1\x01")}) {
    TempDir dir;
    EXPECT_EQ(StatsOf(dir, bytes).result, Result::NotACrypt) << bytes;
    CFile again;
    EXPECT_TRUE(again.Open(dir / "c.CRP", CFile::modeReadWrite));
  }
}

TEST(CryptStatistics, AFileThatCannotBeOpened) {
  TempDir dir;
  WriteFileBytes(dir / "held.CRP", SoundCrypt(1, "a", ""));
  CFile holder;
  ASSERT_TRUE(holder.Open(dir / "held.CRP", CFile::modeRead));
  ASSERT_EQ(mkdir((dir / "folder").c_str(), 0700), 0);
  for (const std::string& name : {dir / "held.CRP", dir / "missing", dir / "folder"}) {
    EXPECT_EQ(ReadCryptStatistics(name).result, Result::CannotOpen) << name;
  }
}

TEST(CryptStatistics, DamagedSizeFieldsReadWithoutACrash) {
  const struct {
    const char* what;
    std::string bytes;
    const char* headerSize;
    const char* originalSize;
    std::string name;
  } cases[] = {
      // An empty original: the crypt is the header alone.
      {"empty original", CryptBytes("AX1", 1, "00000000", "0017", 18, "p", "a.txt"), "23", "0",
       "a.txt"},
      {"size at its largest", CryptBytes("AX1", 1, "ffffffff", "0017", 18, "p", "a.txt"), "23",
       "4294967295", "a.txt"},
      {"upper-case hex", CryptBytes("AX1", 1, "000000FF", "0017", 18, "p", "a.txt", "body"), "23",
       "255", "a.txt"},
      {"negative header size", CryptBytes("AX1", 1, "-0000001", "-010", 18, "p", "a.txt"), "-16",
       "4294967295", ""},
      {"header size past the end", CryptBytes("AX1", 1, "00000001", "ffff", 18, "p", "a.txt"),
       "65535", "1", "a.txt"},
      {"header size below the fixed part",
       CryptBytes("AX1", 1, "00000001", "0010", 18, "p", "a.txt"), "16", "1", ""},
      {"no digits", CryptBytes("AX1", 1, "zzzzzzzz", "zzzz", 18, "p", "a.txt"), "0", "0", ""},
      {"name offset past the header", CryptBytes("AX1", 1, "00000001", "0017", 100, "p", "a.txt"),
       "23", "1", ""},
      {"name offset read as negative",
       CryptBytes("AX1", 1, "00000001", "0017", '\x90', "p", "a.txt"), "23", "1",
       CryptBytes("AX1", 1, "00000001", "0017", '\x90', "p", "a.txt")},
      {"cut short in the sizes",
       std::string("AX1\x01"
                   "0000"),
       "0", "0", ""},
  };
  for (const auto& c : cases) {
    TempDir dir;
    const CryptStatistics stats = StatsOf(dir, c.bytes);
    ASSERT_EQ(stats.result, Result::Ok) << c.what;
    EXPECT_EQ(stats.texts.headerSize, c.headerSize) << c.what;
    EXPECT_EQ(stats.texts.originalSize, c.originalSize) << c.what;
    EXPECT_EQ(stats.originalNameBytes, c.name) << c.what;
    EXPECT_EQ(stats.texts.cryptSize, std::to_string(c.bytes.size())) << c.what;
  }
}

}  // namespace
}  // namespace quorvane::test
