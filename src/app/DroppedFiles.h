#pragma once

#include <optional>
#include <string>

class QMimeData;

namespace quorvane {

// The name of the first local file of a drop, as the bytes the file system holds (a name that
// is not valid UTF-8 survives); nullopt when the drop names no local file. The name is never
// cut: a shortened path could name another file.
std::optional<std::string> FirstDroppedFile(const QMimeData& data);

}  // namespace quorvane
