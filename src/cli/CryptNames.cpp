#include "cli/CryptNames.h"

#include <unistd.h>

#include <cerrno>
#include <vector>

namespace quorvane {

namespace {

std::string CurrentFolder() {
  std::vector<char> buffer(4096);
  while (getcwd(buffer.data(), buffer.size()) == nullptr) {
    if (errno != ERANGE) return {};
    buffer.resize(buffer.size() * 2);
  }
  return buffer.data();
}

}  // namespace

std::string AbsoluteName(const std::string& name) {
  if (name.empty() || name.front() == '/') return name;
  std::string folder = CurrentFolder();
  if (folder.empty()) return name;  // no current folder to resolve against: keep it as given

  std::string result = folder == "/" ? std::string() : folder;
  std::size_t start = 0;
  while (start <= name.size()) {
    std::size_t end = name.find('/', start);
    if (end == std::string::npos) end = name.size();
    const std::string segment = name.substr(start, end - start);
    const bool last = end == name.size();
    if (!segment.empty() && segment != ".") {
      result += '/';
      result += segment;
    } else if (last && !result.empty() && end > 0 && name[end - 1] == '/') {
      result += '/';  // keep a trailing slash: the name stays a folder's name
    }
    start = end + 1;
  }
  return result.empty() ? "/" : result;
}

std::string DefaultCryptName(const std::string& source) {
  const std::size_t slash = source.rfind('/');
  const std::size_t base = slash == std::string::npos ? 0 : slash + 1;
  const std::size_t dot = source.rfind('.');
  if (dot != std::string::npos && dot > base) return source.substr(0, dot) + ".crp";
  return source + ".crp";
}

}  // namespace quorvane
