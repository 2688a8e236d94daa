#include "support/TempDir.h"

#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace quorvane::test {

TempDir::TempDir() {
  const char* base = std::getenv("TMPDIR");
  std::string pattern = std::string(base && *base ? base : "/tmp") + "/quorvane-test-XXXXXX";
  if (mkdtemp(pattern.data()) == nullptr) {
    ADD_FAILURE() << "cannot make a temporary folder from " << pattern;
  }
  m_path = pattern;
}

TempDir::~TempDir() {
  std::error_code ignored;
  // Restore write permission first so read-only test files can be removed.
  for (auto it = std::filesystem::recursive_directory_iterator(m_path, ignored);
       it != std::filesystem::recursive_directory_iterator(); it.increment(ignored)) {
    chmod(it->path().c_str(), 0700);
  }
  std::filesystem::remove_all(m_path, ignored);
}

void WriteFileBytes(const std::string& fileName, const std::string& bytes) {
  std::ofstream out(fileName, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!out) ADD_FAILURE() << "cannot write " << fileName;
}

std::string ReadFileBytes(const std::string& fileName) {
  std::ifstream in(fileName, std::ios::binary);
  if (!in) {
    ADD_FAILURE() << "cannot read " << fileName;
    return {};
  }
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

bool FileExists(const std::string& fileName) {
  struct stat st;
  return lstat(fileName.c_str(), &st) == 0;
}

}  // namespace quorvane::test
