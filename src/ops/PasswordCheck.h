#pragma once

#include <string>

namespace quorvane {

class CryptHeader;

// The signature that a new crypt carries for the typed password.
std::string SignatureForNewCrypt(const std::string& password);

// True when the typed password opens the crypt of this header.
bool PasswordOpensCrypt(const CryptHeader& header, const std::string& password);

}  // namespace quorvane
