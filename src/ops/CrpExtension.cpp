#include "ops/CrpExtension.h"

namespace quorvane {

std::string ForceCrpExtension(const std::string& cryptName) {
  // In UTF-8 and every other encoding a Linux name may carry, a "." byte is always the character
  // itself, never part of a longer one.
  return cryptName.substr(0, cryptName.find('.')) + ".CRP";
}

}  // namespace quorvane
