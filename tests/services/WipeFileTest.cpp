#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "platform/CFile.h"
#include "services/WipeFile.h"
#include "support/ScriptedDesktop.h"
#include "support/TempDir.h"

namespace quorvane::test {
namespace {

const std::vector<std::string> kWipeRecord = {
    "wipe meter",        "wipe bar 33",  "wipe label Pass 2", "wipe bar 50",
    "wipe label Pass 3", "wipe bar 100", "wipe closed"};

std::string Pattern(std::size_t length) {
  std::string bytes(length, '\0');
  for (std::size_t i = 0; i < length; ++i) bytes[i] = static_cast<char>('a' + i % 23);
  return bytes;
}

class WipeFileTest : public ::testing::Test {
 protected:
  void TearDown() override { CFile::SetWriteFaultForTesting(std::nullopt); }
};

TEST_F(WipeFileTest, ThreePassesOfZerosKeepTheLength) {
  for (std::size_t length : {0u, 1u, 16383u, 16384u, 16385u, 3u * 16384u + 5u, 3u << 20}) {
    TempDir dir;
    const std::string name = dir / "original.txt";
    WriteFileBytes(name, Pattern(length));
    ASSERT_EQ(link(name.c_str(), (dir / "link").c_str()), 0);
    // Exactly three lengths' worth of bytes may be written; one more would fail the wipe.
    CFile::SetWriteFaultForTesting(3 * length);

    ScriptedDesktop desktop;
    WipeFile(name, desktop);

    EXPECT_EQ(desktop.Record(), kWipeRecord) << "length " << length;
    const std::string after = ReadFileBytes(dir / "link");
    EXPECT_EQ(after, std::string(length, '\0')) << "length " << length;
    EXPECT_TRUE(FileExists(name));  // deleting is the caller's job
    CFile::SetWriteFaultForTesting(std::nullopt);
  }
}

TEST_F(WipeFileTest, AShortWipeIsCaughtByTheByteCount) {
  // The counterpart of the limit above: one byte fewer than three passes does not suffice.
  TempDir dir;
  WriteFileBytes(dir / "a", Pattern(16385));
  CFile::SetWriteFaultForTesting(3 * 16385 - 1);
  ScriptedDesktop desktop;
  EXPECT_THROW(WipeFile(dir / "a", desktop), CFileException);
}

TEST_F(WipeFileTest, AnUnopenableFileGivesTheMessageAndNoMeter) {
  TempDir dir;
  WriteFileBytes(dir / "readonly", "keep");
  ASSERT_EQ(chmod((dir / "readonly").c_str(), 0444), 0);
  WriteFileBytes(dir / "locked", "keep");
  CFile holder;
  ASSERT_TRUE(holder.Open(dir / "locked", CFile::modeRead));
  ASSERT_EQ(mkdir((dir / "folder").c_str(), 0700), 0);

  for (const std::string& name :
       {dir / "readonly", dir / "locked", dir / "missing", dir / "folder"}) {
    ScriptedDesktop desktop;
    WipeFile(name, desktop);
    EXPECT_EQ(desktop.Record(), std::vector<std::string>{MessageLine(
                                    "Unable to open original file to wipe.", MessageIcon::Stop)})
        << name;
  }
  EXPECT_EQ(ReadFileBytes(dir / "readonly"), "keep");
  EXPECT_EQ(ReadFileBytes(dir / "locked"), "keep");
  EXPECT_FALSE(FileExists(dir / "missing"));  // never created
}

TEST_F(WipeFileTest, AWriteFailureClosesTheMeterAndTheFile) {
  TempDir dir;
  const std::string name = dir / "a";
  WriteFileBytes(name, Pattern(40000));
  CFile::SetWriteFaultForTesting(50000, 5 /* EIO */);  // in the second pass
  ScriptedDesktop desktop;
  try {
    WipeFile(name, desktop);
    ADD_FAILURE() << "the write fault did not reach the caller";
  } catch (const CFileException& e) {
    EXPECT_EQ(e.cause(), CFileException::hardIO);
    EXPECT_EQ(e.fileName(), name);
  }
  EXPECT_EQ(desktop.Record(), (std::vector<std::string>{"wipe meter", "wipe bar 33",
                                                        "wipe label Pass 2", "wipe closed"}));
  CFile::SetWriteFaultForTesting(std::nullopt);
  CFile again;
  EXPECT_TRUE(again.Open(name, CFile::modeReadWrite));  // the lock went with the file
  EXPECT_EQ(again.GetLength(), 40000u);
}

}  // namespace
}  // namespace quorvane::test
