#pragma once

#include <string>

namespace quorvane::test {

// The bytes of a whole crypt laid out by hand from the format, as another program (the Windows
// one) writes it: "AX1", the method byte, the sizes, the name offset, the signature of
// signatureBytes, the header name as given, then content through the method's transform
// (1 Quick, 2 Secure, 3 Maximum); for Secure and Maximum one block, so content must be shorter
// than 16384 bytes.
std::string CryptFileBytes(const std::string& headerName, const std::string& signatureBytes,
                           const std::string& content, int method = 1);

}  // namespace quorvane::test
