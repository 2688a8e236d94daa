// The built program on a pseudo-terminal: prompts with the echo off, the echo back after Ctrl-C,
// the Trashed question, and the meter drawn on a terminal.
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/ioctl.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <cstring>

#include "CliFixture.h"

extern char** environ;

namespace quorvane::test {
namespace {

using ::testing::HasSubstr;
using ::testing::Not;

// The program with a new pseudo-terminal as its controlling terminal and as stdin, stdout and
// stderr. The test types on the master side and reads what the program shows.
class PtyProcess {
 public:
  PtyProcess(const CliInvocation& invocation) {
    m_master = posix_openpt(O_RDWR | O_NOCTTY);
    if (m_master < 0 || grantpt(m_master) != 0 || unlockpt(m_master) != 0) {
      ADD_FAILURE() << "no pseudo-terminal: " << std::strerror(errno);
      return;
    }
    const std::string slaveName = ptsname(m_master);
    winsize size{};
    size.ws_col = 100;
    size.ws_row = 24;
    ioctl(m_master, TIOCSWINSZ, &size);
    m_slave = open(slaveName.c_str(), O_RDWR | O_NOCTTY);  // to look at its settings

    std::vector<std::string> env{"XDG_CONFIG_HOME=" + invocation.configHome,
                                 "HOME=" + invocation.workingFolder, "TERM=xterm"};
    if (const char* path = std::getenv("PATH")) env.push_back(std::string("PATH=") + path);
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
      setsid();
      const int tty = open(slaveName.c_str(), O_RDWR);
      ioctl(tty, TIOCSCTTY, 0);
      dup2(tty, 0);
      dup2(tty, 1);
      dup2(tty, 2);
      signal(SIGINT, SIG_DFL);
      if (chdir(invocation.workingFolder.c_str()) != 0) _exit(126);
      execve(argv[0], argv.data(), envp.data());
      _exit(127);
    }
  }
  ~PtyProcess() {
    if (m_pid > 0) {
      kill(m_pid, SIGKILL);
      Wait();
    }
    if (m_slave >= 0) close(m_slave);
    if (m_master >= 0) close(m_master);
  }

  // Reads until the text has been shown after what earlier calls consumed; false on timeout.
  bool Expect(const std::string& text) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    for (;;) {
      const std::size_t at = m_output.find(text, m_consumed);
      if (at != std::string::npos) {
        m_consumed = at + text.size();
        return true;
      }
      if (std::chrono::steady_clock::now() > deadline || !ReadSome(100)) {
        if (std::chrono::steady_clock::now() > deadline) return false;
      }
    }
  }
  void Type(const std::string& text) {
    ASSERT_EQ(write(m_master, text.data(), text.size()), static_cast<ssize_t>(text.size()));
  }
  // Reads what is left and returns the exit status.
  int Wait() {
    while (ReadSome(100)) {
    }
    int status = 0;
    while (waitpid(m_pid, &status, 0) < 0 && errno == EINTR) {
    }
    m_pid = -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
  }
  bool EchoOn() const {
    termios settings{};
    return tcgetattr(m_slave, &settings) == 0 && (settings.c_lflag & ECHO) != 0;
  }
  const std::string& Output() const { return m_output; }

 private:
  // False once the terminal is closed on the program's side.
  bool ReadSome(int timeoutMs) {
    pollfd fd{m_master, POLLIN, 0};
    if (poll(&fd, 1, timeoutMs) <= 0) return fd.revents == 0 && m_pid > 0 && Alive();
    char buffer[4096];
    const ssize_t count = read(m_master, buffer, sizeof buffer);
    if (count <= 0) return false;
    m_output.append(buffer, static_cast<std::size_t>(count));
    return true;
  }
  bool Alive() const {
    siginfo_t info{};
    return waitid(P_PID, static_cast<id_t>(m_pid), &info, WEXITED | WNOHANG | WNOWAIT) == 0 &&
           info.si_pid == 0;
  }

  int m_master = -1;
  int m_slave = -1;
  pid_t m_pid = -1;
  std::string m_output;
  std::size_t m_consumed = 0;
};

using CliTerminal = CliTest;

