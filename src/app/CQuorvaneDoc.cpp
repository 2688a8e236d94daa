#include "app/CQuorvaneDoc.h"

#include <sstream>

namespace quorvane {

std::string GetDocString(DocString index) {
  std::istringstream parts(kDocTemplateString);
  std::string part;
  for (int i = 0; i <= static_cast<int>(index); ++i) {
    if (!std::getline(parts, part)) return {};
  }
  return part;
}

std::string FrameCaption(const CQuorvaneDoc& document) {
  return document.GetTitle() + " - " + GetDocString(DocString::WindowTitle);
}

}  // namespace quorvane
