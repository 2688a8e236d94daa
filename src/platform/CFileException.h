#pragma once

#include <stdexcept>
#include <string>

namespace quorvane {

// A failed read, write, flush, length, seek or remove on a file. Carries the cause and the
// file's name; text() gives the classic file-error message for the user.
class CFileException : public std::runtime_error {
 public:
  enum Cause {
    none,
    generic,           // anything not listed below
    fileNotFound,      // ENOENT
    badPath,           // ENOTDIR, ENAMETOOLONG, ELOOP
    tooManyOpenFiles,  // EMFILE, ENFILE
    accessDenied,      // EACCES, EPERM, EROFS, EISDIR, a read-only file
    invalidFile,       // EBADF
    removeCurrentDir,  // EBUSY on a folder
    directoryFull,     // not produced on Linux, kept for the set
    badSeek,           // ESPIPE, EINVAL on a seek
    hardIO,            // EIO
    sharingViolation,  // the file is locked by another open
    lockViolation,     // EDEADLK, ENOLCK
    diskFull,          // ENOSPC, EDQUOT, EFBIG, a short write
    endOfFile,         // a read past the end where a full read was required
  };

  CFileException(Cause cause, std::string fileName, int osError = 0);

  Cause cause() const noexcept { return m_cause; }
  const std::string& fileName() const noexcept { return m_strFileName; }
  int osError() const noexcept { return m_osError; }

  // The message shown to the user, such as "Access to /tmp/a.txt was denied.".
  std::string text() const;

  // Maps an errno value to a cause.
  static Cause CauseFromErrno(int error) noexcept;

 private:
  Cause m_cause;
  std::string m_strFileName;
  int m_osError;
};

}  // namespace quorvane
