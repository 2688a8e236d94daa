#include "ops/PasswordCheck.h"

#include "format/PasswordSignature.h"

namespace quorvane {

std::string SignatureForNewCrypt(const std::string& password) {
  return MakePasswordSignature(password);
}

bool PasswordOpensCrypt(const CryptHeader& header, const std::string& password) {
  return SignatureMatches(header, MakePasswordSignature(password));
}

}  // namespace quorvane
