#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "OpsFixture.h"
#include "format/CryptHeader.h"
#include "format/PasswordSignature.h"
#include "platform/CFile.h"
#include "settings/OptionsProfile.h"

namespace quorvane::test {
namespace {

using Lines = std::vector<std::string>;

Lines Concat(Lines head, const Lines& tail) {
  head.insert(head.end(), tail.begin(), tail.end());
  return head;
}

using EncryptOperation = OpsTest;

TEST_F(EncryptOperation, DefaultRunWritesHeaderAndBodyAndShowsEachStepInOrder) {
  const std::string original = Path("report.doc");
  const std::string crypt = Path("report.crp");
  const std::string content = SampleBytes(2 * 16384 + 1000);
  WriteFileBytes(original, content);
  desktop.AnswerEncryptNames(FileNames{original, crypt});
  desktop.AnswerEncryptPassword("Tiger7");

  EXPECT_EQ(OnFileEncrypt(app, desktop), Outcome::Completed);

  EXPECT_EQ(desktop.Record(),
            (Lines{"encrypt names", "encrypt password",
                   MeterLine("Encrypting File:", original, crypt, "Using Secure Encryption Method"),
                   "meter closed",
                   StatisticsLine(crypt, original, content.size(), "Tiger7", "Secure (Method 2)"),
                   "message information: Encryption Process Completed."}));
  const std::string written = ReadFileBytes(crypt);
  const std::string header = *BuildCryptHeader(original, static_cast<std::uint32_t>(content.size()),
                                               MakePasswordSignature("Tiger7"), "Secure");
  ASSERT_EQ(written.size(), header.size() + content.size());
  EXPECT_EQ(written.substr(0, header.size()), header);
  EXPECT_NE(written.substr(header.size()), content);
  EXPECT_EQ(ReadFileBytes(original), content);
}

TEST_F(EncryptOperation, EveryOptionSetRunsOptionsWipeStatisticsAndHidesTheCrypt) {
  ASSERT_EQ(dir.path().find('.'), std::string::npos) << "the .CRP rule would cut the folder";
  const std::string original = Path("report.doc");
  const std::string secondLink = Path("report-link");
  const std::string crypt = Path("report.CRP");
  const std::string content = SampleBytes(20000);
  WriteFileBytes(original, content);
  ASSERT_EQ(link(original.c_str(), secondLink.c_str()), 0);
  const OptionsProfile profile(Path("quorvane.ini"));
  app.profile = &profile;
  app.options.AlwaysAskOptions = 1;
  app.options.WipeandDeleteOriginalFile = 1;
  app.options.MarkCryptAsHiddenFile = 1;
  app.options.ForceCryptToHaveCRPExtention = 1;
  app.options.EncryptionMethod = "Maximum";
  app.m_strPendingFile = original;  // as a drop hands it over
  desktop.AnswerOptions(app.options);
  desktop.AnswerEncryptNames(FileNames{"ignored: the source is locked", Path("report.old.txt")});
  desktop.AnswerEncryptPassword("pw");

  EXPECT_EQ(OnFileEncrypt(app, desktop), Outcome::Completed);

  EXPECT_EQ(
      desktop.Record(),
      Concat({"options", "encrypt names locked=" + original, "encrypt password",
              MeterLine("Encrypting File:", original, crypt, "Using Maximum Encryption Method"),
              "meter closed"},
             Concat(WipeLines(),
                    {StatisticsLine(crypt, original, content.size(), "pw", "Maximum (Method 3)"),
                     "message information: Encryption Process Completed."})));
  EXPECT_FALSE(FileExists(original));
  EXPECT_EQ(ReadFileBytes(secondLink), std::string(content.size(), '\0'));
  CFileStatus status;
  ASSERT_TRUE(CFile::GetStatus(crypt, status));
  EXPECT_TRUE(status.m_attribute & CFileStatus::hidden);
  EXPECT_EQ(DecryptInto(crypt, Path("restored"), "pw"), Outcome::Completed);
  EXPECT_EQ(ReadFileBytes(Path("restored")), content);
  EXPECT_TRUE(app.m_strPendingFile.empty());
  // The next Encrypt from the menu starts with empty fields again.
  desktop.ClearRecord();
  desktop.AnswerOptions(std::nullopt);
  desktop.AnswerEncryptNames(std::nullopt);
  EXPECT_EQ(OnFileEncrypt(app, desktop), Outcome::Cancelled);
  EXPECT_EQ(desktop.Record(), (Lines{"options", "encrypt names"}));
}

TEST_F(EncryptOperation, UnknownMethodNameWritesMethodZeroWithAQuickBody) {
  const std::string original = Path("a.txt");
  const std::string crypt = Path("a.crp");
  WriteFileBytes(original, "abc");
  app.options.EncryptionMethod = "secure";
  desktop.AnswerEncryptNames(FileNames{original, crypt});
  desktop.AnswerEncryptPassword("k");

  EXPECT_EQ(OnFileEncrypt(app, desktop), Outcome::Completed);

  EXPECT_EQ(desktop.Record().at(2),
            MeterLine("Encrypting File:", original, crypt, "Using Quick Encryption Method"));
  EXPECT_EQ(desktop.Record().at(4), StatisticsLine(crypt, original, 3, "k", "Corrupt Header"));
  const std::string written = ReadFileBytes(crypt);
  ASSERT_GT(written.size(), 3u);
  EXPECT_EQ(written[3], '\0');
  EXPECT_EQ(written.substr(written.size() - 3), "\x16\x26\x36");
}

TEST_F(EncryptOperation, StatisticsFollowOnlyWhenAlwaysShowStatsIsSet) {
  const std::string original = Path("empty");
  WriteFileBytes(original, "");
  app.options.AlwaysShowStats = 0;
  desktop.AnswerEncryptNames(FileNames{original, Path("empty.crp")});
  desktop.AnswerEncryptPassword("pw");

  EXPECT_EQ(OnFileEncrypt(app, desktop), Outcome::Completed);

  EXPECT_EQ(desktop.Record().back(), "message information: Encryption Process Completed.");
  for (const std::string& line : desktop.Record()) EXPECT_NE(line.rfind("statistics", 0), 0u);
  // An empty original gives the header alone.
  EXPECT_EQ(ReadFileBytes(Path("empty.crp")).size(), HeaderLength(original, "pw"));
}

// Every way an encryption ends early: what the user sees, and that nothing is left behind.
TEST(EncryptRefusals, EndWithTheirMessageLeavingTheOriginalAndNoCrypt) {
  struct Case {
    const char* name;
    bool namesCancelled = false;
    const char* originalName = "report.doc";  // relative to the folder
    const char* cryptName = "report.crp";
    std::optional<std::string> password = std::string("pw");
    const char* method = "Secure";
    std::optional<bool> confirmTrashed = std::nullopt;
    std::optional<int> cancelMeterAt = std::nullopt;
    Lines expected;  // "{meter}" stands for the meter's Begin line
    Outcome outcome;
  };
  const std::vector<Case> cases = {
      {.name = "names cancelled",
       .namesCancelled = true,
       .expected = {"encrypt names"},
       .outcome = Outcome::Cancelled},
      {.name = "empty crypt name",
       .cryptName = "",
       .expected = {"encrypt names", "message exclamation: Invalid Encrypted File Name"},
       .outcome = Outcome::Refused},
      {.name = "password cancelled",
       .password = std::nullopt,
       .expected = {"encrypt names", "encrypt password",
                    "message information: Cancelling Encryption Operation"},
       .outcome = Outcome::Cancelled},
      {.name = "original missing",
       .originalName = "missing.doc",
       .expected = {"encrypt names", "encrypt password",
                    "message stop: Cannot open file selected for encryption. Process "
                    "aborted."},
       .outcome = Outcome::Failed},
      {.name = "crypt folder missing",
       .cryptName = "no-such-folder/report.crp",
       .expected = {"encrypt names", "encrypt password",
                    "message stop: Cannot create encrypted file. Process aborted."},
       .outcome = Outcome::Failed},
      {.name = "meter cancelled",
       .cancelMeterAt = 1,
       .expected = {"encrypt names", "encrypt password", "{meter}", "meter closed",
                    "message stop: Cancelling Encryption"},
       .outcome = Outcome::Cancelled},
      {.name = "Trashed warning declined",
       .method = "Trashed (See Help)",
       .confirmTrashed = false,
       .expected = {"encrypt names", "encrypt password",
                    "confirm: WARNING: A file encrypted using the TRASHED method can NEVER "
                    "BE DECRYPTED. Are you SURE?",
                    "message information: Cancelling Encryption Operation."},
       .outcome = Outcome::Cancelled},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TempDir dir;
    const std::string content = SampleBytes(3 * 16384);
    WriteFileBytes(dir / "report.doc", content);
    AppState app;
    app.options.EncryptionMethod = c.method;
    app.options.WipeandDeleteOriginalFile = 1;  // must not run on any of these paths
    const std::string crypt = std::string(c.cryptName).empty() ? "" : dir / c.cryptName;
    {
      ScriptedDesktop desktop;
      if (c.namesCancelled) {
        desktop.AnswerEncryptNames(std::nullopt);
      } else {
        desktop.AnswerEncryptNames(FileNames{dir / c.originalName, crypt});
        if (!crypt.empty()) desktop.AnswerEncryptPassword(c.password);
      }
      if (c.confirmTrashed) desktop.AnswerConfirm(*c.confirmTrashed);
      if (c.cancelMeterAt) desktop.CancelMeterAtPercent(*c.cancelMeterAt);

      EXPECT_EQ(RunCommand(OnFileEncrypt, app, desktop), c.outcome);

      Lines expected = c.expected;
      for (std::string& line : expected) {
        if (line == "{meter}") {
          line = MeterLine("Encrypting File:", dir / "report.doc", crypt,
                           "Using Secure Encryption Method");
        }
      }
      EXPECT_EQ(desktop.Record(), expected);
    }
    EXPECT_EQ(ReadFileBytes(dir / "report.doc"), content);
    EXPECT_FALSE(FileExists(dir / "report.crp"));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
    EXPECT_TRUE(app.m_strPendingFile.empty());
  }
}

// The crypt name reaches the original itself: the create must fail before anything is cut.
TEST(EncryptOntoTheOriginal, IsRefusedAndTheOriginalStaysByteIdentical) {
  struct Case {
    const char* name;
    void (*makeAlias)(const std::string& original, const std::string& alias);
  };
  const std::vector<Case> cases = {
      {"the same name", nullptr},
      {"a hard link",
       [](const std::string& original, const std::string& alias) {
         ASSERT_EQ(link(original.c_str(), alias.c_str()), 0);
       }},
      {"a symbolic link",
       [](const std::string& original, const std::string& alias) {
         ASSERT_EQ(symlink(original.c_str(), alias.c_str()), 0);
       }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TempDir dir;
    const std::string original = dir / "report.doc";
    const std::string content = SampleBytes(40000);
    WriteFileBytes(original, content);
    std::string cryptName = original;
    if (c.makeAlias) {
      cryptName = dir / "alias.crp";
      c.makeAlias(original, cryptName);
    }
    AppState app;
    app.options.WipeandDeleteOriginalFile = 1;
    {
      ScriptedDesktop desktop;
      desktop.AnswerEncryptNames(FileNames{original, cryptName});
      desktop.AnswerEncryptPassword("pw");
      EXPECT_EQ(RunCommand(OnFileEncrypt, app, desktop), Outcome::Failed);
      EXPECT_EQ(desktop.Record().back(),
                "message stop: Cannot create encrypted file. Process aborted.");
    }
    EXPECT_EQ(ReadFileBytes(original), content);
    EXPECT_EQ(ReadFileBytes(cryptName), content);
  }
}

TEST_F(EncryptOperation, OriginalOf4GiBIsRefusedBeforeACryptIsMade) {
  const std::string original = Path("huge.img");
  WriteFileBytes(original, "");
  const std::uintmax_t fourGiB = std::uintmax_t{1} << 32;
  std::filesystem::resize_file(original, fourGiB);  // sparse: no disk space used
  desktop.AnswerEncryptNames(FileNames{original, Path("huge.crp")});
  desktop.AnswerEncryptPassword("pw");
  // Should the refusal go, the copy fails fast instead of writing 4 GiB.
  CFile::SetWriteFaultForTesting(1 << 20);

  EXPECT_EQ(RunCommand(OnFileEncrypt, app, desktop), Outcome::Refused);

  EXPECT_EQ(desktop.Record().back(),
            "message stop: The file selected for encryption is too large (4 GB or more). "
            "Process aborted.");
  EXPECT_FALSE(FileExists(Path("huge.crp")));
  EXPECT_EQ(std::filesystem::file_size(original), fourGiB);
}

}  // namespace
}  // namespace quorvane::test
