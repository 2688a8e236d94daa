#include "platform/CFileException.h"

#include <cerrno>

namespace quorvane {

namespace {

const char* Template(CFileException::Cause cause) {
  switch (cause) {
    case CFileException::fileNotFound:
      return "%1 was not found.";
    case CFileException::badPath:
      return "%1 contains an invalid path.";
    case CFileException::tooManyOpenFiles:
      return "%1 could not be opened because there are too many open files.";
    case CFileException::accessDenied:
      return "Access to %1 was denied.";
    case CFileException::invalidFile:
      return "An unsupported or invalid file handle was associated with %1.";
    case CFileException::removeCurrentDir:
      return "%1 could not be removed because it is the current directory.";
    case CFileException::directoryFull:
      return "%1 could not be created because the directory is full.";
    case CFileException::badSeek:
      return "Seek failed on %1";
    case CFileException::hardIO:
      return "A hardware I/O error was reported while accessing %1.";
    case CFileException::sharingViolation:
      return "A sharing violation occurred while accessing %1.";
    case CFileException::lockViolation:
      return "A locking violation occurred while accessing %1.";
    case CFileException::diskFull:
      return "Disk full while accessing %1.";
    case CFileException::endOfFile:
      return "An attempt was made to access %1 past its end.";
    case CFileException::none:
    case CFileException::generic:
      break;
  }
  return "An unspecified error occurred while accessing %1.";
}

std::string Format(CFileException::Cause cause, const std::string& fileName) {
  std::string text = Template(cause);
  const auto at = text.find("%1");
  text.replace(at, 2, fileName);
  return text;
}

}  // namespace

CFileException::CFileException(Cause cause, std::string fileName, int osError)
    : std::runtime_error(Format(cause, fileName)),
      m_cause(cause),
      m_strFileName(std::move(fileName)),
      m_osError(osError) {}

std::string CFileException::text() const {
  return Format(m_cause, m_strFileName);
}

CFileException::Cause CFileException::CauseFromErrno(int error) noexcept {
  switch (error) {
    case 0:
      return none;
    case ENOENT:
      return fileNotFound;
    case ENOTDIR:
    case ENAMETOOLONG:
    case ELOOP:
      return badPath;
    case EMFILE:
    case ENFILE:
      return tooManyOpenFiles;
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR:
      return accessDenied;
    case EBADF:
      return invalidFile;
    case EBUSY:
      return removeCurrentDir;
    case ESPIPE:
      return badSeek;
    case EIO:
      return hardIO;
    case EWOULDBLOCK:
    case ETXTBSY:
      return sharingViolation;
    case EDEADLK:
    case ENOLCK:
      return lockViolation;
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
      return diskFull;
    default:
      return generic;
  }
}

}  // namespace quorvane
