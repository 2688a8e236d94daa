#pragma once

#include <QString>
#include <QStringList>
#include <optional>
#include <string>

class QWidget;

namespace quorvane {

// What a Browse button asks of the platform's file dialog.
struct FileRequest {
  enum class Kind {
    Open,  // the chosen file must exist
    Save,  // asks before replacing a file that exists and before creating one that does not
  };
  Kind kind = Kind::Open;
  QString title;
  QStringList filters;  // name filters, the first one selected
  QString initialName;  // empty for none

  bool operator==(const FileRequest&) const = default;
};

// The file dialogs the dialogs open. The program uses PlatformFileDialogs(); tests put a
// scripted one in its place.
class FileDialogs {
 public:
  virtual ~FileDialogs() = default;
  // The chosen file's full path, or nullopt when the user cancelled.
  virtual std::optional<QString> Choose(QWidget* owner, const FileRequest& request) = 0;
};

// The dialogs of QFileDialog.
FileDialogs& PlatformFileDialogs();

// The filter lists: all files alone, and crypt files first, then all files. The crypt pattern
// matches ".crp" in any case.
QStringList AllFilesFilters();
QStringList CryptFilesFilters();

// The initial name the encryption dialog offers for the crypt: none for an empty source, the
// source followed by ".crp" when it holds no ".", else the part before its first "." (anywhere
// in the path) followed by ".crp".
std::string InitialCryptName(const std::string& source);

}  // namespace quorvane
