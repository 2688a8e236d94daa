#include "CliProcess.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

extern char** environ;

namespace quorvane::test {

namespace {

void ReadInto(int& fd, std::string& sink) {
  char buffer[4096];
  const ssize_t count = read(fd, buffer, sizeof buffer);
  if (count > 0) {
    sink.append(buffer, static_cast<std::size_t>(count));
  } else if (count == 0 || errno != EINTR) {
    close(fd);
    fd = -1;
  }
}

}  // namespace

std::vector<std::string> CliResult::ErrLines() const {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < err.size()) {
    std::size_t end = err.find('\n', start);
    if (end == std::string::npos) end = err.size();
    lines.push_back(err.substr(start, end - start));
    start = end + 1;
  }
  return lines;
}

CliProcess::CliProcess(const CliInvocation& invocation) {
  int out[2], err[2], extra[2] = {-1, -1};
  if (pipe(out) != 0 || pipe(err) != 0) {
    ADD_FAILURE() << "pipe: " << std::strerror(errno);
    return;
  }
  if (invocation.descriptor3) {
    if (pipe(extra) != 0) ADD_FAILURE() << "pipe: " << std::strerror(errno);
    // Small enough for the pipe's buffer: write it all before the child starts.
    const std::string& data = *invocation.descriptor3;
    if (write(extra[1], data.data(), data.size()) != static_cast<ssize_t>(data.size())) {
      ADD_FAILURE() << "cannot fill the descriptor pipe";
    }
    close(extra[1]);
  }

  std::vector<std::string> env;
  for (char** entry = environ; *entry != nullptr; ++entry) {
    const std::string line = *entry;
    if (line.rfind("XDG_CONFIG_HOME=", 0) == 0 || line.rfind("HOME=", 0) == 0) continue;
    env.push_back(line);
  }
  env.push_back("XDG_CONFIG_HOME=" + invocation.configHome);
  env.push_back("HOME=" + invocation.workingFolder);
  std::vector<char*> envp;
  for (std::string& line : env) envp.push_back(line.data());
  envp.push_back(nullptr);

  std::vector<std::string> args{QUORVANE_CLI_BINARY};
  args.insert(args.end(), invocation.args.begin(), invocation.args.end());
  std::vector<char*> argv;
  for (std::string& arg : args) argv.push_back(arg.data());
  argv.push_back(nullptr);

  m_pid = fork();
  if (m_pid == 0) {
    setsid();  // no controlling terminal: /dev/tty cannot be opened
    // The child keeps only its own ends: a reading end left open here would keep a closed
    // stdout from ever looking closed. Closed first: the dup2 calls below may reuse the numbers.
    close(out[0]);
    close(err[0]);
    const int null = open("/dev/null", O_RDONLY);
    dup2(null, 0);
    dup2(out[1], 1);
    dup2(err[1], 2);
    if (extra[0] >= 0) dup2(extra[0], 3);
    signal(SIGINT, SIG_DFL);
    signal(SIGPIPE, SIG_DFL);  // as a shell starts it, whatever the test runner ignores
    if (chdir(invocation.workingFolder.c_str()) != 0) _exit(126);
    execve(argv[0], argv.data(), envp.data());
    _exit(127);
  }
  close(out[1]);
  close(err[1]);
  if (extra[0] >= 0) close(extra[0]);
  if (invocation.stdoutClosed) {
    close(out[0]);
  } else {
    m_out = out[0];
  }
  m_err = err[0];
  if (m_pid < 0) ADD_FAILURE() << "fork: " << std::strerror(errno);
}

CliProcess::~CliProcess() {
  if (m_pid > 0) {
    kill(m_pid, SIGKILL);
    Wait();
  }
}

bool CliProcess::Running() const {
  if (m_pid <= 0) return false;
  siginfo_t info{};
  // WNOWAIT leaves the child to be reaped by Wait().
  if (waitid(P_PID, static_cast<id_t>(m_pid), &info, WEXITED | WNOHANG | WNOWAIT) != 0) {
    return false;
  }
  return info.si_pid == 0;
}

CliResult CliProcess::Wait() {
  CliResult result;
  while (m_out >= 0 || m_err >= 0) {
    pollfd fds[2] = {{m_out, POLLIN, 0}, {m_err, POLLIN, 0}};
    if (poll(fds, 2, -1) < 0) {
      if (errno == EINTR) continue;
      break;
    }
    if (m_out >= 0 && fds[0].revents != 0) ReadInto(m_out, result.out);
    if (m_err >= 0 && fds[1].revents != 0) ReadInto(m_err, result.err);
  }
  if (m_pid > 0) {
    int status = 0;
    while (waitpid(m_pid, &status, 0) < 0 && errno == EINTR) {
    }
    result.status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    m_pid = -1;
  }
  return result;
}

CliResult RunCliBinary(const CliInvocation& invocation) {
  CliProcess process(invocation);
  return process.Wait();
}

}  // namespace quorvane::test
