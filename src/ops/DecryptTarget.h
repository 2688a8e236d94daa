#pragma once

#include <string>

namespace quorvane {

class CryptHeader;

// The file a crypt decrypts to when the user gave no name: the original name recorded in its
// header, exactly as the encryption opened it.
std::string TargetNameFromHeader(const CryptHeader& header, const std::string& cryptName);

}  // namespace quorvane
