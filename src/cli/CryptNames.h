#pragma once

#include <string>

namespace quorvane {

// A relative name made absolute against the current folder, so that a crypt header records a
// full path as the window's dialogs give one. "." segments and doubled slashes of the relative
// part are dropped; ".." is kept (a symbolic link makes it more than text). An absolute or
// empty name is returned unchanged.
std::string AbsoluteName(const std::string& name);

// The crypt name the CLI proposes: the last extension of the file's name replaced by ".crp",
// or ".crp" appended when the name has none. A leading dot (".profile") starts no extension,
// and a dot in a folder name is not an extension.
std::string DefaultCryptName(const std::string& source);

}  // namespace quorvane
