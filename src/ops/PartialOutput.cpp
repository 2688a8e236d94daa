#include "ops/PartialOutput.h"

#include <filesystem>
#include <system_error>

#include "ops/LinkedName.h"
#include "platform/CFile.h"

namespace quorvane {

PartialOutput::PartialOutput(CFile& file, std::string fileName) noexcept
    : m_file(file), m_strFileName(std::move(fileName)) {}

PartialOutput::~PartialOutput() {
  if (m_bKeep) return;
  m_file.Abort();
  // The error that brought us here is the one the user is told about; a failure to remove the
  // partial file on top of it cannot be reported and is left as it is.
  std::error_code ignored;
  std::filesystem::remove(FileBehindName(m_strFileName), ignored);
}

}  // namespace quorvane
