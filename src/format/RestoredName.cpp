#include "format/RestoredName.h"

#include "format/Windows1252.h"

namespace quorvane {

std::optional<std::string> RestoredTargetName(std::string_view headerName,
                                              std::string_view cryptPath) {
  // A 0 byte would silently cut the name short at the system call.
  if (headerName.find('\0') != std::string_view::npos) return std::nullopt;
  if (!headerName.empty() && headerName.front() == '/') return std::string(headerName);

  const std::size_t cut = headerName.find_last_of("\\/");
  std::string component(cut == std::string_view::npos ? headerName : headerName.substr(cut + 1));
  component = DisplayName(component);
  if (component.empty() || component == "." || component == "..") return std::nullopt;

  const std::size_t slash = cryptPath.rfind('/');
  if (slash == std::string_view::npos) return component;  // the crypt is in the current folder
  return std::string(cryptPath.substr(0, slash + 1)) + component;
}

}  // namespace quorvane
