#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <string>

#include "platform/CFile.h"
#include "support/TempDir.h"

namespace quorvane::test {
namespace {

CFileException::Cause RemoveCause(const std::string& name) {
  try {
    CFile::Remove(name);
  } catch (const CFileException& e) {
    EXPECT_EQ(e.fileName(), name);
    return e.cause();
  }
  return CFileException::none;
}

TEST(CFileRemove, RemovesOrRefusesWithTheCause) {
  TempDir dir;
  WriteFileBytes(dir / "plain", "1");
  WriteFileBytes(dir / "readonly", "2");
  ASSERT_EQ(chmod((dir / "readonly").c_str(), 0444), 0);
  WriteFileBytes(dir / "locked", "3");
  ASSERT_EQ(mkdir((dir / "folder").c_str(), 0700), 0);
  CFile holder;
  ASSERT_TRUE(holder.Open(dir / "locked", CFile::modeRead));

  EXPECT_EQ(RemoveCause(dir / "plain"), CFileException::none);
  EXPECT_FALSE(FileExists(dir / "plain"));
  EXPECT_EQ(RemoveCause(dir / "plain"), CFileException::fileNotFound);
  EXPECT_EQ(RemoveCause(dir / "readonly"), CFileException::accessDenied);
  EXPECT_EQ(RemoveCause(dir / "locked"), CFileException::sharingViolation);
  EXPECT_EQ(RemoveCause(dir / "folder"), CFileException::accessDenied);
  EXPECT_TRUE(FileExists(dir / "readonly"));
  EXPECT_TRUE(FileExists(dir / "locked"));
  EXPECT_TRUE(FileExists(dir / "folder"));
}

TEST(CFileStatus, ReadOnlyIsTheOwnerWriteBit) {
  TempDir dir;
  const std::string name = dir / "a.txt";
  WriteFileBytes(name, "hello");
  CFileStatus status;
  ASSERT_TRUE(CFile::GetStatus(name, status));
  EXPECT_EQ(status.m_attribute, CFileStatus::normal);
  EXPECT_EQ(status.m_size, 5u);

  status.m_attribute = CFileStatus::readOnly;
  CFile::SetStatus(name, status);
  struct stat st;
  ASSERT_EQ(stat(name.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0222, 0u);
  ASSERT_TRUE(CFile::GetStatus(name, status));
  EXPECT_EQ(status.m_attribute, CFileStatus::readOnly);
  CFile file;
  EXPECT_FALSE(file.Open(name, CFile::modeWrite));

  status.m_attribute = CFileStatus::normal;
  CFile::SetStatus(name, status);
  ASSERT_TRUE(CFile::GetStatus(name, status));
  EXPECT_EQ(status.m_attribute, CFileStatus::normal);
  EXPECT_TRUE(file.Open(name, CFile::modeWrite));

  ASSERT_TRUE(CFile::GetStatus(dir.path(), status));
  EXPECT_TRUE(status.m_attribute & CFileStatus::directory);
  EXPECT_FALSE(CFile::GetStatus(dir / "missing", status));
  EXPECT_THROW(CFile::SetStatus(dir / "missing", CFileStatus{}), CFileException);
}

TEST(CFileStatus, HiddenIsALineInTheFolderList) {
  TempDir dir;
  const std::string name = dir / "a b.CRP";
  WriteFileBytes(name, "crypt");
  WriteFileBytes(dir / "other", "x");
  WriteFileBytes(dir / ".hidden", "first\nsecond");  // no final newline

  CFileStatus status;
  ASSERT_TRUE(CFile::GetStatus(name, status));
  status.m_attribute |= CFileStatus::hidden;
  CFile::SetStatus(name, status);
  CFile::SetStatus(name, status);  // twice lists it once
  EXPECT_EQ(ReadFileBytes(dir / ".hidden"), "first\nsecond\na b.CRP\n");
  EXPECT_EQ(ReadFileBytes(name), "crypt");  // the file itself is left as it was
  ASSERT_TRUE(CFile::GetStatus(name, status));
  EXPECT_EQ(status.m_attribute, CFileStatus::hidden);
  ASSERT_TRUE(CFile::GetStatus(dir / "other", status));
  EXPECT_EQ(status.m_attribute, CFileStatus::normal);

  status.m_attribute = CFileStatus::normal;
  CFile::SetStatus(name, status);
  EXPECT_EQ(ReadFileBytes(dir / ".hidden"), "first\nsecond\n");
}

TEST(CFileStatus, RemovingAHiddenFileDropsItsLine) {
  TempDir dir;
  WriteFileBytes(dir / "a", "1");
  CFileStatus status;
  status.m_attribute = CFileStatus::hidden;
  CFile::SetStatus(dir / "a", status);
  CFile::Remove(dir / "a");
  EXPECT_FALSE(FileExists(dir / ".hidden"));  // its last line went

  // A new file of that name is an ordinary file, so creating over it later succeeds.
  WriteFileBytes(dir / "a", "2");
  CFile file;
  EXPECT_TRUE(file.Open(dir / "a", CFile::modeCreate | CFile::modeWrite));
}

TEST(CFileStatus, SyncDirectoryOfAFile) {
  TempDir dir;
  WriteFileBytes(dir / "a", "1");
  EXPECT_NO_THROW(CFile::SyncDirectoryOf(dir / "a"));
  EXPECT_THROW(CFile::SyncDirectoryOf(dir / "missing/a"), CFileException);
}

}  // namespace
}  // namespace quorvane::test
