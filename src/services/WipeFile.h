#pragma once

#include <string>

namespace quorvane {

class Desktop;

// Overwrites the named file with zero bytes in three flushed passes under the wipe meter,
// keeping its length. Shows "Unable to open original file to wipe." when the file cannot be
// opened. Does not delete the file. Write and flush failures propagate as CFileException.
void WipeFile(std::string fileName, Desktop& desktop);

}  // namespace quorvane
