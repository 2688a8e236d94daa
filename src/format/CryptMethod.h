#pragma once

#include <string_view>

namespace quorvane {

// The method number stored at offset 3 of a crypt header.
enum CryptMethod : unsigned char {
  MethodNone = 0,  // the method name matched none of the four
  MethodQuick = 1,
  MethodSecure = 2,
  MethodMaximum = 3,
  MethodTrashed = 4,
};

// "Quick", "Secure", "Maximum" exactly give 1, 2, 3; any name containing "Trash" gives 4;
// anything else 0. Case-sensitive.
CryptMethod MethodNumberFromName(std::string_view methodName);

}  // namespace quorvane
