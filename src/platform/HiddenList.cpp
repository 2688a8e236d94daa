#include "platform/HiddenList.h"

#include <fcntl.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <vector>

#include "platform/CFileException.h"

namespace quorvane {

namespace {

std::string HiddenListOf(const PathParts& parts) {
  return parts.folder + "/.hidden";
}

// The lines of the list; an absent list is empty. Lines keep no '\n' (and no trailing '\r').
bool ReadLines(const std::string& listName, std::vector<std::string>& lines, int& error) {
  lines.clear();
  const int fd = open(listName.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) {
    error = errno;
    return errno == ENOENT;
  }
  std::string content;
  char buffer[4096];
  for (;;) {
    const ssize_t got = read(fd, buffer, sizeof buffer);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) {
      error = errno;
      close(fd);
      return false;
    }
    if (got == 0) break;
    content.append(buffer, static_cast<std::size_t>(got));
  }
  close(fd);
  std::size_t start = 0;
  while (start < content.size()) {
    std::size_t end = content.find('\n', start);
    if (end == std::string::npos) end = content.size();
    std::string line = content.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(std::move(line));
    start = end + 1;
  }
  return true;
}

bool WriteAll(int fd, const std::string& bytes) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t put = write(fd, bytes.data() + done, bytes.size() - done);
    if (put < 0 && errno == EINTR) continue;
    if (put <= 0) {
      if (put == 0) errno = ENOSPC;
      return false;
    }
    done += static_cast<std::size_t>(put);
  }
  return true;
}

// Replaces the list through a temporary file in the same folder, so a failure leaves the old
// list whole. Keeps the old list's permission bits.
int ReplaceList(const std::string& listName, const std::vector<std::string>& lines) {
  if (lines.empty()) {
    if (unlink(listName.c_str()) != 0 && errno != ENOENT) return errno;
    return 0;
  }
  std::string content;
  for (const auto& line : lines) content += line + '\n';

  std::string tempName = listName + ".XXXXXX";
  const int fd = mkostemp(tempName.data(), O_CLOEXEC);
  if (fd < 0) return errno;
  struct stat old;
  const mode_t mode = stat(listName.c_str(), &old) == 0 ? (old.st_mode & 07777) : 0644;
  int error = 0;
  if (fchmod(fd, mode) != 0 || !WriteAll(fd, content) || fsync(fd) != 0) error = errno;
  if (close(fd) != 0 && error == 0) error = errno;
  if (error == 0 && rename(tempName.c_str(), listName.c_str()) != 0) error = errno;
  if (error != 0) unlink(tempName.c_str());
  return error;
}

}  // namespace

PathParts SplitPath(const std::string& path) {
  std::string trimmed = path;
  while (trimmed.size() > 1 && trimmed.back() == '/') trimmed.pop_back();
  const auto slash = trimmed.rfind('/');
  if (slash == std::string::npos) return {".", trimmed};
  if (slash == 0) return {"/", trimmed.substr(1)};
  return {trimmed.substr(0, slash), trimmed.substr(slash + 1)};
}

bool IsListedHidden(const std::string& path) {
  const PathParts parts = SplitPath(path);
  std::vector<std::string> lines;
  int error = 0;
  if (parts.name.empty() || !ReadLines(HiddenListOf(parts), lines, error)) return false;
  for (const auto& line : lines) {
    if (line == parts.name) return true;
  }
  return false;
}

void SetListedHidden(const std::string& path, bool hidden) {
  const PathParts parts = SplitPath(path);
  if (parts.name.empty() || parts.name.find('\n') != std::string::npos) {
    throw CFileException(CFileException::badPath, path);
  }
  const std::string listName = HiddenListOf(parts);
  std::vector<std::string> lines;
  int error = 0;
  if (!ReadLines(listName, lines, error)) {
    throw CFileException(CFileException::CauseFromErrno(error), path, error);
  }
  std::vector<std::string> kept;
  bool listed = false;
  for (auto& line : lines) {
    if (line == parts.name) {
      listed = true;
      if (!hidden) continue;
    }
    kept.push_back(std::move(line));
  }
  if (listed == hidden) return;
  if (hidden) kept.push_back(parts.name);
  error = ReplaceList(listName, kept);
  if (error != 0) throw CFileException(CFileException::CauseFromErrno(error), path, error);
}

}  // namespace quorvane
