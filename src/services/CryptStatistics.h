#pragma once

#include <cstdint>
#include <string>

#include "platform/Desktop.h"

namespace quorvane {

// The label of a method byte: "Quick (Method 1)" ... "Trashed (Method 4)", else "Corrupt Header".
std::string MethodLabel(int methodByte);

// What the statistics reader found in a crypt.
struct CryptStatistics {
  enum class Result { Ok, CannotOpen, NotACrypt };
  Result result = Result::CannotOpen;
  StatisticsTexts texts;  // the seven values as the dialog shows them (Ok only)
  std::uint64_t cryptSize = 0;
  std::uint32_t originalSize = 0;
  std::int32_t headerSize = 0;
  std::string originalNameBytes;  // the header's name bytes, unchanged
};

// Opens the crypt exclusively, checks "AX" and a version digit 1 to 9, reads the header, closes
// the file and formats the seven values. Read errors propagate as CFileException.
CryptStatistics ReadCryptStatistics(const std::string& cryptName);

}  // namespace quorvane
