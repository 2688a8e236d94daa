#include "support/ScriptedDesktop.h"

#include <gtest/gtest.h>

namespace quorvane::test {
namespace {

const char* IconName(MessageIcon icon) {
  switch (icon) {
    case MessageIcon::Stop:
      return "stop";
    case MessageIcon::Exclamation:
      return "exclamation";
    case MessageIcon::Information:
      return "information";
  }
  return "?";
}

class ScriptedMeter : public ProgressMeter {
 public:
  ScriptedMeter(ScriptedDesktop& desktop, std::optional<int> cancelAt)
      : m_desktop(desktop), m_cancelAt(cancelAt) {}
  void Begin(const std::string& caption, const std::string& sourcePath,
             const std::string& targetPath, const std::string& methodLine) override {
    m_desktop.Note("meter: " + caption + " | " + sourcePath + " | " + targetPath + " | " +
                   methodLine);
  }
  void SetPercent(int percent) override {
    if (m_cancelAt && percent >= *m_cancelAt) m_bCancel = true;
    m_desktop.NotePercent(percent);
  }
  bool IsCancelled() const override { return m_bCancel; }
  void DestroyWindow() override { m_desktop.Note("meter closed"); }

 private:
  ScriptedDesktop& m_desktop;
  std::optional<int> m_cancelAt;
  bool m_bCancel = false;
};

class ScriptedWipeMeter : public WipeMeter {
 public:
  explicit ScriptedWipeMeter(ScriptedDesktop& desktop) : m_desktop(desktop) {}
  void Begin() override { m_desktop.Note("wipe meter"); }
  void SetBar(int position) override { m_desktop.Note("wipe bar " + std::to_string(position)); }
  void SetPassLabel(const std::string& text) override { m_desktop.Note("wipe label " + text); }
  void Close() override { m_desktop.Note("wipe closed"); }

