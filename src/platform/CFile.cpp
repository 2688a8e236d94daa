#include "platform/CFile.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <mutex>
#include <set>
#include <utility>

#include "platform/HiddenList.h"

namespace quorvane {

namespace {

// The files this process holds open, by device and inode. flock alone keeps a second open out
// on local file systems; on some network file systems it is emulated with per-process locks,
// which let a second open in the same process through. The registry refuses that open too, so
// naming the original as its own crypt can never truncate it.
std::mutex g_openFilesMutex;
std::set<std::pair<std::uint64_t, std::uint64_t>> g_openFiles;

bool RegisterOpenFile(std::uint64_t device, std::uint64_t inode) {
  const std::lock_guard<std::mutex> lock(g_openFilesMutex);
  return g_openFiles.emplace(device, inode).second;
}

void UnregisterOpenFile(std::uint64_t device, std::uint64_t inode) noexcept {
  const std::lock_guard<std::mutex> lock(g_openFilesMutex);
  g_openFiles.erase({device, inode});
}

// The write fault of the test seam, shared by every CFile in the process.
struct WriteFault {
  std::mutex mutex;
  std::optional<std::uint64_t> bytesLeft;
  int error = ENOSPC;
};

WriteFault& TheWriteFault() {
  static WriteFault fault;
  return fault;
}

// How many of count bytes may be written before the fault strikes, and its errno (0: none).
std::size_t AllowedByFault(std::size_t count, int& error) {
  WriteFault& fault = TheWriteFault();
  std::lock_guard lock(fault.mutex);
  error = 0;
  if (!fault.bytesLeft) return count;
  const std::uint64_t allowed = std::min<std::uint64_t>(count, *fault.bytesLeft);
  *fault.bytesLeft -= allowed;
  if (allowed < count) error = fault.error;
  return static_cast<std::size_t>(allowed);
}

[[noreturn]] void Throw(int error, const std::string& fileName) {
  throw CFileException(CFileException::CauseFromErrno(error), fileName, error);
}

bool Fail(CFileException* error, CFileException::Cause cause, const std::string& fileName,
          int osError) {
  if (error) *error = CFileException(cause, fileName, osError);
  return false;
}

bool OwnerMayWrite(const struct stat& st) {
  return (st.st_mode & S_IWUSR) != 0;
}

int AccessFlags(unsigned openFlags) {
  if (openFlags & CFile::modeReadWrite) return O_RDWR;
  if (openFlags & CFile::modeWrite) return O_WRONLY;
  return O_RDONLY;
}

// Opens the file, creating it when asked; existed tells whether it was there before.
// O_NONBLOCK keeps a FIFO from blocking the open; it is cleared once the file is known regular.
int OpenDescriptor(const std::string& fileName, unsigned openFlags, bool& existed) {
  const int flags = AccessFlags(openFlags) | O_CLOEXEC | O_NOCTTY | O_NONBLOCK;
  existed = true;
  if (!(openFlags & CFile::modeCreate)) return open(fileName.c_str(), flags);
  // Tell "there before" from "made now" so that only an existing file is truncated or checked
  // for the read-only and hidden attributes. The loop settles a race with another creator.
  for (int attempt = 0; attempt < 3; ++attempt) {
    int fd = open(fileName.c_str(), flags);
    if (fd >= 0 || errno != ENOENT) return fd;
    fd = open(fileName.c_str(), flags | O_CREAT | O_EXCL, 0666);
    if (fd >= 0 || errno != EEXIST) {
      existed = false;
      return fd;
    }
  }
  // A dangling symbolic link: exclusive creation refuses it, plain creation makes its target.
  existed = false;
  return open(fileName.c_str(), flags | O_CREAT, 0666);
}

}  // namespace

CFile::~CFile() {
  Abort();
}

bool CFile::Open(const std::string& fileName, unsigned openFlags, CFileException* error) {
  Abort();
  const bool forWrite = (openFlags & (modeWrite | modeReadWrite)) != 0;
  const bool create = (openFlags & modeCreate) != 0;
  const bool truncate = create && !(openFlags & modeNoTruncate);

  bool existed = true;
  const int fd = OpenDescriptor(fileName, openFlags, existed);
  if (fd < 0) {
    const int osError = errno;
    return Fail(error, CFileException::CauseFromErrno(osError), fileName, osError);
  }
  auto refuse = [&](CFileException::Cause cause, int osError) {
    close(fd);
    return Fail(error, cause, fileName, osError);
  };

  struct stat st;
  if (fstat(fd, &st) != 0) return refuse(CFileException::CauseFromErrno(errno), errno);
  // Only regular files are files here: a folder, a device or a FIFO is refused.
  if (S_ISDIR(st.st_mode)) return refuse(CFileException::accessDenied, EISDIR);
  if (!S_ISREG(st.st_mode)) return refuse(CFileException::accessDenied, EACCES);
  if (existed && (forWrite || create) && !OwnerMayWrite(st)) {
    return refuse(CFileException::accessDenied, EACCES);
  }
  if (existed && truncate && IsListedHidden(fileName)) {
    return refuse(CFileException::accessDenied, EACCES);
  }
  if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
    const int osError = errno;
    return refuse(osError == EWOULDBLOCK ? CFileException::sharingViolation
                                         : CFileException::CauseFromErrno(osError),
                  osError);
  }
  const auto device = static_cast<std::uint64_t>(st.st_dev);
  const auto inode = static_cast<std::uint64_t>(st.st_ino);
  if (!RegisterOpenFile(device, inode)) {
    return refuse(CFileException::sharingViolation, EWOULDBLOCK);
  }
  auto refuseRegistered = [&](int osError) {
    UnregisterOpenFile(device, inode);
    return refuse(CFileException::CauseFromErrno(osError), osError);
  };
  // Truncate only now that the file is ours alone.
  if (existed && truncate && st.st_size != 0 && ftruncate(fd, 0) != 0) {
    return refuseRegistered(errno);
  }
  const int statusFlags = fcntl(fd, F_GETFL);
  if (statusFlags < 0 || fcntl(fd, F_SETFL, statusFlags & ~O_NONBLOCK) != 0) {
    return refuseRegistered(errno);
  }
  m_device = device;
  m_inode = inode;
  m_fd = fd;
  m_strFileName = fileName;
  return true;
}

