#pragma once

#include <string>
#include <vector>

namespace quorvane {

class CryptHeader;

// The signature that a new crypt carries for the typed password (its Windows-1252 form where
// it has one, so the crypt opens with the same password on Windows).
std::string SignatureForNewCrypt(const std::string& password);

// The signatures that open a crypt for the typed password: of its Windows-1252 form (crypts of
// the Windows program and of this one) and of its bytes as typed (crypts of earlier builds).
// None for an empty password.
std::vector<std::string> SignaturesForTypedPassword(const std::string& password);

// True when one of the signatures matches the header's.
bool AnySignatureMatches(const CryptHeader& header, const std::vector<std::string>& signatures);

}  // namespace quorvane
