#pragma once

#include <optional>
#include <string>

namespace quorvane {

class CryptHeader;

// The file a crypt decrypts to when the user gave no name, from the original name recorded in
// its header: an absolute path made here as it stands, a Windows or relative name restored into
// the crypt's folder. nullopt when the header's name names no file.
std::optional<std::string> TargetNameFromHeader(const CryptHeader& header,
                                                const std::string& cryptName);

}  // namespace quorvane
