#include "methods/PortableKernels.h"
#include "methods/TransformPlan.h"
#include "methods/TransformVariants.h"

namespace quorvane::detail {

namespace {
using Plan = TransformPlan<PortableKernels>;
bool Always() {
  return true;
}
}  // namespace

const TransformVariant kPortableTransforms = {
    "portable",
    Always,
    Plan::SwapNibbles,
    Plan::SecureScramble,
    Plan::SecureUnscramble,
    Plan::MaximumScramble,
    Plan::MaximumUnscramble,
    PortableKernels::TrashBytes,
};

}  // namespace quorvane::detail
