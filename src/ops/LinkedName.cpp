#include "ops/LinkedName.h"

#include <stdlib.h>
#include <sys/stat.h>

#include <memory>

namespace quorvane {

std::string FileBehindName(const std::string& name) {
  struct stat st;
  if (lstat(name.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return name;
  const std::unique_ptr<char, decltype(&free)> resolved(realpath(name.c_str(), nullptr), &free);
  return resolved ? std::string(resolved.get()) : name;
}

}  // namespace quorvane
