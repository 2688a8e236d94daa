#include "ops/PasswordCheck.h"

#include "format/PasswordBytes.h"
#include "format/PasswordSignature.h"
#include "platform/Secret.h"

namespace quorvane {

std::string SignatureForNewCrypt(const std::string& password) {
  std::string bytes = EncryptionPasswordBytes(password);
  std::string signature = MakePasswordSignature(bytes);
  ClearSecret(bytes);
  return signature;
}

std::vector<std::string> SignaturesForTypedPassword(const std::string& password) {
  std::vector<std::string> signatures;
  std::vector<std::string> forms = DecryptionPasswordCandidates(password);
  for (std::string& bytes : forms) {
    if (!bytes.empty()) signatures.push_back(MakePasswordSignature(bytes));
    ClearSecret(bytes);
  }
  return signatures;
}

bool AnySignatureMatches(const CryptHeader& header, const std::vector<std::string>& signatures) {
  for (const std::string& signature : signatures) {
    if (SignatureMatches(header, signature)) return true;
  }
  return false;
}

}  // namespace quorvane
