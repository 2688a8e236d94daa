// Crypts as the Windows program writes them: Windows paths in the ANSI code page, signatures of
// the password's Windows-1252 bytes. Built byte by byte from the format.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "OpsFixture.h"
#include "format/CryptHeader.h"
#include "format/PasswordSignature.h"
#include "support/CryptBytes.h"

namespace quorvane::test {
namespace {

using Lines = std::vector<std::string>;

using WindowsCrypts = OpsTest;

TEST_F(WindowsCrypts, DecryptIntoTheCryptsFolderWithTheUtf8Password) {
  struct Case {
    const char* what;
    std::string headerName;
    std::string windowsPassword;  // Windows-1252 bytes, as the signature was made
    std::string typedPassword;    // UTF-8, as typed here
    std::string restoredName;     // in the crypt's folder
  } cases[] = {
      {"drive letter", "C:\\DATA\\REPORT.DOC", "gr\xFCn", "gr\xC3\xBCn", "REPORT.DOC"},
      {"no drive letter", "\\DATA\\NOTES.TXT", "caf\xE9", "caf\xC3\xA9", "NOTES.TXT"},
      {"UNC", "\\\\server\\share\\dir\\A.TXT",
       "Stra\xDF"
       "e",
       "Stra\xC3\x9F"
       "e",
       "A.TXT"},
      {"relative", "LETTER.TXT", "\x80uro", "\xE2\x82\xACuro", "LETTER.TXT"},
      {"name in Windows-1252", "C:\\DATA\\RAPPORT\xC9.DOC", "\xFC\xE9\xDF\x80",
       "\xC3\xBC\xC3\xA9\xC3\x9F\xE2\x82\xAC", "RAPPORT\xC3\x89.DOC"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const std::string crypt = Path("win.crp");
    const std::string content = SampleBytes(20000);
    WriteFileBytes(crypt, CryptFileBytes(c.headerName, c.windowsPassword, content));
    ScriptedDesktop desk;
    desk.AnswerDecryptPassword(c.typedPassword);
    app.m_strPendingFile = crypt;

    EXPECT_EQ(OnFileDecrypt(app, desk), Outcome::Completed);

    const std::string target = Path(c.restoredName);
    EXPECT_EQ(desk.Record(),
              (Lines{"decrypt password",
                     MeterLine("Decrypting File:", crypt, target, "Using Quick Decryption Method"),
                     "meter closed", "message information: Decryption Process Completed."}));
    EXPECT_EQ(ReadFileBytes(target), content);
    EXPECT_FALSE(FileExists(crypt));
    std::filesystem::remove(target);
  }
}

TEST_F(WindowsCrypts, AWrongPasswordIsStillRefused) {
  const std::string crypt = Path("win.crp");
  const std::string bytes = CryptFileBytes("C:\\DATA\\REPORT.DOC", "gr\xFCn", "data");
  WriteFileBytes(crypt, bytes);
  for (const char* wrong : {"grun", "gr\xC3\xBC", "GR\xC3\x9CN", ""}) {
    ScriptedDesktop desk;
    desk.AnswerDecryptPassword(std::string(wrong));
    app.m_strPendingFile = crypt;
    EXPECT_EQ(OnFileDecrypt(app, desk), Outcome::Refused) << wrong;
    EXPECT_EQ(desk.Record().back(),
              "message exclamation: The password you gave for this file is incorrect.");
  }
  EXPECT_EQ(ReadFileBytes(crypt), bytes);
  EXPECT_FALSE(FileExists(Path("REPORT.DOC")));
}

TEST_F(WindowsCrypts, AHeaderNameThatNamesNoFileIsRefused) {
  for (const char* name : {"C:\\DATA\\", "C:\\DATA\\..", "."}) {
    SCOPED_TRACE(name);
    const std::string crypt = Path("win.crp");
    const std::string bytes = CryptFileBytes(name, "pw", "data");
    WriteFileBytes(crypt, bytes);
    ScriptedDesktop desk;
    desk.AnswerDecryptPassword("pw");
    app.m_strPendingFile = crypt;
    EXPECT_EQ(OnFileDecrypt(app, desk), Outcome::Failed);
    EXPECT_EQ(desk.Record(),
              (Lines{"decrypt password", "message stop: Unable to create unencrypted file."}));
    EXPECT_EQ(ReadFileBytes(crypt), bytes);
  }
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
}

// A crypt made here carries the Windows-1252 signature where the password has that form, the
// UTF-8 one where it does not; both decrypt here.
TEST_F(WindowsCrypts, CryptsMadeHereCarryTheWindowsSignatureWhereThereIsOne) {
  struct Case {
    std::string typed;
    std::string signedBytes;
  } cases[] = {
      {"gr\xC3\xBC\xC3\x9F", "gr\xFC\xDF"},  // grüß
      {"\xE2\x82\xAC"
       "5",
       "\x80"
       "5"},                                                     // €5
      {"\xE6\x97\xA5\xE6\x9C\xAC", "\xE6\x97\xA5\xE6\x9C\xAC"},  // 日本
  };
  for (const auto& c : cases) {
    const std::string original = Path("plain.txt");
    const std::string crypt = Path("plain.crp");
    WriteFileBytes(original, "some text");
    MakeCrypt(original, crypt, c.typed, "Quick");
    const CryptHeader header = CryptHeader::FromBytes(ReadFileBytes(crypt));
    const std::string signature = MakePasswordSignature(c.signedBytes);
    EXPECT_EQ(header.NameOffset(), static_cast<int>(17 + signature.size()));
    EXPECT_EQ(header.SignatureSlice(signature.size()), signature);

    std::filesystem::remove(original);
    ScriptedDesktop desk;
    desk.AnswerDecryptPassword(c.typed);
    app.m_strPendingFile = crypt;
    EXPECT_EQ(OnFileDecrypt(app, desk), Outcome::Completed);
    EXPECT_EQ(ReadFileBytes(original), "some text");
  }
}

// Earlier builds signed the typed UTF-8 bytes; their crypts stay readable.
TEST_F(WindowsCrypts, CryptsOfEarlierBuildsStillDecrypt) {
  const std::string target = Path("old.txt");
  const std::string crypt = Path("old.crp");
  WriteFileBytes(crypt, CryptFileBytes(target, "gr\xC3\xBC\xC3\x9F", "old content"));
  ScriptedDesktop desk;
  desk.AnswerDecryptPassword("gr\xC3\xBC\xC3\x9F");
  app.m_strPendingFile = crypt;
  EXPECT_EQ(OnFileDecrypt(app, desk), Outcome::Completed);
  EXPECT_EQ(ReadFileBytes(target), "old content");
}

TEST_F(WindowsCrypts, StatisticsShowTheConvertedNameAndKeepTheBytes) {
  const std::string crypt = Path("win.crp");
  const std::string bytes = CryptFileBytes("C:\\DATA\\RAPPORT\xC9.DOC", "pw", "12345");
  WriteFileBytes(crypt, bytes);
  EXPECT_EQ(ShowCryptStatistics(crypt, desktop), Outcome::Completed);
  ASSERT_EQ(desktop.Record().size(), 1u);
  EXPECT_NE(desktop.Record()[0].find(" | C:\\DATA\\RAPPORT\xC3\x89.DOC | 5 | "), std::string::npos)
      << desktop.Record()[0];
  EXPECT_EQ(ReadFileBytes(crypt), bytes);
}

}  // namespace
}  // namespace quorvane::test
