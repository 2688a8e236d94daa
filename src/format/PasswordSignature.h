#pragma once

#include <string>
#include <string_view>

#include "format/CryptHeader.h"

namespace quorvane {

// The signature of a password's bytes: the sorted positions, the smallest character with its
// halves swapped, and the packed differences, with every 0 byte stored as 0xFF. Empty for an
// empty password.
std::string MakePasswordSignature(std::string_view password);

// True when the header's bytes from offset 17, as many as the signature has, equal it. An
// empty signature (an empty password) never matches.
bool SignatureMatches(const CryptHeader& header, std::string_view signature);

}  // namespace quorvane
