#include "ops/DecryptTarget.h"

#include "format/CryptHeader.h"

namespace quorvane {

std::string TargetNameFromHeader(const CryptHeader& header, const std::string& /*cryptName*/) {
  return header.OriginalName();
}

}  // namespace quorvane
