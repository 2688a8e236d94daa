#pragma once

#include <string>

namespace quorvane {

class CryptHeader;

// The signature that a new crypt carries for the typed password (its Windows-1252 form where
// it has one, so the crypt opens with the same password on Windows).
std::string SignatureForNewCrypt(const std::string& password);

// True when the typed password opens the crypt of this header, in either byte form.
bool PasswordOpensCrypt(const CryptHeader& header, const std::string& password);

}  // namespace quorvane
