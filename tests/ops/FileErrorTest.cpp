#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <new>
#include <string>
#include <vector>

#include "OpsFixture.h"
#include "platform/CFile.h"

namespace quorvane::test {
namespace {

using Lines = std::vector<std::string>;
using FileErrors = OpsTest;

bool Shows(const Lines& record, const std::string& prefix) {
  return std::any_of(record.begin(), record.end(),
                     [&](const std::string& line) { return line.rfind(prefix, 0) == 0; });
}

TEST_F(FileErrors, DiskFullInTheCryptBodyEndsTheRunWithTheOriginalIntactAndNoWipe) {
  const std::string original = Path("a.txt");
  const std::string crypt = Path("a.crp");
  const std::string content = SampleBytes(5 * 16384);
  WriteFileBytes(original, content);
  app.options.WipeandDeleteOriginalFile = 1;
  app.m_strPendingFile = original;
  desktop.AnswerEncryptNames(FileNames{original, crypt});
  desktop.AnswerEncryptPassword("pw");
  CFile::SetWriteFaultForTesting(HeaderLength(original, "pw") + 2 * 16384 + 100);

  EXPECT_EQ(RunCommand(OnFileEncrypt, app, desktop), Outcome::Failed);

  EXPECT_EQ(desktop.Record().back(), "file error: Disk full while accessing " + crypt + ".");
  EXPECT_FALSE(Shows(desktop.Record(), "wipe"));
  EXPECT_FALSE(Shows(desktop.Record(), "statistics"));
  EXPECT_EQ(ReadFileBytes(original), content);
  EXPECT_TRUE(NotHeldOpen(original));
  EXPECT_FALSE(FileExists(crypt)) << "a cut crypt was left behind";
}

TEST_F(FileErrors, DiskFullInTheDecryptedFileKeepsTheCryptAndLeavesNoTarget) {
  const std::string original = Path("a.txt");
  const std::string crypt = Path("a.crp");
  WriteFileBytes(original, SampleBytes(5 * 16384));
  MakeCrypt(original, crypt, "pw");
  const std::string cryptBytes = ReadFileBytes(crypt);
  desktop.AnswerDecryptNames(FileNames{crypt, Path("out.txt")});
  desktop.AnswerDecryptPassword("pw");
  app.options.AllowNewDecryptionName = 1;
  CFile::SetWriteFaultForTesting(3 * 16384);

  EXPECT_EQ(RunCommand(OnFileDecrypt, app, desktop), Outcome::Failed);

  EXPECT_EQ(desktop.Record().back(),
            "file error: Disk full while accessing " + Path("out.txt") + ".");
  EXPECT_EQ(ReadFileBytes(crypt), cryptBytes);
  EXPECT_TRUE(NotHeldOpen(crypt));
  EXPECT_FALSE(FileExists(Path("out.txt")));
}

// Once the crypt is complete it is the only copy that matters: an error in the wipe or in the
// removal of the original ends the run there, before the statistics, and keeps the crypt.
TEST_F(FileErrors, FailureAfterTheCryptIsCompleteKeepsTheCrypt) {
  const std::string original = Path("a.txt");
  const std::string crypt = Path("a.crp");
  const std::string content = SampleBytes(40000);
  for (const bool failInWipe : {true, false}) {
    SCOPED_TRACE(failInWipe ? "write error in the wipe" : "read-only original");
    WriteFileBytes(original, content);
    app.options.WipeandDeleteOriginalFile = 1;
    desktop.ClearRecord();
    desktop.AnswerEncryptNames(FileNames{original, crypt});
    desktop.AnswerEncryptPassword("pw");
    Lines expectedEnd;
    if (failInWipe) {
      CFile::SetWriteFaultForTesting(HeaderLength(original, "pw") + content.size() + 1000);
      expectedEnd = {"wipe meter", "file error: Disk full while accessing " + original + "."};
    } else {
      ASSERT_EQ(chmod(original.c_str(), 0444), 0);
      expectedEnd = {"meter closed", "message stop: Unable to open original file to wipe.",
                     "file error: Access to " + original + " was denied."};
    }

    EXPECT_EQ(RunCommand(OnFileEncrypt, app, desktop), Outcome::Failed);
    CFile::SetWriteFaultForTesting(std::nullopt);

    const Lines& record = desktop.Record();
    ASSERT_GE(record.size(), expectedEnd.size());
    if (failInWipe) {
      EXPECT_EQ(record.back(), expectedEnd.back());
      EXPECT_TRUE(Shows(record, "wipe meter"));
    } else {
      EXPECT_EQ(Lines(record.end() - static_cast<long>(expectedEnd.size()), record.end()),
                expectedEnd);
    }
    EXPECT_FALSE(Shows(record, "statistics"));
    EXPECT_TRUE(FileExists(original));
    EXPECT_EQ(DecryptInto(crypt, Path("restored"), "pw"), Outcome::Completed);
    EXPECT_EQ(ReadFileBytes(Path("restored")), content);
    chmod(original.c_str(), 0644);
  }
}

TEST(RunCommandGuard, ReportsAFailedAllocationAndClearsThePendingName) {
  AppState app;
  app.m_strPendingFile = "/somewhere/a.txt";
  ScriptedDesktop desktop;
  const Command exhausted = [](AppState&, Desktop&) -> Outcome { throw std::bad_alloc(); };

  EXPECT_EQ(RunCommand(exhausted, app, desktop), Outcome::Failed);

  EXPECT_EQ(desktop.Record(), Lines{"message stop: Not enough memory to complete the operation."});
  EXPECT_TRUE(app.m_strPendingFile.empty());
}

}  // namespace
}  // namespace quorvane::test
