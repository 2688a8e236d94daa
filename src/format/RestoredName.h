#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace quorvane {

// The file a crypt decrypts to when the user gives no name, from the name in its header.
//
// An absolute POSIX path (crypts made here) is used as it stands. Any other name -- a
// drive-letter path "C:\DATA\REPORT.DOC", a UNC path "\\server\share\x", a relative name -- is
// restored into the crypt's own folder under its last component (after the last "\" or "/"),
// converted from Windows-1252 when it is not valid UTF-8. nullopt when that component would be
// empty, "." or "..", which names no file, and when the name holds a 0 byte.
std::optional<std::string> RestoredTargetName(std::string_view headerName,
                                              std::string_view cryptPath);

}  // namespace quorvane
