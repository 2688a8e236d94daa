#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace quorvane {

// The controlling terminal (/dev/tty), where the CLI asks its questions even when stdin, stdout
// and stderr are redirected.
class Terminal {
 public:
  // nullptr when the process has no controlling terminal.
  static std::unique_ptr<Terminal> Open();
  ~Terminal();
  Terminal(const Terminal&) = delete;
  Terminal& operator=(const Terminal&) = delete;

  void Write(std::string_view text);
  // Shows the prompt and reads one line with the echo off; the echo is back on every path.
  // nullopt on end of input (Ctrl-D), Ctrl-C or an error.
  std::optional<std::string> ReadSecret(std::string_view prompt);
  // Shows the prompt and reads one line as typed; nullopt as above.
  std::optional<std::string> ReadLine(std::string_view prompt);

 private:
  explicit Terminal(int descriptor) : m_fd(descriptor) {}
  std::optional<std::string> Read();

  int m_fd;
};

}  // namespace quorvane