 private:
  ScriptedDesktop& m_desktop;
};

}  // namespace

std::string MessageLine(const std::string& text, MessageIcon icon) {
  return std::string("message ") + IconName(icon) + ": " + text;
}

ScriptedDesktop::~ScriptedDesktop() {
  if (!m_answers.empty()) {
    ADD_FAILURE() << m_answers.size() << " queued answer(s) were never asked for";
  }
}

void ScriptedDesktop::AnswerConfirm(bool ok) {
  m_answers.push_back({Kind::Confirm, ok, {}, {}, {}});
}
void ScriptedDesktop::AnswerEncryptNames(std::optional<FileNames> names) {
  m_answers.push_back({Kind::EncryptNames, names.has_value(), std::move(names), {}, {}});
}
void ScriptedDesktop::AnswerDecryptNames(std::optional<FileNames> names) {
  m_answers.push_back({Kind::DecryptNames, names.has_value(), std::move(names), {}, {}});
}
void ScriptedDesktop::AnswerEncryptPassword(std::optional<std::string> password) {
  m_answers.push_back({Kind::EncryptPassword, password.has_value(), {}, std::move(password), {}});
}
void ScriptedDesktop::AnswerDecryptPassword(std::optional<std::string> password) {
  m_answers.push_back({Kind::DecryptPassword, password.has_value(), {}, std::move(password), {}});
}
void ScriptedDesktop::AnswerStatisticsFile(std::optional<std::string> fileName) {
  m_answers.push_back({Kind::StatisticsFile, fileName.has_value(), {}, std::move(fileName), {}});
}
void ScriptedDesktop::AnswerOptions(std::optional<AppOptions> options) {
  m_answers.push_back({Kind::Options, options.has_value(), {}, {}, std::move(options)});
}

void ScriptedDesktop::CancelMeterAtPercent(int percent) {
  m_cancelAt = percent;
}
void ScriptedDesktop::OnPercent(std::function<void(int)> callback) {
  m_onPercent = std::move(callback);
}
void ScriptedDesktop::ClearRecord() {
  m_record.clear();
  m_percents.clear();
}

void ScriptedDesktop::NotePercent(int percent) {
  m_percents.push_back(percent);
  if (m_onPercent) m_onPercent(percent);
}

std::optional<ScriptedDesktop::Answer> ScriptedDesktop::Take(Kind kind, const char* prompt) {
  if (m_answers.empty()) {
    ADD_FAILURE() << "unexpected prompt: " << prompt << " (no answer queued)";
    return std::nullopt;
  }
  Answer answer = m_answers.front();
  if (answer.kind != kind) {
    ADD_FAILURE() << "unexpected prompt: " << prompt << " (another kind of answer is next)";
    return std::nullopt;
  }
  m_answers.pop_front();
  return answer;
}

void ScriptedDesktop::Message(const std::string& text, MessageIcon icon) {
  m_record.push_back(MessageLine(text, icon));
}

bool ScriptedDesktop::ConfirmTrashed(const std::string& warning) {
  m_record.push_back("confirm: " + warning);
  auto answer = Take(Kind::Confirm, "confirm");
  return answer && answer->ok;
}

std::optional<FileNames> ScriptedDesktop::AskEncryptNames(const std::string& lockedSource) {
  m_record.push_back(lockedSource.empty() ? "encrypt names"
                                          : "encrypt names locked=" + lockedSource);
  auto answer = Take(Kind::EncryptNames, "encrypt names");
  return answer ? answer->names : std::nullopt;
}

std::optional<FileNames> ScriptedDesktop::AskDecryptNames(const std::string& lockedSource,
                                                          bool allowNewName) {
  std::string line =
      lockedSource.empty() ? "decrypt names" : "decrypt names locked=" + lockedSource;
  if (allowNewName) line += " new-name";
  m_record.push_back(line);
  auto answer = Take(Kind::DecryptNames, "decrypt names");
  return answer ? answer->names : std::nullopt;
}

std::optional<std::string> ScriptedDesktop::AskEncryptPassword() {
  m_record.push_back("encrypt password");
  auto answer = Take(Kind::EncryptPassword, "encrypt password");
  return answer ? answer->text : std::nullopt;
}

std::optional<std::string> ScriptedDesktop::AskDecryptPassword() {
  m_record.push_back("decrypt password");
  auto answer = Take(Kind::DecryptPassword, "decrypt password");
  return answer ? answer->text : std::nullopt;
}

std::optional<std::string> ScriptedDesktop::AskStatisticsFile() {
  m_record.push_back("statistics file");
  auto answer = Take(Kind::StatisticsFile, "statistics file");
  return answer ? answer->text : std::nullopt;
}

bool ScriptedDesktop::EditOptions(AppOptions& options) {
  m_record.push_back("options");
  m_optionsShown = options;
  auto answer = Take(Kind::Options, "options");
  if (!answer || !answer->options) return false;
  options = *answer->options;
  return true;
}

void ScriptedDesktop::ShowStatistics(const StatisticsTexts& t) {
  m_record.push_back("statistics: " + t.cryptName + " | " + t.cryptSize + " | " + t.originalName +
                     " | " + t.originalSize + " | " + t.method + " | " + t.headerSize + " | " +
                     t.version);
}

std::unique_ptr<ProgressMeter> ScriptedDesktop::NewProgressMeter() {
  auto cancelAt = m_cancelAt;
  m_cancelAt.reset();
  return std::make_unique<ScriptedMeter>(*this, cancelAt);
}

std::unique_ptr<WipeMeter> ScriptedDesktop::NewWipeMeter() {
  return std::make_unique<ScriptedWipeMeter>(*this);
}

void ScriptedDesktop::RestoreMainWindow() {
  m_record.push_back("restore window");
}

void ScriptedDesktop::ReportFileError(const CFileException& error) {
  m_record.push_back("file error: " + error.text());
}

}  // namespace quorvane::test
