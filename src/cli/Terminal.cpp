#include "cli/Terminal.h"

#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>

#include "cli/PasswordInput.h"

namespace quorvane {

namespace {

// Turns the echo off for its lifetime and restores the terminal's settings when it ends,
// whatever way the read ends.
class EchoOff {
 public:
  explicit EchoOff(int fd) : m_fd(fd) {
    if (tcgetattr(m_fd, &m_saved) != 0) return;
    termios quiet = m_saved;
    quiet.c_lflag &= ~static_cast<tcflag_t>(ECHO | ECHOE | ECHOK);
    quiet.c_lflag |= ECHONL;  // the Enter key still moves to the next line
    m_active = tcsetattr(m_fd, TCSADRAIN, &quiet) == 0;
  }
  ~EchoOff() {
    if (!m_active) return;
    while (tcsetattr(m_fd, TCSANOW, &m_saved) != 0 && errno == EINTR) {
    }
  }
  EchoOff(const EchoOff&) = delete;
  EchoOff& operator=(const EchoOff&) = delete;

 private:
  int m_fd;
  termios m_saved{};
  bool m_active = false;
};

}  // namespace

std::unique_ptr<Terminal> Terminal::Open() {
  const int fd = open("/dev/tty", O_RDWR | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) return nullptr;
  if (!isatty(fd)) {
    close(fd);
    return nullptr;
  }
  return std::unique_ptr<Terminal>(new Terminal(fd));
}

Terminal::~Terminal() {
  close(m_fd);
}

void Terminal::Write(std::string_view text) {
  while (!text.empty()) {
    const ssize_t written = write(m_fd, text.data(), text.size());
    if (written < 0) {
      if (errno == EINTR) continue;
      return;
    }
    text.remove_prefix(static_cast<std::size_t>(written));
  }
}

std::optional<std::string> Terminal::Read() {
  SecretLine line;
  ReadSecretLine(m_fd, line);
  if (line.status != SecretLine::Status::Ok) return std::nullopt;
  if (!line.sawLineEnd && line.bytesRead == 0) return std::nullopt;  // Ctrl-D on an empty line
  return std::string(line.text);
}

std::optional<std::string> Terminal::ReadSecret(std::string_view prompt) {
  std::optional<std::string> answer;
  {
    // The echo goes off before the prompt shows, so nothing typed after it is echoed or lost.
    EchoOff echoOff(m_fd);
    Write(prompt);
    answer = Read();
  }
  if (!answer) Write("\n");  // Ctrl-C or Ctrl-D leave the cursor after the prompt
  return answer;
}

std::optional<std::string> Terminal::ReadLine(std::string_view prompt) {
  Write(prompt);
  std::optional<std::string> answer = Read();
  if (!answer) Write("\n");
  return answer;
}

}  // namespace quorvane