std::size_t CFile::Read(void* buffer, std::size_t count) {
  if (m_fd < 0) throw CFileException(CFileException::invalidFile, m_strFileName, EBADF);
  auto* bytes = static_cast<char*>(buffer);
  std::size_t done = 0;
  while (done < count) {
    const ssize_t got = read(m_fd, bytes + done, count - done);
    if (got < 0) {
      if (errno == EINTR) continue;
      Throw(errno, m_strFileName);
    }
    if (got == 0) break;
    done += static_cast<std::size_t>(got);
  }
  return done;
}

void CFile::Write(const void* buffer, std::size_t count) {
  if (m_fd < 0) throw CFileException(CFileException::invalidFile, m_strFileName, EBADF);
  int faultError = 0;
  const std::size_t allowed = AllowedByFault(count, faultError);
  const auto* bytes = static_cast<const char*>(buffer);
  std::size_t done = 0;
  while (done < allowed) {
    const ssize_t put = write(m_fd, bytes + done, allowed - done);
    if (put < 0) {
      if (errno == EINTR) continue;
      Throw(errno, m_strFileName);
    }
    if (put == 0) throw CFileException(CFileException::diskFull, m_strFileName, ENOSPC);
    done += static_cast<std::size_t>(put);
  }
  if (faultError != 0) Throw(faultError, m_strFileName);
}

void CFile::Flush() {
  if (m_fd < 0) throw CFileException(CFileException::invalidFile, m_strFileName, EBADF);
  if (fsync(m_fd) != 0) Throw(errno, m_strFileName);
}

void CFile::Close() {
  if (m_fd < 0) return;
  const int fd = m_fd;
  m_fd = -1;
  UnregisterOpenFile(m_device, m_inode);
  // The descriptor is gone after close, even when it reports EINTR.
  if (close(fd) != 0 && errno != EINTR) Throw(errno, m_strFileName);
}

void CFile::Abort() noexcept {
  if (m_fd < 0) return;
  UnregisterOpenFile(m_device, m_inode);
  close(m_fd);
  m_fd = -1;
}

std::uint64_t CFile::GetLength() const {
  if (m_fd < 0) throw CFileException(CFileException::invalidFile, m_strFileName, EBADF);
  struct stat st;
  if (fstat(m_fd, &st) != 0) Throw(errno, m_strFileName);
  return static_cast<std::uint64_t>(st.st_size);
}

std::uint64_t CFile::GetPosition() const {
  if (m_fd < 0) throw CFileException(CFileException::invalidFile, m_strFileName, EBADF);
  const off_t at = lseek(m_fd, 0, SEEK_CUR);
  if (at < 0) throw CFileException(CFileException::badSeek, m_strFileName, errno);
  return static_cast<std::uint64_t>(at);
}

