#include "format/PasswordBytes.h"

#include "format/Windows1252.h"

namespace quorvane {

std::string EncryptionPasswordBytes(std::string_view typed) {
  if (auto windows = Utf8ToWindows1252(typed)) return *windows;
  return std::string(typed);
}

std::vector<std::string> DecryptionPasswordCandidates(std::string_view typed) {
  std::vector<std::string> candidates;
  if (auto windows = Utf8ToWindows1252(typed)) candidates.push_back(*windows);
  if (candidates.empty() || candidates.front() != typed) candidates.emplace_back(typed);
  return candidates;
}

std::size_t PasswordCharacterCount(std::string_view typed) {
  if (!IsValidUtf8(typed)) return typed.size();
  std::size_t count = 0;
  for (char byte : typed) {
    if ((static_cast<unsigned char>(byte) & 0xC0) != 0x80) ++count;
  }
  return count;
}

}  // namespace quorvane
