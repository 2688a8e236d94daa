#include "services/CryptStatistics.h"

#include "format/CryptHeader.h"
#include "format/Windows1252.h"
#include "platform/CFile.h"

namespace quorvane {

namespace {

// "AX" and a version digit from 1 to 9, read as text up to the first 0 byte.
bool HasCryptMagic(const char (&firstBytes)[4]) {
  const std::string magic(firstBytes);
  return magic.size() == 3 && magic[0] == 'A' && magic[1] == 'X' && magic[2] >= '1' &&
         magic[2] <= '9';
}

}  // namespace

std::string MethodLabel(int methodByte) {
  switch (methodByte) {
    case 1:
      return "Quick (Method 1)";
    case 2:
      return "Secure (Method 2)";
    case 3:
      return "Maximum (Method 3)";
    case 4:
      return "Trashed (Method 4)";
    default:
      return "Corrupt Header";
  }
}

CryptStatistics ReadCryptStatistics(const std::string& cryptName) {
  CryptStatistics stats;
  CFile file;
  if (!file.Open(cryptName, CFile::modeRead | CFile::shareExclusive)) {
    stats.result = CryptStatistics::Result::CannotOpen;
    return stats;
  }
  char firstBytes[4] = {0, 0, 0, 0};
  file.Read(firstBytes, 3);
  if (!HasCryptMagic(firstBytes)) {
    file.Close();
    stats.result = CryptStatistics::Result::NotACrypt;
    return stats;
  }

  // The header reader clamps every field to the bytes the file holds, so damaged size fields
  // give short or empty fields, never a read past what was read.
  const CryptHeader header = ReadCryptHeader(file);
  stats.cryptSize = file.GetLength();
  stats.originalSize = header.OriginalSize();
  stats.headerSize = header.HeaderSize();
  stats.originalNameBytes = header.OriginalName();
  file.Close();

  StatisticsTexts& texts = stats.texts;
  texts.cryptName = cryptName;
  texts.cryptSize = std::to_string(stats.cryptSize);
  // Names made on Windows are in its code page: shown converted, never as broken characters.
  texts.originalName = DisplayName(stats.originalNameBytes);
  texts.originalSize = std::to_string(stats.originalSize);
  texts.method = MethodLabel(header.Method());
  texts.headerSize = std::to_string(stats.headerSize);
  texts.version = std::string(1, firstBytes[2]) + ".0, 32-Bit (Win95/NT)";
  stats.result = CryptStatistics::Result::Ok;
  return stats;
}

}  // namespace quorvane
