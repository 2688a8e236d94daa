#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "OpsFixture.h"
#include "format/CryptHeader.h"
#include "format/PasswordSignature.h"

namespace quorvane::test {
namespace {

using Lines = std::vector<std::string>;

const char kLengthWarning[] =
    "message exclamation: WARNING: Decrypted file length does not match the length of the "
    "original file stored in the encrypted header. The decrypted file may have errors.";

using DecryptOperation = OpsTest;

TEST_F(DecryptOperation, DefaultRunRestoresTheHeaderNameAndRemovesTheCrypt) {
  const std::string original = Path("report.doc");
  const std::string crypt = Path("report.crp");
  const std::string content = SampleBytes(50000);
  WriteFileBytes(original, content);
  MakeCrypt(original, crypt, "Tiger7");
  std::filesystem::remove(original);
  desktop.AnswerDecryptNames(FileNames{crypt, "(Name Restored From Encryption Header)"});
  desktop.AnswerDecryptPassword("Tiger7");

  EXPECT_EQ(OnFileDecrypt(app, desktop), Outcome::Completed);

  EXPECT_EQ(desktop.Record(),
            (Lines{"decrypt names", "decrypt password",
                   MeterLine("Decrypting File:", crypt, original, "Using Secure Decryption Method"),
                   "meter closed", "message information: Decryption Process Completed."}));
  EXPECT_EQ(ReadFileBytes(original), content);
  EXPECT_FALSE(FileExists(crypt));
}

// Each method, and the method byte 0 that an unknown method name gives, at lengths around the
// block size.
TEST_F(DecryptOperation, EveryMethodRoundTrips) {
  for (const char* method : {"Quick", "Secure", "Maximum", "no such method"}) {
    for (std::size_t size : {0u, 1u, 16384u, 16385u, 3u * 16384u + 77u}) {
      SCOPED_TRACE(std::string(method) + " " + std::to_string(size));
      const std::string original = Path("plain");
      const std::string content = SampleBytes(size);
      WriteFileBytes(original, content);
      MakeCrypt(original, Path("plain.crp"), "secret", method);
      std::filesystem::remove(original);
      ScriptedDesktop quiet;
      quiet.AnswerDecryptNames(FileNames{Path("plain.crp"), ""});
      quiet.AnswerDecryptPassword("secret");
      EXPECT_EQ(OnFileDecrypt(app, quiet), Outcome::Completed);
      EXPECT_EQ(ReadFileBytes(original), content);
      EXPECT_FALSE(FileExists(Path("plain.crp")));
    }
  }
}

TEST_F(DecryptOperation, DroppedCryptGoesStraightToThePassword) {
  const std::string original = Path("a.txt");
  WriteFileBytes(original, "dropped");
  MakeCrypt(original, Path("a.crp"), "pw", "Quick");
  std::filesystem::remove(original);
  app.m_strPendingFile = Path("a.crp");
  desktop.AnswerDecryptPassword("pw");

  EXPECT_EQ(OnFileDecrypt(app, desktop), Outcome::Completed);

  EXPECT_EQ(desktop.Record().front(), "decrypt password");
  EXPECT_EQ(ReadFileBytes(original), "dropped");
}

TEST_F(DecryptOperation, NewNameIsUsedWhenAllowedAndTheHeaderNameWhenLeftEmpty) {
  const std::string original = Path("a.txt");
  WriteFileBytes(original, "first");
  MakeCrypt(original, Path("a.crp"), "pw");
  app.options.AllowNewDecryptionName = 5;  // any non-zero value counts as set
  app.options.DeleteCryptAfterDecryption = 0;
  app.m_strPendingFile = Path("a.crp");
  desktop.AnswerDecryptNames(FileNames{Path("a.crp"), Path("elsewhere.txt")});
  desktop.AnswerDecryptPassword("pw");
  desktop.AnswerDecryptNames(FileNames{Path("a.crp"), ""});
  desktop.AnswerDecryptPassword("pw");
  WriteFileBytes(original, "changed since");

  EXPECT_EQ(OnFileDecrypt(app, desktop), Outcome::Completed);
  EXPECT_EQ(ReadFileBytes(Path("elsewhere.txt")), "first");
  EXPECT_EQ(ReadFileBytes(original), "changed since");
  EXPECT_EQ(desktop.Record().front(), "decrypt names locked=" + Path("a.crp") + " new-name");

  app.m_strPendingFile = Path("a.crp");
  EXPECT_EQ(OnFileDecrypt(app, desktop), Outcome::Completed);
  EXPECT_EQ(ReadFileBytes(original), "first");
  EXPECT_TRUE(FileExists(Path("a.crp")));
}

TEST_F(DecryptOperation, CryptCutShortWarnsButCompletes) {
  const std::string original = Path("a.txt");
  const std::string content = SampleBytes(30000);
  WriteFileBytes(original, content);
  MakeCrypt(original, Path("a.crp"), "pw");
  std::filesystem::remove(original);
  std::filesystem::resize_file(Path("a.crp"), std::filesystem::file_size(Path("a.crp")) - 100);
  app.m_strPendingFile = Path("a.crp");
  desktop.AnswerDecryptPassword("pw");

  EXPECT_EQ(OnFileDecrypt(app, desktop), Outcome::Completed);

  const Lines& record = desktop.Record();
  ASSERT_GE(record.size(), 2u);
  EXPECT_EQ(record[record.size() - 2], kLengthWarning);
  EXPECT_EQ(record.back(), "message information: Decryption Process Completed.");
  EXPECT_EQ(ReadFileBytes(original).size(), content.size() - 100);
  EXPECT_FALSE(FileExists(Path("a.crp")));
}

// Every way a decryption ends early: its messages, the crypt unchanged and no target left.
TEST(DecryptRefusals, EndWithTheirMessageLeavingTheCryptAndNoTarget) {
  struct Case {
    const char* name;
    bool namesCancelled = false;
    const char* cryptName = "a.crp";
    const char* method = "Secure";
    std::optional<std::string> password = std::string("right");
    int allowNewName = 0;
    // With allowNewName: the target relative to the folder; "=crypt" names the crypt itself
    // and "=link" a hard link to it.
    const char* target = "";
    std::optional<int> cancelMeterAt = std::nullopt;
    Lines afterNames;  // what follows the names dialog; "{meter}" is the meter's Begin line
    Outcome outcome;
  };
  const std::vector<Case> cases = {
      {.name = "names cancelled",
       .namesCancelled = true,
       .afterNames = {},
       .outcome = Outcome::Cancelled},
      {.name = "password cancelled",
       .password = std::nullopt,
       .afterNames = {"decrypt password", "message information: Decryption Operation Cancelled."},
       .outcome = Outcome::Cancelled},
      {.name = "crypt missing",
       .cryptName = "missing.crp",
       .afterNames = {"decrypt password", "message stop: Unable to open file for decryption."},
       .outcome = Outcome::Failed},
      {.name = "wrong password",
       .password = std::string("wrong"),
       .afterNames = {"decrypt password",
                      "message exclamation: The password you gave for this file is "
                      "incorrect."},
       .outcome = Outcome::Refused},
      {.name = "empty password",
       .password = std::string(""),
       .afterNames = {"decrypt password",
                      "message exclamation: The password you gave for this file is "
                      "incorrect."},
       .outcome = Outcome::Refused},
      {.name = "Trashed crypt, whatever the password",
       .method = "Trashed (See Help)",
       .password = std::string("anything"),
       .afterNames = {"decrypt password",
                      "message exclamation: This file was encrypted using the 'Trashed' "
                      "method and cannot be decrypted."},
       .outcome = Outcome::Refused},
      {.name = "target folder missing",
       .allowNewName = 1,
       .target = "no-such-folder/a.txt",
       .afterNames = {"decrypt password", "message stop: Unable to create unencrypted file."},
       .outcome = Outcome::Failed},
      {.name = "target is the crypt",
       .allowNewName = 1,
       .target = "=crypt",
       .afterNames = {"decrypt password", "message stop: Unable to create unencrypted file."},
       .outcome = Outcome::Failed},
      {.name = "target is a hard link to the crypt",
       .allowNewName = 1,
       .target = "=link",
       .afterNames = {"decrypt password", "message stop: Unable to create unencrypted file."},
       .outcome = Outcome::Failed},
      {.name = "meter cancelled",
       .cancelMeterAt = 1,
       .afterNames = {"decrypt password", "{meter}", "meter closed",
                      "message stop: Cancelling Decryption.", kLengthWarning},
       .outcome = Outcome::Cancelled},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TempDir dir;
    const std::string original = dir / "a.txt";
    const std::string crypt = dir / "a.crp";
    {
      WriteFileBytes(original, SampleBytes(3 * 16384));
      AppState maker;
      maker.options.EncryptionMethod = c.method;
      ScriptedDesktop quiet;
      quiet.AnswerEncryptNames(FileNames{original, crypt});
      quiet.AnswerEncryptPassword("right");
      if (std::string(c.method).find("Trash") != std::string::npos) quiet.AnswerConfirm(true);
      maker.options.AlwaysShowStats = 0;
      ASSERT_EQ(OnFileEncrypt(maker, quiet), Outcome::Completed);
      std::filesystem::remove(original);
    }
    const std::string cryptBytes = ReadFileBytes(crypt);
    std::string target;
    if (std::string(c.target) == "=crypt") {
      target = crypt;
    } else if (std::string(c.target) == "=link") {
      target = dir / "link.crp";
      ASSERT_EQ(link(crypt.c_str(), target.c_str()), 0);
    } else if (*c.target) {
      target = dir / c.target;
    }
    AppState app;
    app.options.AllowNewDecryptionName = c.allowNewName;
    {
      ScriptedDesktop desktop;
      if (c.namesCancelled) {
        desktop.AnswerDecryptNames(std::nullopt);
      } else {
        desktop.AnswerDecryptNames(FileNames{dir / c.cryptName, target});
        desktop.AnswerDecryptPassword(c.password);
      }
      if (c.cancelMeterAt) desktop.CancelMeterAtPercent(*c.cancelMeterAt);

      EXPECT_EQ(RunCommand(OnFileDecrypt, app, desktop), c.outcome);

      Lines expected{c.allowNewName ? "decrypt names new-name" : "decrypt names"};
      for (const std::string& line : c.afterNames) {
        expected.push_back(line != "{meter}" ? line
                                             : MeterLine("Decrypting File:", crypt, original,
                                                         "Using Secure Decryption Method"));
      }
      EXPECT_EQ(desktop.Record(), expected);
    }
    EXPECT_EQ(ReadFileBytes(crypt), cryptBytes);
    EXPECT_FALSE(FileExists(original));
    if (!target.empty() && target != crypt && std::string(c.target) != "=link") {
      EXPECT_FALSE(FileExists(target));
    }
    EXPECT_TRUE(app.m_strPendingFile.empty());
  }
}

// Headers that cannot be decrypted, each with the signature of the right password in place, so
// only the header check can refuse them.
TEST(DecryptDamagedHeader, IsRefusedAsNotACryptWithTheCryptUntouched) {
  struct Case {
    const char* name;
    void (*damage)(std::string& crypt);
  };
  // Header fields of the sound crypt below: size at 12..15, name offset at 16.
  const std::vector<Case> cases = {
      {"header size below 18", [](std::string& c) { c.replace(12, 4, "0011"); }},
      {"header size negative", [](std::string& c) { c.replace(12, 4, "-020"); }},
      {"header size past the end of the file", [](std::string& c) { c.replace(12, 4, "ffff"); }},
      {"name offset 17", [](std::string& c) { c[16] = 17; }},
      {"name offset past the header", [](std::string& c) { c[16] = 100; }},
      {"name offset negative", [](std::string& c) { c[16] = static_cast<char>(0x90); }},
      {"method byte 5", [](std::string& c) { c[3] = 5; }},
      {"method byte -1", [](std::string& c) { c[3] = static_cast<char>(0xFF); }},
      {"cut inside the header", [](std::string& c) { c.resize(20); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TempDir dir;
    const std::string target = dir / "out.txt";
    std::string bytes =
        *BuildCryptHeader(target, 4, MakePasswordSignature("right"), "Quick") + "\x16\x26\x36\x46";
    c.damage(bytes);
    const std::string crypt = dir / "a.crp";
    WriteFileBytes(crypt, bytes);
    AppState app;
    {
      ScriptedDesktop desktop;
      desktop.AnswerDecryptNames(FileNames{crypt, ""});
      desktop.AnswerDecryptPassword("right");
      EXPECT_EQ(RunCommand(OnFileDecrypt, app, desktop), Outcome::Refused);
      EXPECT_EQ(desktop.Record(),
                (Lines{"decrypt names", "decrypt password",
                       "message exclamation: The file you selected is not a Quorvane encrypted "
                       "file."}));
    }
    EXPECT_EQ(ReadFileBytes(crypt), bytes);
    EXPECT_FALSE(FileExists(target));
    EXPECT_TRUE(NotHeldOpen(crypt));
  }
}

TEST_F(DecryptOperation, SoundHandMadeHeaderWithMethodZeroDecryptsWithQuick) {
  const std::string target = Path("out.txt");
  const std::string crypt = Path("a.crp");
  WriteFileBytes(crypt,
                 *BuildCryptHeader(target, 3, MakePasswordSignature("right"), "") + "\x16\x26\x36");
  app.m_strPendingFile = crypt;
  desktop.AnswerDecryptPassword("right");

  EXPECT_EQ(OnFileDecrypt(app, desktop), Outcome::Completed);

  EXPECT_EQ(desktop.Record().at(1),
            MeterLine("Decrypting File:", crypt, target, "Using Quick Decryption Method"));
  EXPECT_EQ(ReadFileBytes(target), "abc");
}

}  // namespace
}  // namespace quorvane::test