std::uint64_t CFile::Seek(std::int64_t offset, SeekPosition from) {
  if (m_fd < 0) throw CFileException(CFileException::invalidFile, m_strFileName, EBADF);
  const int whence = from == begin ? SEEK_SET : from == current ? SEEK_CUR : SEEK_END;
  const off_t at = lseek(m_fd, static_cast<off_t>(offset), whence);
  if (at < 0) throw CFileException(CFileException::badSeek, m_strFileName, errno);
  return static_cast<std::uint64_t>(at);
}

void CFile::SetLength(std::uint64_t length) {
  if (m_fd < 0) throw CFileException(CFileException::invalidFile, m_strFileName, EBADF);
  if (ftruncate(m_fd, static_cast<off_t>(length)) != 0) Throw(errno, m_strFileName);
}

void CFile::Remove(const std::string& fileName) {
  struct stat st;
  if (lstat(fileName.c_str(), &st) != 0) Throw(errno, fileName);
  if (S_ISDIR(st.st_mode)) throw CFileException(CFileException::accessDenied, fileName, EISDIR);
  if (S_ISREG(st.st_mode)) {
    if (!OwnerMayWrite(st)) throw CFileException(CFileException::accessDenied, fileName, EACCES);
    // A file held open by a CFile cannot be removed, as exclusive sharing promises.
    const int fd = open(fileName.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    if (fd >= 0) {
      const bool locked = flock(fd, LOCK_EX | LOCK_NB) != 0 && errno == EWOULDBLOCK;
      int error = 0;
      if (!locked && unlink(fileName.c_str()) != 0) error = errno;
      close(fd);
      if (locked) throw CFileException(CFileException::sharingViolation, fileName, EWOULDBLOCK);
      if (error != 0) Throw(error, fileName);
    } else if (unlink(fileName.c_str()) != 0) {
      Throw(errno, fileName);
    }
  } else if (unlink(fileName.c_str()) != 0) {
    Throw(errno, fileName);
  }
  // The hidden mark belongs to the removed file, not to a later one of the same name.
  try {
    SetListedHidden(fileName, false);
  } catch (const CFileException&) {
    // The file is gone; a stale line in the folder's list is harmless to that.
  }
}

bool CFile::GetStatus(const std::string& fileName, CFileStatus& status) {
  struct stat st;
  if (stat(fileName.c_str(), &st) != 0) return false;
  status = CFileStatus{};
  if (!OwnerMayWrite(st)) status.m_attribute |= CFileStatus::readOnly;
  if (S_ISDIR(st.st_mode)) status.m_attribute |= CFileStatus::directory;
  if (IsListedHidden(fileName)) status.m_attribute |= CFileStatus::hidden;
  status.m_size = S_ISDIR(st.st_mode) ? 0 : static_cast<std::uint64_t>(st.st_size);
  return true;
}

void CFile::SetStatus(const std::string& fileName, const CFileStatus& status) {
  struct stat st;
  if (stat(fileName.c_str(), &st) != 0) Throw(errno, fileName);
  const bool readOnly = (status.m_attribute & CFileStatus::readOnly) != 0;
  mode_t mode = st.st_mode & 07777;
  // Read-only takes every write bit away; clearing it gives the owner write access back.
  mode = readOnly ? (mode & ~mode_t{S_IWUSR | S_IWGRP | S_IWOTH}) : (mode | S_IWUSR);
  if (mode != (st.st_mode & 07777) && chmod(fileName.c_str(), mode) != 0) Throw(errno, fileName);
  SetListedHidden(fileName, (status.m_attribute & CFileStatus::hidden) != 0);
}

void CFile::SyncDirectoryOf(const std::string& fileName) {
  const std::string folder = SplitPath(fileName).folder;
  const int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) Throw(errno, folder);
  // Some file systems cannot sync a folder (EINVAL); their entries are as durable as they get.
  const int error = fsync(fd) != 0 && errno != EINVAL ? errno : 0;
  close(fd);
  if (error != 0) Throw(error, folder);
}

void CFile::SetWriteFaultForTesting(std::optional<std::uint64_t> bytesBeforeFault, int error) {
  WriteFault& fault = TheWriteFault();
  std::lock_guard lock(fault.mutex);
  fault.bytesLeft = bytesBeforeFault;
  fault.error = error;
}

}  // namespace quorvane
