#pragma once

#include <array>
#include <string>

#include "settings/AppOptions.h"

namespace quorvane {

// The profile section that holds the options.
inline constexpr const char* kOptionsSection = "Options";

// One option: its profile key (the field's name), its type, its default and its field.
// For a flag, `flag` and `flagDefault` are used; for the text, `text` and `textDefault`.
struct OptionKey {
  enum class Type { Flag, Text };
  const char* name;
  Type type;
  int AppOptions::*flag;
  std::string AppOptions::*text;
  int flagDefault;
  const char* textDefault;
};

// The eight options in the order they are loaded and saved. Loading, saving, the options dialog
// and the console's listing all walk this one table.
inline constexpr std::array<OptionKey, 8> kOptionKeys{{
    {"AllowNewDecryptionName", OptionKey::Type::Flag, &AppOptions::AllowNewDecryptionName, nullptr,
     0, nullptr},
    {"AlwaysAskOptions", OptionKey::Type::Flag, &AppOptions::AlwaysAskOptions, nullptr, 0, nullptr},
    {"AlwaysShowStats", OptionKey::Type::Flag, &AppOptions::AlwaysShowStats, nullptr, 1, nullptr},
    {"DeleteCryptAfterDecryption", OptionKey::Type::Flag, &AppOptions::DeleteCryptAfterDecryption,
     nullptr, 1, nullptr},
    {"ForceCryptToHaveCRPExtention", OptionKey::Type::Flag,
     &AppOptions::ForceCryptToHaveCRPExtention, nullptr, 0, nullptr},
    {"MarkCryptAsHiddenFile", OptionKey::Type::Flag, &AppOptions::MarkCryptAsHiddenFile, nullptr, 0,
     nullptr},
    {"WipeandDeleteOriginalFile", OptionKey::Type::Flag, &AppOptions::WipeandDeleteOriginalFile,
     nullptr, 0, nullptr},
    {"EncryptionMethod", OptionKey::Type::Text, nullptr, &AppOptions::EncryptionMethod, 0,
     "Secure"},
}};

}  // namespace quorvane
