#include "app/QtDesktop.h"

#include "dialogs/CDecryptNamesDlg.h"
#include "dialogs/CDecryptPasswordDlg.h"
#include "dialogs/CEncryptNamesDlg.h"
#include "dialogs/CEncryptPasswordDlg.h"
#include "dialogs/COptionsDlg.h"
#include "dialogs/CProgressDlg.h"
#include "dialogs/CStatsDlg.h"
#include "dialogs/CWipeDlg.h"
#include "dialogs/MessageBoxes.h"
#include "dialogs/TextBytes.h"

namespace quorvane {

QtDesktop::QtDesktop(QWidget* mainWindow) : QtDesktop(mainWindow, PlatformFileDialogs()) {}

QtDesktop::QtDesktop(QWidget* mainWindow, FileDialogs& fileDialogs)
    : m_mainWindow(mainWindow), m_fileDialogs(fileDialogs) {}

void QtDesktop::Message(const std::string& text, MessageIcon icon) {
  ShowMessage(MainWindow(), DisplayText(text), icon);
}

bool QtDesktop::ConfirmTrashed(const std::string& warning) {
  return AskOkCancel(MainWindow(), DisplayText(warning));
}

std::optional<FileNames> QtDesktop::AskEncryptNames(const std::string& lockedSource) {
  CEncryptNamesDlg dialog(MainWindow(), m_fileDialogs);
  dialog.m_strSource = lockedSource;
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return FileNames{dialog.m_strSource, dialog.m_strTarget};
}

std::optional<FileNames> QtDesktop::AskDecryptNames(const std::string& lockedSource,
                                                    bool allowNewName) {
  CDecryptNamesDlg dialog(allowNewName, MainWindow(), m_fileDialogs);
  dialog.m_strSource = lockedSource;
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return FileNames{dialog.m_strSource, dialog.m_strTarget};
}

std::optional<std::string> QtDesktop::AskEncryptPassword() {
  CEncryptPasswordDlg dialog(MainWindow());
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return dialog.m_strPassword;
}

std::optional<std::string> QtDesktop::AskDecryptPassword() {
  CDecryptPasswordDlg dialog(MainWindow());
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return dialog.m_strPassword;
}

std::optional<std::string> QtDesktop::AskStatisticsFile() {
  FileRequest request;
  request.kind = FileRequest::Kind::Open;
  request.title = QStringLiteral("Select Encrypted File To Get Statistics For");
  request.filters = CryptFilesFilters();
  const auto chosen = m_fileDialogs.Choose(MainWindow(), request);
  if (!chosen) return std::nullopt;
  return NameBytes(*chosen);
}

bool QtDesktop::EditOptions(AppOptions& options) {
  COptionsDlg dialog(MainWindow());
  dialog.SetOptions(options);
  if (dialog.exec() != QDialog::Accepted) return false;
  options = dialog.Options();
  return true;
}

void QtDesktop::ShowStatistics(const StatisticsTexts& texts) {
  CStatsDlg dialog(MainWindow());
  dialog.m_strCryptName = texts.cryptName;
  dialog.m_strCryptSize = texts.cryptSize;
  dialog.m_strOriginalName = texts.originalName;
  dialog.m_strOriginalSize = texts.originalSize;
  dialog.m_strMethod = texts.method;
  dialog.m_strHeaderSize = texts.headerSize;
  dialog.m_strVersion = texts.version;
  dialog.exec();
}

std::unique_ptr<ProgressMeter> QtDesktop::NewProgressMeter() {
  return std::make_unique<CProgressDlg>(MainWindow());
}

std::unique_ptr<WipeMeter> QtDesktop::NewWipeMeter() {
  return std::make_unique<CWipeDlg>(MainWindow());
}

void QtDesktop::RestoreMainWindow() {
  if (QWidget* main = MainWindow()) {
    main->showNormal();
    main->raise();
    main->activateWindow();
  }
}

void QtDesktop::ReportFileError(const CFileException& error) {
  Message(error.text(), MessageIcon::Stop);
}

}  // namespace quorvane
