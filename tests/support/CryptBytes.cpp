#include "support/CryptBytes.h"

#include <gtest/gtest.h>

#include <cstdio>

#include "format/PasswordSignature.h"
#include "methods/BlockTransforms.h"
#include "methods/MethodRoutines.h"

namespace quorvane::test {

std::string CryptFileBytes(const std::string& headerName, const std::string& signatureBytes,
                           const std::string& content, int method) {
  // Quick works byte by byte; the others transform each block with its own length.
  if (method != 1) {
    EXPECT_LT(content.size(), kCryptBlockSize) << "one block only";
  }
  const std::string signature = MakePasswordSignature(signatureBytes);
  char sizes[16];
  std::snprintf(sizes, sizeof sizes, "%08zx%04zx", content.size(),
                17 + signature.size() + headerName.size());
  std::string body = content;
  auto* bytes = reinterpret_cast<unsigned char*>(body.data());
  switch (method) {
    case 1:
      SwapNibbles(bytes, body.size());
      break;
    case 2:
      SecureScramble(bytes, body.size());
      break;
    case 3:
      MaximumScramble(bytes, body.size());
      break;
    default:
      ADD_FAILURE() << "no transform for method " << method;
  }
  return std::string("AX1") + static_cast<char>(method) + sizes +
         static_cast<char>(17 + signature.size()) + signature + headerName + body;
}

}  // namespace quorvane::test
