#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <optional>
#include <string>

#include "OpsFixture.h"
#include "platform/CFile.h"

namespace quorvane::test {
namespace {

// A name that is a symbolic link leads the writes to the file behind it. When the run ends
// without a finished output, that file is what must go: removing only the link would leave a
// cut crypt or a short decrypted file behind under the link's target.
TEST(LinkedOutputName, AnUnfinishedOutputIsRemovedBehindTheLink) {
  struct Case {
    const char* name;
    bool decrypt;
    bool diskFull;  // else the meter is cancelled
  };
  const Case cases[] = {
      {"encrypt cancelled", false, false},
      {"encrypt disk full", false, true},
      {"decrypt cancelled", true, false},
      {"decrypt disk full", true, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TempDir dir;
    const std::string original = dir / "a.txt";
    const std::string content = SampleBytes(5 * 16384);
    WriteFileBytes(original, content);
    const std::string crypt = dir / "a.crp";
    if (c.decrypt) {
      AppState maker;
      maker.options.AlwaysShowStats = 0;
      ScriptedDesktop quiet;
      quiet.AnswerEncryptNames(FileNames{original, crypt});
      quiet.AnswerEncryptPassword("pw");
      ASSERT_EQ(OnFileEncrypt(maker, quiet), Outcome::Completed);
    }
    const std::string cryptBytes = c.decrypt ? ReadFileBytes(crypt) : "";
    const std::string behind = dir / "behind";
    const std::string link = dir / "link";
    ASSERT_EQ(symlink(behind.c_str(), link.c_str()), 0);  // dangling: the create makes behind

    AppState app;
    app.options.AllowNewDecryptionName = 1;
    {
      ScriptedDesktop desktop;
      if (c.decrypt) {
        desktop.AnswerDecryptNames(FileNames{crypt, link});
        desktop.AnswerDecryptPassword("pw");
      } else {
        desktop.AnswerEncryptNames(FileNames{original, link});
        desktop.AnswerEncryptPassword("pw");
      }
      if (c.diskFull) {
        CFile::SetWriteFaultForTesting(2 * 16384 + 100);
      } else {
        desktop.CancelMeterAtPercent(1);
      }
      const Outcome outcome = RunCommand(c.decrypt ? OnFileDecrypt : OnFileEncrypt, app, desktop);
      CFile::SetWriteFaultForTesting(std::nullopt);
      EXPECT_EQ(outcome, c.diskFull ? Outcome::Failed : Outcome::Cancelled);
    }
    EXPECT_FALSE(FileExists(behind)) << "an unfinished output was left behind the link";
    EXPECT_TRUE(std::filesystem::is_symlink(link)) << "the link is the user's, as it was";
    EXPECT_EQ(ReadFileBytes(original), content);
    if (c.decrypt) {
      EXPECT_EQ(ReadFileBytes(crypt), cryptBytes);
    }
  }
}

using LinkedOriginalName = OpsTest;

// Wipe and delete through a link: the file whose bytes were zeroed is the one deleted, so no
// zero-filled copy of the original stays behind.
TEST_F(LinkedOriginalName, WipeAndDeleteRemovesTheWipedFile) {
  const std::string behind = Path("behind.txt");
  const std::string link = Path("link.txt");
  const std::string content = SampleBytes(20000);
  WriteFileBytes(behind, content);
  ASSERT_EQ(symlink(behind.c_str(), link.c_str()), 0);
  app.options.WipeandDeleteOriginalFile = 1;
  app.options.AlwaysShowStats = 0;
  desktop.AnswerEncryptNames(FileNames{link, Path("a.crp")});
  desktop.AnswerEncryptPassword("pw");

  EXPECT_EQ(RunCommand(OnFileEncrypt, app, desktop), Outcome::Completed);

  EXPECT_FALSE(FileExists(behind)) << "the wiped file was left in place";
  EXPECT_EQ(DecryptInto(Path("a.crp"), Path("restored"), "pw"), Outcome::Completed);
  EXPECT_EQ(ReadFileBytes(Path("restored")), content);
}

}  // namespace
}  // namespace quorvane::test
