#include <gtest/gtest.h>

#include <string>

#include "format/PasswordBytes.h"
#include "format/RestoredName.h"
#include "format/Windows1252.h"

namespace quorvane {
namespace {

TEST(Windows1252, ConvertsBothWays) {
  // "Éü€" in UTF-8 and in Windows-1252.
  const std::string utf8 = "\xC3\x89\xC3\xBC\xE2\x82\xAC";
  const std::string windows = "\xC9\xFC\x80";
  EXPECT_EQ(Utf8ToWindows1252(utf8), windows);
  EXPECT_EQ(Windows1252ToUtf8(windows), utf8);
  EXPECT_EQ(Utf8ToWindows1252("plain ASCII"), "plain ASCII");
}

TEST(Windows1252, RefusesWhatThePageCannotHold) {
  EXPECT_EQ(Utf8ToWindows1252("\xE6\x97\xA5\xE6\x9C\xAC"), std::nullopt);  // 日本
  EXPECT_EQ(Utf8ToWindows1252("\xC9"), std::nullopt);                      // not UTF-8
}

TEST(Windows1252, UndefinedBytesBecomeControlCharacters) {
  EXPECT_EQ(Windows1252ToUtf8("\x81\x9D"), "\xC2\x81\xC2\x9D");
}

TEST(Windows1252, Utf8Validation) {
  struct Case {
    const char* bytes;
    bool valid;
  } cases[] = {
      {"", true},
      {"abc", true},
      {"\xC3\xA9", true},           // é
      {"\xF0\x9F\x94\x91", true},   // a four-byte character
      {"\xC9.DOC", false},          // Windows-1252 É
      {"\xC0\xAF", false},          // overlong "/"
      {"\xE0\x80\xAF", false},      // overlong "/"
      {"\xED\xA0\x80", false},      // surrogate
      {"\xF4\x90\x80\x80", false},  // past U+10FFFF
      {"\xE2\x82", false},          // cut short
  };
  for (const auto& c : cases) {
    EXPECT_EQ(IsValidUtf8(c.bytes), c.valid) << c.bytes;
  }
}

TEST(Windows1252, DisplayNameConvertsOnlyWhatIsNotUtf8) {
  EXPECT_EQ(DisplayName("C:\\DATA\\RAPPORT\xC9.DOC"), "C:\\DATA\\RAPPORT\xC3\x89.DOC");
  EXPECT_EQ(DisplayName("/home/a/r\xC3\xA9sum\xC3\xA9.txt"), "/home/a/r\xC3\xA9sum\xC3\xA9.txt");
}

TEST(PasswordBytes, Windows1252FormWhereThereIsOne) {
  EXPECT_EQ(EncryptionPasswordBytes("gr\xC3\xBC\xC3\x9F"), "gr\xFC\xDF");  // grüß
  EXPECT_EQ(EncryptionPasswordBytes("\xE2\x82\xAC"), "\x80");              // €
  EXPECT_EQ(EncryptionPasswordBytes("\xE6\x97\xA5\xE6\x9C\xAC"),           // 日本 stays UTF-8
            "\xE6\x97\xA5\xE6\x9C\xAC");
  EXPECT_EQ(EncryptionPasswordBytes("\xFC"), "\xFC");  // not UTF-8: bytes as given
}

TEST(PasswordBytes, DecryptionTriesBothFormsOnce) {
  EXPECT_EQ(DecryptionPasswordCandidates("caf\xC3\xA9"),
            (std::vector<std::string>{"caf\xE9", "caf\xC3\xA9"}));
  EXPECT_EQ(DecryptionPasswordCandidates("abc"), (std::vector<std::string>{"abc"}));
  EXPECT_EQ(DecryptionPasswordCandidates("\xE6\x97\xA5"),
            (std::vector<std::string>{"\xE6\x97\xA5"}));
  EXPECT_EQ(DecryptionPasswordCandidates(""), (std::vector<std::string>{""}));
}

TEST(PasswordBytes, CountsCharactersAsTyped) {
  EXPECT_EQ(PasswordCharacterCount("abc"), 3u);
  EXPECT_EQ(PasswordCharacterCount("\xC3\xBC\xE2\x82\xAC"), 2u);
  EXPECT_EQ(PasswordCharacterCount("\xFC\xFC"), 2u);
}

TEST(RestoredName, TableOfHeaderNames) {
  struct Case {
    std::string header;
    std::string crypt;
    std::optional<std::string> target;
  } cases[] = {
      {"/home/u/report.txt", "/tmp/c/r.crp", "/home/u/report.txt"},
      {"/odd\\name", "/tmp/c/r.crp", "/odd\\name"},
      {"C:\\DATA\\REPORT.DOC", "/tmp/c/r.crp", "/tmp/c/REPORT.DOC"},
      {"C:REPORT.DOC", "/tmp/c/r.crp", "/tmp/c/C:REPORT.DOC"},
      {"\\\\server\\share\\dir\\A.TXT", "/tmp/c/r.crp", "/tmp/c/A.TXT"},
      {"notes.txt", "/tmp/c/r.crp", "/tmp/c/notes.txt"},
      {"sub/notes.txt", "/tmp/c/r.crp", "/tmp/c/notes.txt"},
      {"C:\\DATA\\RAPPORT\xC9.DOC", "/tmp/c/r.crp", "/tmp/c/RAPPORT\xC3\x89.DOC"},
      {"C:\\DATA\\REPORT.DOC", "r.crp", "REPORT.DOC"},
      {"C:\\DATA\\REPORT.DOC", "/r.crp", "/REPORT.DOC"},
      {"", "/tmp/c/r.crp", std::nullopt},
      {"C:\\DATA\\", "/tmp/c/r.crp", std::nullopt},
      {"C:\\DATA\\..", "/tmp/c/r.crp", std::nullopt},
      {".", "/tmp/c/r.crp", std::nullopt},
      {std::string("/tmp/a\0b", 8), "/tmp/c/r.crp", std::nullopt},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(RestoredTargetName(c.header, c.crypt), c.target) << c.header;
  }
}

}  // namespace
}  // namespace quorvane
