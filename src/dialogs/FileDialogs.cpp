#include "dialogs/FileDialogs.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

namespace quorvane {
namespace {

class QtFileDialogs : public FileDialogs {
 public:
  std::optional<QString> Choose(QWidget* owner, const FileRequest& request) override {
    // Qt's own dialog: its name filters match without regard to case, which the crypt filter
    // needs on a case-sensitive file system.
    QFileDialog dialog(owner, request.title);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setNameFilters(request.filters);
    const bool save = request.kind == FileRequest::Kind::Save;
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    if (!request.initialName.isEmpty()) dialog.selectFile(request.initialName);
    for (;;) {
      if (dialog.exec() != QDialog::Accepted) return std::nullopt;
      const QStringList chosen = dialog.selectedFiles();
      if (chosen.isEmpty()) return std::nullopt;
      const QString path = QFileInfo(chosen.front()).absoluteFilePath();
      if (save && !QFileInfo::exists(path)) {
        const auto answer = QMessageBox::question(
            &dialog, request.title,
            QStringLiteral("%1\nThis file does not exist.\nDo you want to create it?").arg(path),
            QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes);
        if (answer != QMessageBox::Yes) {
          dialog.selectFile(path);
          continue;
        }
      }
      return path;
    }
  }
};

}  // namespace

FileDialogs& PlatformFileDialogs() {
  static QtFileDialogs dialogs;
  return dialogs;
}

QStringList AllFilesFilters() {
  return {QStringLiteral("All Files (*)")};
}

QStringList CryptFilesFilters() {
  return {QStringLiteral("Crypt Files (*.crp)"), QStringLiteral("All Files (*)")};
}

std::string InitialCryptName(const std::string& source) {
  if (source.empty()) return {};
  return source.substr(0, source.find('.')) + ".crp";
}

}  // namespace quorvane
