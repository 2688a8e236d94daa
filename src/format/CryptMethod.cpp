#include "format/CryptMethod.h"

namespace quorvane {

CryptMethod MethodNumberFromName(std::string_view methodName) {
  // Tested in this order, a later match overwriting an earlier one.
  CryptMethod method = MethodNone;
  if (methodName == "Quick") method = MethodQuick;
  if (methodName == "Secure") method = MethodSecure;
  if (methodName == "Maximum") method = MethodMaximum;
  if (methodName.find("Trash") != std::string_view::npos) method = MethodTrashed;
  return method;
}

}  // namespace quorvane
