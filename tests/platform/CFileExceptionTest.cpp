#include <gtest/gtest.h>

#include <cerrno>
#include <string>

#include "platform/CFileException.h"

namespace quorvane::test {
namespace {

using E = CFileException;

TEST(CFileExceptionText, EveryCauseNamesTheFile) {
  const struct {
    E::Cause cause;
    const char* text;
  } cases[] = {
      {E::none, "An unspecified error occurred while accessing /t/a b."},
      {E::generic, "An unspecified error occurred while accessing /t/a b."},
      {E::fileNotFound, "/t/a b was not found."},
      {E::badPath, "/t/a b contains an invalid path."},
      {E::tooManyOpenFiles, "/t/a b could not be opened because there are too many open files."},
      {E::accessDenied, "Access to /t/a b was denied."},
      {E::invalidFile, "An unsupported or invalid file handle was associated with /t/a b."},
      {E::removeCurrentDir, "/t/a b could not be removed because it is the current directory."},
      {E::directoryFull, "/t/a b could not be created because the directory is full."},
      {E::badSeek, "Seek failed on /t/a b"},
      {E::hardIO, "A hardware I/O error was reported while accessing /t/a b."},
      {E::sharingViolation, "A sharing violation occurred while accessing /t/a b."},
      {E::lockViolation, "A locking violation occurred while accessing /t/a b."},
      {E::diskFull, "Disk full while accessing /t/a b."},
      {E::endOfFile, "An attempt was made to access /t/a b past its end."},
  };
  for (const auto& c : cases) {
    const E error(c.cause, "/t/a b", 5);
    EXPECT_EQ(error.text(), c.text);
    EXPECT_STREQ(error.what(), c.text);
    EXPECT_EQ(error.cause(), c.cause);
    EXPECT_EQ(error.osError(), 5);
  }
  // A name holding "%1" or bytes that are not UTF-8 is put in once, unchanged.
  EXPECT_EQ(E(E::diskFull, "%1\xff").text(), "Disk full while accessing %1\xff.");
}

TEST(CFileExceptionText, CauseFromErrno) {
  const struct {
    int error;
    E::Cause cause;
  } cases[] = {
      {ENOENT, E::fileNotFound},
      {ENOTDIR, E::badPath},
      {ENAMETOOLONG, E::badPath},
      {ELOOP, E::badPath},
      {EMFILE, E::tooManyOpenFiles},
      {ENFILE, E::tooManyOpenFiles},
      {EACCES, E::accessDenied},
      {EPERM, E::accessDenied},
      {EROFS, E::accessDenied},
      {EISDIR, E::accessDenied},
      {EBADF, E::invalidFile},
      {ESPIPE, E::badSeek},
      {EIO, E::hardIO},
      {EWOULDBLOCK, E::sharingViolation},
      {EDEADLK, E::lockViolation},
      {ENOLCK, E::lockViolation},
      {ENOSPC, E::diskFull},
      {EDQUOT, E::diskFull},
      {EFBIG, E::diskFull},
      {EINVAL, E::generic},
      {EBUSY, E::removeCurrentDir},
      {0, E::none},
  };
  for (const auto& c : cases) EXPECT_EQ(E::CauseFromErrno(c.error), c.cause) << c.error;
}

}  // namespace
}  // namespace quorvane::test
