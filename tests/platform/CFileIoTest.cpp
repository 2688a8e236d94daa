#include <gtest/gtest.h>

#include <cerrno>
#include <string>

#include "platform/CFile.h"
#include "support/TempDir.h"

namespace quorvane::test {
namespace {

TEST(CFileIo, ReadWriteSeekAndLength) {
  TempDir dir;
  CFile file;
  ASSERT_TRUE(file.Open(dir / "a.bin", CFile::modeCreate | CFile::modeReadWrite));
  const std::string data(40000, '\x5a');
  file.Write(data.data(), data.size());
  EXPECT_EQ(file.GetPosition(), data.size());
  EXPECT_EQ(file.GetLength(), data.size());

  EXPECT_EQ(file.Seek(-10, CFile::end), data.size() - 10);
  char buffer[64];
  EXPECT_EQ(file.Read(buffer, sizeof buffer), 10u);  // fewer at the end
  EXPECT_EQ(file.Read(buffer, sizeof buffer), 0u);
  file.SeekToBegin();
  EXPECT_EQ(file.Seek(5, CFile::current), 5u);

  file.SetLength(7);
  EXPECT_EQ(file.GetLength(), 7u);
  file.SeekToBegin();
  std::string back(40000, '\0');
  EXPECT_EQ(file.Read(back.data(), back.size()), 7u);
  EXPECT_EQ(back.substr(0, 7), data.substr(0, 7));
  file.Flush();
  file.Close();
  EXPECT_FALSE(file.IsOpen());
  EXPECT_EQ(ReadFileBytes(dir / "a.bin"), data.substr(0, 7));
}

TEST(CFileIo, MisuseThrowsWithTheCause) {
  TempDir dir;
  WriteFileBytes(dir / "a.txt", "abc");
  CFile file;
  ASSERT_TRUE(file.Open(dir / "a.txt", CFile::modeRead));
  try {
    file.Seek(-1, CFile::begin);
    ADD_FAILURE() << "a seek before the start succeeded";
  } catch (const CFileException& e) {
    EXPECT_EQ(e.cause(), CFileException::badSeek);
    EXPECT_EQ(e.fileName(), dir / "a.txt");
  }
  try {
    file.Write("x", 1);  // opened for reading only
    ADD_FAILURE() << "a write to a read-only descriptor succeeded";
  } catch (const CFileException& e) {
    EXPECT_EQ(e.cause(), CFileException::invalidFile);
  }
  file.Close();
  file.Close();  // closing twice does nothing
  file.Abort();
  char c;
  EXPECT_THROW(file.Read(&c, 1), CFileException);
  EXPECT_THROW(file.Write("x", 1), CFileException);
  EXPECT_THROW(file.Flush(), CFileException);
  EXPECT_THROW(file.GetLength(), CFileException);
  EXPECT_EQ(ReadFileBytes(dir / "a.txt"), "abc");
}

class CFileWriteFault : public ::testing::Test {
 protected:
  void TearDown() override { CFile::SetWriteFaultForTesting(std::nullopt); }
};

TEST_F(CFileWriteFault, WritesUpToTheLimitThenFailsWithTheErrno) {
  const struct {
    std::uint64_t limit;
    int error;
    std::size_t firstWrite;
    CFileException::Cause cause;
  } cases[] = {
      {0, ENOSPC, 1, CFileException::diskFull},
      {5, EIO, 8, CFileException::hardIO},       // straddles the limit
      {8, ENOSPC, 8, CFileException::diskFull},  // the first write fits exactly
  };
  for (const auto& c : cases) {
    TempDir dir;
    CFile file;
    ASSERT_TRUE(file.Open(dir / "out", CFile::modeCreate | CFile::modeWrite));
    CFile::SetWriteFaultForTesting(c.limit, c.error);
    const bool firstFits = c.firstWrite <= c.limit;
    try {
      file.Write("abcdefgh", c.firstWrite);
      EXPECT_TRUE(firstFits) << "limit " << c.limit;
      file.Write("ijk", 3);
      ADD_FAILURE() << "a write past the limit succeeded, limit " << c.limit;
    } catch (const CFileException& e) {
      EXPECT_EQ(e.cause(), c.cause) << "limit " << c.limit;
      EXPECT_EQ(e.osError(), c.error);
      EXPECT_EQ(e.fileName(), dir / "out");
    }
    file.Abort();
    CFile::SetWriteFaultForTesting(std::nullopt);
    EXPECT_EQ(ReadFileBytes(dir / "out"), std::string("abcdefgh").substr(0, c.limit));
  }
}

TEST_F(CFileWriteFault, CountsBytesAcrossFilesAndSwitchesOff) {
  TempDir dir;
  CFile first;
  CFile second;
  ASSERT_TRUE(first.Open(dir / "1", CFile::modeCreate | CFile::modeWrite));
  ASSERT_TRUE(second.Open(dir / "2", CFile::modeCreate | CFile::modeWrite));
  CFile::SetWriteFaultForTesting(4);
  first.Write("abc", 3);
  EXPECT_THROW(second.Write("de", 2), CFileException);
  EXPECT_THROW(first.Write("f", 1), CFileException);  // the fault stays on
  CFile::SetWriteFaultForTesting(std::nullopt);
  first.Write("g", 1);
  first.Close();
  second.Close();
  EXPECT_EQ(ReadFileBytes(dir / "1"), "abcg");
  EXPECT_EQ(ReadFileBytes(dir / "2"), "d");
}

}  // namespace
}  // namespace quorvane::test
