#pragma once

#include <cstdint>

namespace quorvane {

class CryptHeader;

// Whether a header read from a crypt of cryptLength bytes can be decrypted at all: a header size
// of at least 18 (the fixed part and one signature byte) that the file holds, a name offset from
// 18 to the header size, and a method byte of 0 to 3 (0 has a Quick body; 4 is refused earlier
// as Trashed). Anything else would decrypt nothing, or garbage, and still count as done.
bool HeaderIsDecryptable(const CryptHeader& header, std::uint64_t cryptLength);

}  // namespace quorvane
