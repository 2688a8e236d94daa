#include "cli/ConsoleDesktop.h"

#include <fcntl.h>
#include <string.h>
#include <unistd.h>

#include <cctype>
#include <cerrno>

#include "cli/ConsoleMeters.h"
#include "cli/ConsoleText.h"
#include "cli/CryptNames.h"
#include "cli/Listings.h"
#include "cli/Terminal.h"
#include "format/PasswordBytes.h"

namespace quorvane {

namespace {

constexpr const char* kEncryptPasswordLabel = "Enter the password to use to encrypt the file:";
constexpr const char* kConfirmPasswordLabel = "Type the password again to confirm:";
constexpr const char* kDecryptPasswordLabel = "Enter the password required to decrypt the file:";
constexpr const char* kMustTypePassword = "You Must Type A Password.";
constexpr const char* kPasswordsDiffer = "Passwords Do Not Match.";
const std::string kPasswordTooLong =
    "Please enter no more than " + std::to_string(kMaxPasswordLength) + " characters.";

// The limit counts characters as typed, as the dialogs' fields do, not bytes.
bool TooLong(const std::string& password) {
  return PasswordCharacterCount(password) > kMaxPasswordLength;
}

// Clears a secret when it goes out of scope.
struct SecretGuard {
  std::optional<std::string>& secret;
  ~SecretGuard() {
    if (secret) ClearSecret(*secret);
  }
};

std::string Lowercase(std::string text) {
  for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

std::string Trimmed(const std::string& text) {
  const std::size_t first = text.find_first_not_of(" \t");
  if (first == std::string::npos) return {};
  const std::size_t last = text.find_last_not_of(" \t");
  return text.substr(first, last - first + 1);
}

}  // namespace

ConsoleDesktop::ConsoleDesktop(ConsoleSettings settings) : m_settings(std::move(settings)) {
  m_strInputPassword.reserve(kMaxSecretLine);
}

ConsoleDesktop::~ConsoleDesktop() {
  ClearSecret(m_strInputPassword);
}

void ConsoleDesktop::SetCurrentFile(std::string fileName, bool announce) {
  m_strCurrentFile = std::move(fileName);
  m_bAnnounce = announce;
  m_bAnnounced = false;
}

void ConsoleDesktop::Message(const std::string& text, MessageIcon icon) {
  if (m_settings.quiet && icon == MessageIcon::Information) return;
  WriteErrorLine(OneLine(text));
}

bool ConsoleDesktop::ConfirmTrashed(const std::string& warning) {
  if (m_settings.assumeYes) return true;
  Terminal* terminal = OpenTerminal();
  if (terminal == nullptr) {
    WriteErrorLine(OneLine(warning));
    WriteErrorLine("quorvane-cli: no terminal to answer on; --yes answers OK");
    return false;
  }
  AnnounceFile(*terminal);
  terminal->Write(OneLine(warning) + "\n");
  for (;;) {
    const std::optional<std::string> answer = terminal->ReadLine("OK or Cancel? [OK] ");
    if (!answer) return false;  // Ctrl-C, Ctrl-D: the box closed without a choice
    const std::string word = Lowercase(Trimmed(*answer));
    if (word.empty() || word == "ok" || word == "o" || word == "y" || word == "yes") return true;
    if (word == "cancel" || word == "c" || word == "n" || word == "no") return false;
  }
}

std::optional<FileNames> ConsoleDesktop::AskEncryptNames(const std::string& lockedSource) {
  if (lockedSource.empty()) return std::nullopt;  // the CLI always names its source
  return FileNames{lockedSource, m_settings.encryptTarget.value_or(DefaultCryptName(lockedSource))};
}

std::optional<FileNames> ConsoleDesktop::AskDecryptNames(const std::string& lockedSource, bool) {
  if (lockedSource.empty()) return std::nullopt;
  return FileNames{lockedSource, m_settings.decryptTarget.value_or(std::string())};
}

std::optional<std::string> ConsoleDesktop::AskEncryptPassword() {
  if (m_settings.password.kind == PasswordInput::Kind::Terminal) {
    return EncryptPasswordFromTerminal();
  }
  std::optional<std::string> password = PasswordFromInput();
  if (!password) return std::nullopt;
  // The dialog's checks; a file gives no second try, so a refusal ends like Cancel.
  if (TooLong(*password)) {
    ClearSecret(*password);
    Message(kPasswordTooLong, MessageIcon::Exclamation);
    return std::nullopt;
  }
  if (password->empty()) {
    Message(kMustTypePassword, MessageIcon::Exclamation);
    return std::nullopt;
  }
  return password;
}

std::optional<std::string> ConsoleDesktop::AskDecryptPassword() {
  if (m_settings.password.kind == PasswordInput::Kind::Terminal) {
    return DecryptPasswordFromTerminal();
  }
  std::optional<std::string> password = PasswordFromInput();
  if (password && TooLong(*password)) {
    ClearSecret(*password);
    Message(kPasswordTooLong, MessageIcon::Exclamation);
    return std::nullopt;
  }
  return password;
}

std::optional<std::string> ConsoleDesktop::AskStatisticsFile() {
  if (m_strCurrentFile.empty()) return std::nullopt;
  return m_strCurrentFile;
}

bool ConsoleDesktop::EditOptions(AppOptions&) {
  return false;  // Cancel: a profile that asks every time never blocks a script
}

void ConsoleDesktop::ShowStatistics(const StatisticsTexts& texts) {
  if (m_settings.collectStatistics) {
    m_statistics.push_back(texts);
    return;
  }
  if (m_statisticsShown++ > 0) WriteOutput("\n");
  WriteOutput(StatisticsText(texts));
  std::fflush(stdout);
}

std::unique_ptr<ProgressMeter> ConsoleDesktop::NewProgressMeter() {
  return std::make_unique<ConsoleProgressMeter>(DrawMeters());
}

std::unique_ptr<WipeMeter> ConsoleDesktop::NewWipeMeter() {
  return std::make_unique<ConsoleWipeMeter>(DrawMeters());
}

void ConsoleDesktop::ReportFileError(const CFileException& error) {
  WriteErrorLine(OneLine(error.text()));
}

Terminal* ConsoleDesktop::OpenTerminal() {
  if (!m_bTerminalTried) {
    m_bTerminalTried = true;
    m_terminal = Terminal::Open();
  }
  return m_terminal.get();
}

void ConsoleDesktop::AnnounceFile(Terminal& terminal) {
  if (!m_bAnnounce || m_bAnnounced) return;
  m_bAnnounced = true;
  terminal.Write(OneLine(m_strCurrentFile) + "\n");
}

std::optional<std::string> ConsoleDesktop::PasswordFromInput() {
  if (!m_bInputRead && !m_bInputFailed) {
    const PasswordInput& input = m_settings.password;
    int fd = input.descriptor;
    std::string from = "descriptor " + std::to_string(input.descriptor);
    if (input.kind == PasswordInput::Kind::File) {
      from = input.fileName;
      fd = open(input.fileName.c_str(), O_RDONLY | O_CLOEXEC);
    }
    SecretLine line;
    if (fd < 0) {
      line.status = SecretLine::Status::Error;
      line.error = errno;
    } else {
      ReadSecretLine(fd, line);
      if (input.kind == PasswordInput::Kind::File) close(fd);
    }
    if (line.status == SecretLine::Status::Error) {
      WriteErrorLine("quorvane-cli: cannot read the password from " + OneLine(from) + ": " +
                     strerror(line.error));
    }
    if (line.status != SecretLine::Status::Ok) {
      m_bInputFailed = true;
      return std::nullopt;
    }
    m_strInputPassword.assign(line.text);
    m_bInputRead = true;
  }
  if (m_bInputFailed) return std::nullopt;
  return m_strInputPassword;
}

Terminal* ConsoleDesktop::PasswordTerminal() {
  Terminal* terminal = OpenTerminal();
  if (terminal == nullptr) {
    WriteErrorLine(
        "quorvane-cli: no terminal to ask for the password on; use --password-file or "
        "--password-fd");
    return nullptr;
  }
  AnnounceFile(*terminal);
  return terminal;
}

std::optional<std::string> ConsoleDesktop::EncryptPasswordFromTerminal() {
  Terminal* terminal = PasswordTerminal();
  if (terminal == nullptr) return std::nullopt;
  for (;;) {
    std::optional<std::string> password =
        terminal->ReadSecret(std::string(kEncryptPasswordLabel) + " ");
    SecretGuard passwordGuard{password};
    if (!password) return std::nullopt;
    std::optional<std::string> confirm =
        terminal->ReadSecret(std::string(kConfirmPasswordLabel) + " ");
    SecretGuard confirmGuard{confirm};
    if (!confirm) return std::nullopt;
    if (TooLong(*password) || TooLong(*confirm)) {
      terminal->Write(kPasswordTooLong + "\n");
    } else if (password->empty() || confirm->empty()) {
      terminal->Write(std::string(kMustTypePassword) + "\n");
    } else if (*password != *confirm) {
      terminal->Write(std::string(kPasswordsDiffer) + "\n");
    } else {
      return std::optional<std::string>(std::string(*password));
    }
  }
}

std::optional<std::string> ConsoleDesktop::DecryptPasswordFromTerminal() {
  Terminal* terminal = PasswordTerminal();
  if (terminal == nullptr) return std::nullopt;
  for (;;) {
    std::optional<std::string> password =
        terminal->ReadSecret(std::string(kDecryptPasswordLabel) + " ");
    SecretGuard passwordGuard{password};
    if (!password) return std::nullopt;
    if (!TooLong(*password)) return std::optional<std::string>(std::string(*password));
    terminal->Write(kPasswordTooLong + "\n");
  }
}

bool ConsoleDesktop::DrawMeters() const {
  return !m_settings.quiet && isatty(STDERR_FILENO);
}

}  // namespace quorvane
