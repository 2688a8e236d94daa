#pragma once

#include <sys/types.h>

#include <optional>
#include <string>
#include <vector>

namespace quorvane::test {

// How one run of the built quorvane-cli is set up.
struct CliInvocation {
  std::vector<std::string> args;  // after the program name
  std::string workingFolder;      // the child's current folder
  std::string configHome;         // the child's private XDG_CONFIG_HOME
  // Written to a pipe that the child holds as descriptor 3 (for --password-fd 3).
  std::optional<std::string> descriptor3;
  // The reading end of stdout is closed at once, as when the reader of a pipe has gone.
  bool stdoutClosed = false;
};

// What a run left: the exit status (128 + signal when a signal ended it), stdout and stderr.
struct CliResult {
  int status = -1;
  std::string out;
  std::string err;
  std::vector<std::string> ErrLines() const;
};

// The program started in a new session, so it has no controlling terminal: nothing can wait on
// a prompt. stdin is /dev/null; stdout and stderr are pipes.
class CliProcess {
 public:
  explicit CliProcess(const CliInvocation& invocation);
  ~CliProcess();
  CliProcess(const CliProcess&) = delete;
  CliProcess& operator=(const CliProcess&) = delete;

  pid_t pid() const { return m_pid; }
  // True while the child has not exited (it is not reaped).
  bool Running() const;
  // Reads stdout and stderr to their end and reaps the child.
  CliResult Wait();

 private:
  pid_t m_pid = -1;
  int m_out = -1;
  int m_err = -1;
};

// Starts the program and waits for it.
CliResult RunCliBinary(const CliInvocation& invocation);

}  // namespace quorvane::test
