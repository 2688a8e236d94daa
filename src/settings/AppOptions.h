#pragma once

#include <string>

namespace quorvane {

// The eight options, named after their profile keys. A flag is set when non-zero.
struct AppOptions {
  int AllowNewDecryptionName = 0;
  int AlwaysAskOptions = 0;
  int AlwaysShowStats = 1;
  int DeleteCryptAfterDecryption = 1;
  int ForceCryptToHaveCRPExtention = 0;
  int MarkCryptAsHiddenFile = 0;
  int WipeandDeleteOriginalFile = 0;
  std::string EncryptionMethod = "Secure";

  bool operator==(const AppOptions&) const = default;
};

}  // namespace quorvane
