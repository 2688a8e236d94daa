#pragma once

#include <memory>
#include <optional>
#include <string>

#include "platform/CFileException.h"
#include "platform/ProgressMeter.h"
#include "settings/AppOptions.h"

namespace quorvane {

// The kind of a message: stop for a failure, exclamation for a refusal or warning, information
// for a completion or an acknowledged cancel.
enum class MessageIcon { Stop, Exclamation, Information };

// The two names a names dialog gives back on OK.
struct FileNames {
  std::string source;
  std::string target;
};

// The seven values of the statistics dialog, already formatted.
struct StatisticsTexts {
  std::string cryptName;
  std::string cryptSize;
  std::string originalName;
  std::string originalSize;
  std::string method;
  std::string headerSize;
  std::string version;
};

// Everything the operations need from a person. The Qt desktop, the console desktop and the
// scripted desktop of the tests implement it. Names and passwords are byte strings.
class Desktop {
 public:
  virtual ~Desktop() = default;

  // A message box with the OK button only.
  virtual void Message(const std::string& text, MessageIcon icon) = 0;
  // The Trashed warning: the text with the exclamation icon, OK (default) and Cancel; true for OK.
  virtual bool ConfirmTrashed(const std::string& warning) = 0;

  // The encryption names dialog; a non-empty lockedSource is preset and cannot be changed.
  virtual std::optional<FileNames> AskEncryptNames(const std::string& lockedSource) = 0;
  // The decryption names dialog; without allowNewName the target field is locked.
  virtual std::optional<FileNames> AskDecryptNames(const std::string& lockedSource,
                                                   bool allowNewName) = 0;
  // The password dialogs; the password's bytes as typed, nullopt on Cancel.
  virtual std::optional<std::string> AskEncryptPassword() = 0;
  virtual std::optional<std::string> AskDecryptPassword() = 0;
  // The open-file dialog of the Statistics command; nullopt on Cancel.
  virtual std::optional<std::string> AskStatisticsFile() = 0;
  // The options dialog over a copy of the options; true when closed with OK.
  virtual bool EditOptions(AppOptions& options) = 0;
  // The statistics dialog, modal.
  virtual void ShowStatistics(const StatisticsTexts& texts) = 0;

  virtual std::unique_ptr<ProgressMeter> NewProgressMeter() = 0;
  virtual std::unique_ptr<WipeMeter> NewWipeMeter() = 0;

  // Brings the main window back to its normal state before a dropped file is handled.
  virtual void RestoreMainWindow() {}

  // The report of a file error that ended a command (stop icon).
  virtual void ReportFileError(const CFileException& error) = 0;
};

}  // namespace quorvane
