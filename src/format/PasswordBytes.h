#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quorvane {

// The bytes a typed password (UTF-8 from the dialogs, the terminal or a file) stands for in a
// crypt: its Windows-1252 form when it is valid UTF-8 and every character has one, so crypts
// made here open with the same password on Windows; otherwise the bytes as typed.
std::string EncryptionPasswordBytes(std::string_view typed);

// The byte forms decryption tries, in order: the Windows-1252 form (when there is one) and the
// bytes as typed, which crypts made by earlier builds carry. Never two equal entries.
std::vector<std::string> DecryptionPasswordCandidates(std::string_view typed);

// The number of characters of typed text: UTF-8 characters when it is valid UTF-8, else bytes.
std::size_t PasswordCharacterCount(std::string_view typed);

}  // namespace quorvane
