#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "cli/PasswordInput.h"
#include "platform/Desktop.h"

namespace quorvane {

class Terminal;

// What the console desktop answers with, from the command line.
struct ConsoleSettings {
  bool quiet = false;              // -q: information messages and the meters are not shown
  bool assumeYes = false;          // --yes: the Trashed warning is answered OK
  bool collectStatistics = false;  // stats --json: statistics are kept for one JSON listing
  PasswordInput password;
  std::optional<std::string> encryptTarget;  // encrypt -o, absolute
  std::optional<std::string> decryptTarget;  // decrypt -o, absolute
};

// The Desktop of quorvane-cli: answers from the flags and the terminal, writes each message as
// one line on stderr, the statistics on stdout, and draws the meters on stderr when it is a
// terminal. The options dialog is always cancelled, so the profile is never written.
class ConsoleDesktop : public Desktop {
 public:
  explicit ConsoleDesktop(ConsoleSettings settings);
  ~ConsoleDesktop() override;

  // The file the next command works on: the Statistics command's answer, and the name shown
  // above a terminal prompt when several files are handled.
  void SetCurrentFile(std::string fileName, bool announce);
  // The statistics shown so far, when collecting.
  const std::vector<StatisticsTexts>& CollectedStatistics() const { return m_statistics; }

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
  void ReportFileError(const CFileException& error) override;

 private:
  Terminal* OpenTerminal();
  void AnnounceFile(Terminal& terminal);
  // The password from --password-file or --password-fd: read once, kept for every file.
  std::optional<std::string> PasswordFromInput();
  // The terminal to ask a password on, with the file announced; nullptr (and a hint on stderr)
  // when there is none.
  Terminal* PasswordTerminal();
  std::optional<std::string> EncryptPasswordFromTerminal();
  std::optional<std::string> DecryptPasswordFromTerminal();
  bool DrawMeters() const;

  ConsoleSettings m_settings;
  std::string m_strCurrentFile;
  bool m_bAnnounce = false;
  bool m_bAnnounced = false;
  std::vector<StatisticsTexts> m_statistics;
  int m_statisticsShown = 0;

  std::unique_ptr<Terminal> m_terminal;
  bool m_bTerminalTried = false;

  std::string m_strInputPassword;  // cleared on destruction
  bool m_bInputRead = false;
  bool m_bInputFailed = false;
};

}  // namespace quorvane
