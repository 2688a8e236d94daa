#pragma once

#include <string>

namespace quorvane::test {

// A fresh folder under $TMPDIR (or /tmp), removed with everything in it at destruction.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::string& path() const { return m_path; }
  // path() + "/" + name
  std::string operator/(const std::string& name) const { return m_path + "/" + name; }

 private:
  std::string m_path;
};

// Whole-file helpers for tests; they fail the test on an I/O error.
void WriteFileBytes(const std::string& fileName, const std::string& bytes);
std::string ReadFileBytes(const std::string& fileName);
bool FileExists(const std::string& fileName);

}  // namespace quorvane::test
