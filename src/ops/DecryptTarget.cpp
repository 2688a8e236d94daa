#include "ops/DecryptTarget.h"

#include "format/CryptHeader.h"
#include "format/RestoredName.h"

namespace quorvane {

std::optional<std::string> TargetNameFromHeader(const CryptHeader& header,
                                                const std::string& cryptName) {
  return RestoredTargetName(header.OriginalName(), cryptName);
}

}  // namespace quorvane
