#pragma once

#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "platform/Desktop.h"

namespace quorvane::test {

// The one test double: a desktop that answers from a queue and records what a user would see.
//
// Every prompt takes the next queued answer, which must be of its kind; an unexpected prompt,
// or an answer left unused when the desktop is destroyed, fails the test.
//
// Record() lists what was shown, in order, one line each:
//   "message stop: Cannot create encrypted file. Process aborted."   (stop|exclamation|information)
//   "confirm: WARNING: A file encrypted ..."
//   "encrypt names" / "encrypt names locked=/tmp/x/a.txt"
//   "decrypt names" / "decrypt names locked=/tmp/x/a.crp" plus " new-name" when allowed
//   "encrypt password" / "decrypt password" / "statistics file" / "options"
//   "statistics: <name> | <size> | <original name> | <original size> | <method> | <hdr> | <ver>"
//   "meter: <caption> | <source> | <target> | <method line>" and "meter closed"
//   "wipe meter" / "wipe bar 33" / "wipe label Pass 2" / "wipe closed"
//   "file error: <text>"
//   "restore window"
// The percentages of every progress meter, in order, are kept in Percents() (not in Record()).
class ScriptedDesktop : public Desktop {
 public:
  ScriptedDesktop() = default;
  ~ScriptedDesktop() override;

  // Queued answers, consumed in order.
  void AnswerConfirm(bool ok);
  void AnswerEncryptNames(std::optional<FileNames> names);
  void AnswerDecryptNames(std::optional<FileNames> names);
  void AnswerEncryptPassword(std::optional<std::string> password);
  void AnswerDecryptPassword(std::optional<std::string> password);
  void AnswerStatisticsFile(std::optional<std::string> fileName);
  // nullopt closes the options dialog with Cancel; a value is what the user left there on OK.
  void AnswerOptions(std::optional<AppOptions> options);

  // The next progress meter reports a cancel once SetPercent has been called with a value of at
  // least this percentage.
  void CancelMeterAtPercent(int percent);
  // Called on every SetPercent of every meter (after the cancel rule above), for tests that
  // start work while a routine copies.
  void OnPercent(std::function<void(int)> callback);

  const std::vector<std::string>& Record() const { return m_record; }
  const std::vector<int>& Percents() const { return m_percents; }
  // The options the last options dialog was opened with.
  const std::optional<AppOptions>& OptionsShown() const { return m_optionsShown; }
  // Forgets what was recorded so far (the answers stay).
  void ClearRecord();

  // Desktop
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

  // Used by the meters.
  void Note(std::string line) { m_record.push_back(std::move(line)); }
  void NotePercent(int percent);

 private:
  enum class Kind {
    Confirm,
    EncryptNames,
    DecryptNames,
    EncryptPassword,
    DecryptPassword,
    StatisticsFile,
    Options
  };
  struct Answer {
    Kind kind;
    bool ok = false;
    std::optional<FileNames> names;
    std::optional<std::string> text;
    std::optional<AppOptions> options;
  };
  std::optional<Answer> Take(Kind kind, const char* prompt);

  std::deque<Answer> m_answers;
  std::vector<std::string> m_record;
  std::vector<int> m_percents;
  std::optional<AppOptions> m_optionsShown;
  std::optional<int> m_cancelAt;
  std::function<void(int)> m_onPercent;
};

// The line Record() holds for a message.
std::string MessageLine(const std::string& text, MessageIcon icon);

}  // namespace quorvane::test
