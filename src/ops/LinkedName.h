#pragma once

#include <string>

namespace quorvane {

// The file a name leads to: when the name's last component is a symbolic link that resolves, the
// path it resolves to; otherwise the name as given. Writes through a link land in that file, so
// it is the one to remove when the run that wrote (or wiped) it takes it away again; removing
// the link alone would leave the bytes behind it.
std::string FileBehindName(const std::string& name);

}  // namespace quorvane
