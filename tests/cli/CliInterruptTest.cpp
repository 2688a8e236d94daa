// Ctrl-C (SIGINT) on a long run of the built program: the run takes its cancel exit, the partial
// output goes, the input stays.
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <fstream>
#include <thread>

#include "CliFixture.h"

namespace quorvane::test {
namespace {

using ::testing::ElementsAre;

constexpr std::uint64_t kLongFile = 128ull << 20;  // long enough to be interrupted mid-copy

std::uint64_t SizeOf(const std::string& fileName) {
  struct stat info {};
  return stat(fileName.c_str(), &info) == 0 ? static_cast<std::uint64_t>(info.st_size) : 0;
}

// Starts the program, waits until its output file has grown past the first megabyte (the copy
// is under way), then sends SIGINT as Ctrl-C would.
CliResult InterruptWhenGrowing(const CliInvocation& invocation, const std::string& output) {
  CliProcess process(invocation);
  while (process.Running() && SizeOf(output) < (1u << 20)) {
    std::this_thread::sleep_for(std::chrono::microseconds(200));
  }
  EXPECT_TRUE(process.Running()) << "the run ended before it could be interrupted";
  kill(process.pid(), SIGINT);
  return process.Wait();
}

// Waits until the process catches SIGINT (its handler is installed).
bool WaitForInterruptHandler(pid_t pid) {
  for (int i = 0; i < 5000; ++i) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line)) {
      if (line.rfind("SigCgt:", 0) == 0) {
        const unsigned long long caught = std::stoull(line.substr(7), nullptr, 16);
        if (caught & (1ull << (SIGINT - 1))) return true;
      }
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  return false;
}

std::string Digest(const std::string& fileName) {
  // A cheap fingerprint of a large file: its size and every 4096th byte.
  const std::string bytes = ReadFileBytes(fileName);
  std::string digest = std::to_string(bytes.size()) + ":";
  for (std::size_t i = 0; i < bytes.size(); i += 4096) digest += bytes[i];
  return digest + bytes.substr(bytes.size() > 64 ? bytes.size() - 64 : 0);
}

using CliInterrupt = CliTest;

TEST_F(CliInterrupt, CtrlCCancelsEncryptionAndDecryption) {
  const std::string source = Path("big.bin");
  {
    // Varied bytes at the start of every 4 KiB page, holes in between: quick to make.
    const int fd = open(source.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    ASSERT_GE(fd, 0);
    const std::string stamp = SampleBytes(64);
    for (std::uint64_t offset = 0; offset < kLongFile; offset += 1 << 20) {
      ASSERT_EQ(pwrite(fd, stamp.data(), stamp.size(), static_cast<off_t>(offset)), 64);
    }
    ASSERT_EQ(ftruncate(fd, static_cast<off_t>(kLongFile)), 0);
    close(fd);
  }
  const std::string sourceDigest = Digest(source);
  const std::string pw = PasswordFile("secret\n");

  const CliResult encrypt = InterruptWhenGrowing(
      Invocation({"encrypt", "-m", "secure", "--password-file", pw, "big.bin"}), Path("big.crp"));
  EXPECT_EQ(encrypt.status, 1);
  EXPECT_THAT(encrypt.ErrLines(), ElementsAre("Cancelling Encryption"));
  EXPECT_FALSE(FileExists(Path("big.crp")));
  EXPECT_EQ(Digest(source), sourceDigest);

  // A whole crypt, then an interrupted decryption of it.
  EncryptOk({"-m", "secure", "big.bin"});
  ASSERT_EQ(unlink(source.c_str()), 0);
  const std::string cryptDigest = Digest(Path("big.crp"));

  const CliResult decrypt =
      InterruptWhenGrowing(Invocation({"decrypt", "--password-file", pw, "big.crp"}), source);
  EXPECT_EQ(decrypt.status, 1);
  EXPECT_THAT(decrypt.ErrLines(),
              ElementsAre("Cancelling Decryption.",
                          "WARNING: Decrypted file length does not match the length of the "
                          "original file stored in the encrypted header. The decrypted file may "
                          "have errors."));
  EXPECT_FALSE(FileExists(source)) << "the partial target is removed";
  EXPECT_EQ(Digest(Path("big.crp")), cryptDigest) << "the crypt is intact and kept";
}

TEST_F(CliInterrupt, CtrlCStopsTheFilesStillToCome) {
  // Ctrl-C while the password is awaited on a descriptor: that run is cancelled at its prompt
  // and the next file is not started.
  WriteFileBytes(Path("a.txt"), "a");
  WriteFileBytes(Path("b.txt"), "b");
  int fds[2];
  ASSERT_EQ(pipe(fds), 0);
  CliInvocation invocation =
      Invocation({"encrypt", "--password-fd", std::to_string(fds[0]), "a.txt", "b.txt"});
  // The child inherits the read end; the write end stays open here, so its read waits.
  CliProcess process(invocation);
  close(fds[0]);
  ASSERT_TRUE(WaitForInterruptHandler(process.pid()));
  std::this_thread::sleep_for(std::chrono::milliseconds(200));  // on to the read
  ASSERT_TRUE(process.Running());
  kill(process.pid(), SIGINT);
  const CliResult result = process.Wait();
  close(fds[1]);
  EXPECT_EQ(result.status, 1);
  EXPECT_THAT(result.ErrLines(), ElementsAre("Cancelling Encryption Operation",
                                             "quorvane-cli: interrupted; 1 file(s) not handled"));
  EXPECT_FALSE(FileExists(Path("a.crp")));
  EXPECT_FALSE(FileExists(Path("b.crp")));
}

}  // namespace
}  // namespace quorvane::test
