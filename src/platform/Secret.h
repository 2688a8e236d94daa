#pragma once

#include <string>

namespace quorvane {

// Overwrites the bytes a secret ever held (its whole capacity), then empties it. Used on
// passwords once their signature is made, so they do not linger in freed memory.
void ClearSecret(std::string& secret) noexcept;

}  // namespace quorvane