TEST_F(CliTerminal, PasswordsAreTypedWithoutEchoAndCheckedLikeTheDialog) {
  WriteFileBytes(Path("a.txt"), SampleBytes(50000));
  PtyProcess cli(Invocation({"encrypt", "a.txt"}));
  ASSERT_TRUE(cli.Expect("Enter the password to use to encrypt the file: "));
  cli.Type("zq7x\n");
  ASSERT_TRUE(cli.Expect("Type the password again to confirm: "));
  cli.Type("zq7y\n");
  ASSERT_TRUE(cli.Expect("Passwords Do Not Match."));
  ASSERT_TRUE(cli.Expect("Enter the password to use to encrypt the file: "));
  cli.Type("\n");
  ASSERT_TRUE(cli.Expect("Type the password again to confirm: "));
  cli.Type("\n");
  ASSERT_TRUE(cli.Expect("You Must Type A Password."));
  ASSERT_TRUE(cli.Expect("Enter the password to use to encrypt the file: "));
  cli.Type("zq7x\n");
  ASSERT_TRUE(cli.Expect("Type the password again to confirm: "));
  cli.Type("zq7x\n");
  ASSERT_TRUE(cli.Expect("Encryption Process Completed."));
  EXPECT_EQ(cli.Wait(), 0);
  EXPECT_THAT(cli.Output(), Not(HasSubstr("zq7"))) << "the password was echoed";
  EXPECT_THAT(cli.Output(), HasSubstr("Using Secure Encryption Method  100%"));
  EXPECT_TRUE(cli.EchoOn());
  EXPECT_TRUE(FileExists(Path("a.crp")));

  // The password typed at the terminal opens the crypt.
  ASSERT_EQ(unlink(Path("a.txt").c_str()), 0);
  PtyProcess decrypt(Invocation({"decrypt", "a.crp"}));
  ASSERT_TRUE(decrypt.Expect("Enter the password required to decrypt the file: "));
  decrypt.Type("zq7x\n");
  ASSERT_TRUE(decrypt.Expect("Decryption Process Completed.")) << decrypt.Output();
  EXPECT_EQ(decrypt.Wait(), 0);
  EXPECT_EQ(ReadFileBytes(Path("a.txt")), SampleBytes(50000));
}

TEST_F(CliTerminal, CtrlCAtThePromptCancelsAndRestoresTheEcho) {
  WriteFileBytes(Path("a.txt"), "data");
  PtyProcess cli(Invocation({"encrypt", "a.txt", "a.txt"}));
  ASSERT_TRUE(cli.Expect("Enter the password to use to encrypt the file: "));
  EXPECT_FALSE(cli.EchoOn()) << "the echo is off while the password is typed";
  cli.Type("half");
  cli.Type("\x03");  // Ctrl-C
  ASSERT_TRUE(cli.Expect("Cancelling Encryption Operation"));
  ASSERT_TRUE(cli.Expect("quorvane-cli: interrupted; 1 file(s) not handled"));
  EXPECT_EQ(cli.Wait(), 1);
  EXPECT_TRUE(cli.EchoOn()) << "the echo must come back after Ctrl-C";
  EXPECT_FALSE(FileExists(Path("a.crp")));
}

TEST_F(CliTerminal, TrashedWarningIsAskedOnTheTerminal) {
  WriteFileBytes(Path("a.txt"), "data");
  const std::string pw = PasswordFile("pw\n");
  const struct {
    const char* answer;
    int status;
    const char* message;
  } cases[] = {{"c\n", 1, "Cancelling Encryption Operation."},
               {"\n", 0, "Encryption Process Completed."}};  // Enter is the default, OK
  for (const auto& c : cases) {
    SCOPED_TRACE(c.message);
    PtyProcess cli(Invocation({"encrypt", "-m", "trashed", "--password-file", pw, "a.txt"}));
    ASSERT_TRUE(cli.Expect("Are you SURE?"));
    ASSERT_TRUE(cli.Expect("OK or Cancel? [OK] "));
    cli.Type(c.answer);
    ASSERT_TRUE(cli.Expect(c.message));
    EXPECT_EQ(cli.Wait(), c.status);
    EXPECT_EQ(FileExists(Path("a.crp")), c.status == 0);
  }
}

}  // namespace
}  // namespace quorvane::test
