#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "platform/CFileException.h"

namespace quorvane {

// Attributes of a named file, as GetStatus reads them and SetStatus writes them.
struct CFileStatus {
  enum Attribute : unsigned { normal = 0x00, readOnly = 0x01, hidden = 0x02, directory = 0x10 };
  unsigned m_attribute = normal;
  std::uint64_t m_size = 0;
};

// The project's file object: a POSIX descriptor opened with exclusive sharing.
//
// Every open takes flock(LOCK_EX | LOCK_NB) and holds it until Close, so a second open of the same
// file, by any path, fails like a sharing violation. Create opens without O_TRUNC, locks, and only
// then truncates. Open reports failure as a result; everything else throws CFileException.
// Read-only (the owner's write bit off) is honoured for every user, root included. Hidden is the
// name listed in the ".hidden" file of the file's folder.
class CFile {
 public:
  enum OpenFlags : unsigned {
    modeRead = 0x0000,
    modeWrite = 0x0001,
    modeReadWrite = 0x0002,
    shareExclusive = 0x0010,  // always in effect; accepted for readability at call sites
    modeCreate = 0x1000,      // create, or truncate an existing file after locking it
    modeNoTruncate = 0x2000,  // with modeCreate: keep an existing file's contents
  };
  enum SeekPosition { begin = 0, current = 1, end = 2 };

  CFile() = default;
  ~CFile();  // closes without throwing
  CFile(const CFile&) = delete;
  CFile& operator=(const CFile&) = delete;

  // Opens (or with modeCreate creates) the file. False on failure, with the cause in *error
  // when given. The file name is kept as given and reported by GetFilePath.
  bool Open(const std::string& fileName, unsigned openFlags, CFileException* error = nullptr);

  // Reads up to count bytes; returns the count read (fewer at the end of the file).
  std::size_t Read(void* buffer, std::size_t count);
  // Writes all count bytes or throws (a short write is a full disk).
  void Write(const void* buffer, std::size_t count);
  // Flushes to the disk (fsync).
  void Flush();
  // Closes; throws if the close reports an error. Does nothing when not open.
  void Close();
  // Closes and ignores every error.
  void Abort() noexcept;

  std::uint64_t GetLength() const;
  std::uint64_t GetPosition() const;
  std::uint64_t Seek(std::int64_t offset, SeekPosition from);
  void SeekToBegin() { Seek(0, begin); }
  void SetLength(std::uint64_t length);

  const std::string& GetFilePath() const noexcept { return m_strFileName; }
  bool IsOpen() const noexcept { return m_fd >= 0; }
  int Descriptor() const noexcept { return m_fd; }

  // Removes a file by name; throws on failure (a read-only file is access denied).
  static void Remove(const std::string& fileName);
  // Reads the attributes of a named file; false when it does not exist.
  static bool GetStatus(const std::string& fileName, CFileStatus& status);
  // Writes the read-only and hidden attributes of a named file; throws on failure.
  static void SetStatus(const std::string& fileName, const CFileStatus& status);
  // Makes a directory's entries durable (fsync of the folder); throws on failure.
  static void SyncDirectoryOf(const std::string& fileName);

  // Test seam: after this many more bytes have been written (by any CFile), every write fails
  // with the given errno. std::nullopt switches the fault off.
  static void SetWriteFaultForTesting(std::optional<std::uint64_t> bytesBeforeFault,
                                      int error = 28 /* ENOSPC */);

 private:
  int m_fd = -1;
  std::uint64_t m_device = 0;  // of the open file, for the process's registry of open files
  std::uint64_t m_inode = 0;
  std::string m_strFileName;
};

}  // namespace quorvane
