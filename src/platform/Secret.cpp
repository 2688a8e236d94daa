#include "platform/Secret.h"

#include <string.h>

namespace quorvane {

void ClearSecret(std::string& secret) noexcept {
  if (secret.capacity() > 0) explicit_bzero(secret.data(), secret.capacity());
  secret.clear();
}

}  // namespace quorvane
