#include "ops/PasswordCheck.h"

#include "format/PasswordBytes.h"
#include "format/PasswordSignature.h"

namespace quorvane {

std::string SignatureForNewCrypt(const std::string& password) {
  return MakePasswordSignature(EncryptionPasswordBytes(password));
}

bool PasswordOpensCrypt(const CryptHeader& header, const std::string& password) {
  // Crypts made on Windows, and by this program now, carry the Windows-1252 signature; crypts
  // of earlier builds carry the signature of the typed UTF-8 bytes.
  for (const std::string& bytes : DecryptionPasswordCandidates(password)) {
    if (SignatureMatches(header, MakePasswordSignature(bytes))) return true;
  }
  return false;
}

}  // namespace quorvane
