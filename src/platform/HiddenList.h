#pragma once

#include <string>

namespace quorvane {

// The hidden attribute as file managers keep it: the file's name on a line of the ".hidden" file
// in its folder. The file itself is never renamed or touched.

// The folder part and the name part of a path ("." for a bare name).
struct PathParts {
  std::string folder;
  std::string name;
};
PathParts SplitPath(const std::string& path);

// True when the path's name is listed in its folder's ".hidden" file.
bool IsListedHidden(const std::string& path);

// Adds the name to, or removes it from, the folder's ".hidden" file (replaced atomically; the
// file is removed when its last line goes). Throws CFileException naming the path on failure.
void SetListedHidden(const std::string& path, bool hidden);

}  // namespace quorvane
