#pragma once

#include <string>

namespace quorvane {

class CFile;

// Guards the output of a method routine while it is being written. When a file error ends the
// copy before Keep() is called, the destructor closes the output and removes it: the input is
// intact, and a cut crypt or a short decrypted file must not be left to pass for a finished one.
// Keep() once the output has been flushed and closed; cancels and their removal are the
// operation's own business.
class PartialOutput {
 public:
  PartialOutput(CFile& file, std::string fileName) noexcept;
  ~PartialOutput();
  PartialOutput(const PartialOutput&) = delete;
  PartialOutput& operator=(const PartialOutput&) = delete;

  void Keep() noexcept { m_bKeep = true; }

 private:
  CFile& m_file;
  std::string m_strFileName;
  bool m_bKeep = false;
};

}  // namespace quorvane
