#pragma once

#include <string>

namespace quorvane {

// The document template's string: window title, document name, new-file name, filter name,
// filter extension, file-type id, file-type name, and two sub-strings no platform uses.
inline constexpr char kDocTemplateString[] =
    "Quorvane\n\nCrypt\nEncrypted Files (*.crp)\n.CRP\nQuorvane.Document\nCrypt Document\nZOZO\n"
    "ZOZO Files";

enum class DocString {
  WindowTitle,
  DocName,
  FileNewName,
  FilterName,
  FilterExt,
  RegFileTypeId,
  RegFileTypeName
};

// One sub-string of the template's string; empty when absent.
std::string GetDocString(DocString index);

// The one, always empty document of the window. No command opens or saves a document, so it
// holds nothing but its title.
class CQuorvaneDoc {
 public:
  const std::string& GetTitle() const { return m_strTitle; }

 private:
  std::string m_strTitle = "Untitled";
};

// The main window's caption: the document's title, " - ", the template's window title.
std::string FrameCaption(const CQuorvaneDoc& document);

}  // namespace quorvane
