#include "CliFixture.h"

#include <filesystem>

namespace quorvane::test {

void CliTest::WriteProfile(const std::string& text) const {
  std::filesystem::create_directories(std::filesystem::path(ProfilePath()).parent_path());
  WriteFileBytes(ProfilePath(), text);
}

std::string CliTest::PasswordFile(const std::string& bytes, const std::string& name) const {
  WriteFileBytes(Path(name), bytes);
  return Path(name);
}

CliInvocation CliTest::Invocation(std::vector<std::string> args) const {
  CliInvocation invocation;
  invocation.args = std::move(args);
  invocation.workingFolder = m_dir.path();
  invocation.configHome = m_dir / "config";
  return invocation;
}

CliResult CliTest::Cli(std::vector<std::string> args,
                       std::optional<std::string> descriptor3) const {
  CliInvocation invocation = Invocation(std::move(args));
  invocation.descriptor3 = std::move(descriptor3);
  return RunCliBinary(invocation);
}

void CliTest::EncryptOk(const std::vector<std::string>& args) const {
  std::vector<std::string> all{"encrypt", "-q", "--password-file", PasswordFile("secret\n")};
  all.insert(all.end(), args.begin(), args.end());
  const CliResult result = Cli(all);
  ASSERT_EQ(result.status, 0) << result.err;
  EXPECT_EQ(result.err, "") << "-q leaves only warnings and failures, and there were none";
}

std::string SampleBytes(std::size_t size, unsigned seed) {
  std::string bytes(size, '\0');
  std::uint32_t state = seed;
  for (char& c : bytes) {
    state = state * 1103515245u + 12345u;
    c = static_cast<char>(state >> 23);
  }
  return bytes;
}

int MethodByte(const std::string& cryptName) {
  const std::string bytes = ReadFileBytes(cryptName);
  return bytes.size() > 3 ? static_cast<signed char>(bytes[3]) : -1;
}

std::vector<std::string> FileLines(const std::string& fileName) {
  std::vector<std::string> lines;
  if (!FileExists(fileName)) return lines;
  const std::string text = ReadFileBytes(fileName);
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    lines.push_back(text.substr(start, end - start));
    start = end + 1;
  }
  return lines;
}

}  // namespace quorvane::test
