#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "OpsFixture.h"
#include "platform/CFile.h"

namespace quorvane::test {
namespace {

using Lines = std::vector<std::string>;

// The file's first bytes decide: a crypt goes to the decryption password (the names dialog is
// skipped for a dropped crypt), anything else to the encryption names with the source locked.
TEST(OpenDispatch, ClassifiesByTheFirstFourBytesOnly) {
  struct Case {
    const char* name;
    std::string content;
    bool decrypts;
  };
  const std::string rest = "0000000400190000";
  const std::vector<Case> cases = {
      {"AX1 method 1", std::string("AX1\x01") + rest, true},
      {"AX1 method 2", std::string("AX1\x02") + rest, true},
      {"AX1 method 3", std::string("AX1\x03") + rest, true},
      {"AX1 method 4", std::string("AX1\x04") + rest, true},
      {"AX1 method 0", std::string("AX1\0", 4) + rest, false},
      {"AX1 method 5", std::string("AX1\x05") + rest, false},
      {"AX1 method byte above 127", std::string("AX1\x81") + rest, false},
      {"another version digit", std::string("AX2\x01") + rest, false},
      {"lower-case magic", std::string("ax1\x01") + rest, false},
      {"empty file", "", false},
      {"three bytes", "AX1", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TempDir dir;
    const std::string file = dir / "dropped.CRP";  // the extension plays no part
    WriteFileBytes(file, c.content);
    AppState app;
    app.m_strPendingFile = file;
    {
      ScriptedDesktop desktop;
      if (c.decrypts) {
        desktop.AnswerDecryptPassword(std::nullopt);
      } else {
        desktop.AnswerEncryptNames(std::nullopt);
      }
      EXPECT_EQ(OnFileOpen(app, desktop), Outcome::Cancelled);
      const Lines expected = c.decrypts
                                 ? Lines{"restore window", "decrypt password",
                                         "message information: Decryption Operation Cancelled."}
                                 : Lines{"restore window", "encrypt names locked=" + file};
      EXPECT_EQ(desktop.Record(), expected);
    }
    EXPECT_TRUE(app.m_strPendingFile.empty());
    EXPECT_EQ(ReadFileBytes(file), c.content);
  }
}

TEST(OpenDispatch, UnopenableFileGivesTheDropMessage) {
  TempDir dir;
  WriteFileBytes(dir / "held.txt", "in use");
  CFile holder;  // a running operation holding the file open
  ASSERT_TRUE(holder.Open(dir / "held.txt", CFile::modeRead | CFile::shareExclusive));
  ASSERT_EQ(mkdir((dir / "folder").c_str(), 0700), 0);
  for (const std::string& name :
       {dir / "missing.txt", dir / "folder", dir / "held.txt", std::string()}) {
    SCOPED_TRACE(name);
    AppState app;
    app.m_strPendingFile = name;
    {
      ScriptedDesktop desktop;
      EXPECT_EQ(RunCommand(OnFileOpen, app, desktop), Outcome::Failed);
      EXPECT_EQ(desktop.Record(),
                (Lines{"restore window",
                       "message stop: Unable to open dragged-and-dropped file for processing."}));
    }
    EXPECT_TRUE(app.m_strPendingFile.empty());
  }
}

using OpenDispatchRun = OpsTest;

TEST_F(OpenDispatchRun, DroppedPlainFileAndItsCryptMakeAFullRoundTrip) {
  const std::string original = Path("notes.txt");
  const std::string content = SampleBytes(20000);
  WriteFileBytes(original, content);
  app.m_strPendingFile = original;
  desktop.AnswerEncryptNames(FileNames{"", Path("notes.crp")});
  desktop.AnswerEncryptPassword("pw");
  EXPECT_EQ(OnFileOpen(app, desktop), Outcome::Completed);
  std::filesystem::remove(original);

  app.m_strPendingFile = Path("notes.crp");
  desktop.AnswerDecryptPassword("pw");
  EXPECT_EQ(OnFileOpen(app, desktop), Outcome::Completed);

  EXPECT_EQ(ReadFileBytes(original), content);
  EXPECT_FALSE(FileExists(Path("notes.crp")));
  EXPECT_EQ(desktop.Record().back(), "message information: Decryption Process Completed.");
}

// A drop while a run copies runs nested inside it: the file the outer run holds open cannot be
// taken, and the outer run finishes unharmed.
TEST_F(OpenDispatchRun, NestedDropOfTheFileBeingEncryptedIsRefused) {
  const std::string original = Path("big.bin");
  const std::string content = SampleBytes(4 * 16384);
  WriteFileBytes(original, content);
  desktop.AnswerEncryptNames(FileNames{original, Path("big.crp")});
  desktop.AnswerEncryptPassword("pw");
  bool dropped = false;
  desktop.OnPercent([&](int) {
    if (dropped) return;
    dropped = true;
    app.m_strPendingFile = original;
    EXPECT_EQ(OnFileOpen(app, desktop), Outcome::Failed);
  });

  EXPECT_EQ(OnFileEncrypt(app, desktop), Outcome::Completed);

  const Lines& record = desktop.Record();
  EXPECT_NE(std::find(record.begin(), record.end(),
                      "message stop: Unable to open dragged-and-dropped file for processing."),
            record.end());
  EXPECT_EQ(record.back(), "message information: Encryption Process Completed.");
  EXPECT_EQ(DecryptInto(Path("big.crp"), Path("check.bin"), "pw"), Outcome::Completed);
  EXPECT_EQ(ReadFileBytes(Path("check.bin")), content);
}

}  // namespace
}  // namespace quorvane::test
