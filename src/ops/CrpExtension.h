#pragma once

#include <string>

namespace quorvane {

// The crypt name with the extension ".CRP" forced on it: everything before the first "." of the
// whole name (folders included) followed by ".CRP", or the whole name followed by ".CRP" when it
// holds no ".". So "/data/my.dir/report.doc" becomes "/data/my.CRP".
std::string ForceCrpExtension(const std::string& cryptName);

}  // namespace quorvane
