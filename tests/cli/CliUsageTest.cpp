// Usage errors, --help and --version of the built program.
#include <algorithm>
#include <filesystem>

#include "CliFixture.h"

namespace quorvane::test {
namespace {

using ::testing::HasSubstr;
using ::testing::IsEmpty;
using ::testing::Not;

using CliUsage = CliTest;

std::vector<std::string> FolderEntries(const std::string& folder) {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    names.push_back(entry.path().filename().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

TEST_F(CliUsage, UsageErrorsExitWithTwoAndTouchNothing) {
  WriteFileBytes(Path("a.txt"), "data");
  WriteFileBytes(Path("b.txt"), "data");
  const std::string pw = PasswordFile("pw\n");
  const std::vector<std::vector<std::string>> cases = {
      {},
      {"frobnicate"},
      {"encrypt"},
      {"encrypt", "--password-file", pw, "-m", "fast", "a.txt"},
      {"encrypt", "--password-file", pw, "-m", "Trashed (See Help)", "a.txt"},
      {"encrypt", "--password-file", pw, "-o", "x.crp", "a.txt", "b.txt"},
      {"encrypt", "--password-file", pw, "--wipe", "--no-wipe", "a.txt"},
      {"encrypt", "--password-file", pw, "--password-fd", "0", "a.txt"},
      {"encrypt", "--password-file", Path("no-such-file"), "a.txt"},
      {"encrypt", "--password", "pw", "a.txt"},
      {"decrypt", "--keep", "--delete", "--password-file", pw, "a.crp"},
      {"decrypt", "-o", "x", "--password-file", pw, "a.crp", "b.crp"},
      {"stats"},
      {"options", "extra"},
  };
  const std::vector<std::string> before = FolderEntries(Folder());
  for (const auto& args : cases) {
    std::string joined;
    for (const auto& arg : args) joined += arg + " ";
    SCOPED_TRACE(joined);
    const CliResult result = Cli(args);
    EXPECT_EQ(result.status, 2);
    EXPECT_THAT(result.err, Not(IsEmpty()));
    EXPECT_EQ(FolderEntries(Folder()), before);
  }
}

TEST_F(CliUsage, HelpForEachCommandAndVersion) {
  for (const char* command : {"encrypt", "decrypt", "stats", "options"}) {
    SCOPED_TRACE(command);
    const CliResult result = Cli({command, "--help"});
    EXPECT_EQ(result.status, 0);
    EXPECT_THAT(result.out, HasSubstr("Exit status: 0"));
  }
  const CliResult encrypt = Cli({"encrypt", "--help"});
  for (const char* flag : {"--output", "--method", "--no-wipe", "--no-hidden", "--no-crp", "--yes",
                           "--password-file", "--password-fd", "--quiet"}) {
    EXPECT_THAT(encrypt.out, HasSubstr(flag));
  }
  const CliResult version = Cli({"--version"});
  EXPECT_EQ(version.status, 0);
  EXPECT_EQ(version.out, "quorvane-cli 1.0.0\n");
}

}  // namespace
}  // namespace quorvane::test
