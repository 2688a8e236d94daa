#pragma once

#include <QPointer>
#include <QWidget>

#include "dialogs/FileDialogs.h"
#include "platform/Desktop.h"

namespace quorvane {

// The desktop of the window program: every prompt is one of the program's dialogs, every
// message a message box owned by the main window, and the meters are windows over it.
class QtDesktop : public Desktop {
 public:
  explicit QtDesktop(QWidget* mainWindow);
  // For tests: the file dialogs of the Browse buttons and the Statistics command.
  QtDesktop(QWidget* mainWindow, FileDialogs& fileDialogs);

  void Message(const std::string& text, MessageIcon icon) override;
  bool ConfirmTrashed(const std::string& warning) override;
  std::optional<FileNames> AskEncryptNames(const std::string& lockedSource) override;
  std::optional<FileNames> AskDecryptNames(const std::string& lockedSource,
                                           bool allowNewName) override;
  std::optional<std::string> AskEncryptPassword() override;
  std::optional<std::string> AskDecryptPassword() override;
  std::optional<std::string> AskStatisticsFile() override;
  bool EditOptions(AppOptions& options) override;
  void ShowStatistics(const StatisticsTexts& texts) override;
  std::unique_ptr<ProgressMeter> NewProgressMeter() override;
  std::unique_ptr<WipeMeter> NewWipeMeter() override;
  void RestoreMainWindow() override;
  void ReportFileError(const CFileException& error) override;

 private:
  QWidget* MainWindow() const { return m_mainWindow.data(); }

  QPointer<QWidget> m_mainWindow;
  FileDialogs& m_fileDialogs;
};

}  // namespace quorvane
