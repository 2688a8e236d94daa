#include "OpsFixture.h"

#include "format/PasswordSignature.h"
#include "platform/CFile.h"

namespace quorvane::test {

void OpsTest::TearDown() {
  CFile::SetWriteFaultForTesting(std::nullopt);
  EXPECT_TRUE(app.m_strPendingFile.empty()) << "the pending name was left set";
}

void OpsTest::MakeCrypt(const std::string& original, const std::string& crypt,
                        const std::string& password, const std::string& method) {
  AppState maker;
  maker.options.EncryptionMethod = method;
  maker.options.AlwaysShowStats = 0;
  ScriptedDesktop quiet;
  quiet.AnswerEncryptNames(FileNames{original, crypt});
  quiet.AnswerEncryptPassword(password);
  if (method.find("Trash") != std::string::npos) quiet.AnswerConfirm(true);
  ASSERT_EQ(OnFileEncrypt(maker, quiet), Outcome::Completed);
}

Outcome OpsTest::DecryptInto(const std::string& crypt, const std::string& target,
                             const std::string& password) {
  AppState reader;
  reader.options.AllowNewDecryptionName = 1;
  reader.options.DeleteCryptAfterDecryption = 0;
  ScriptedDesktop quiet;
  quiet.AnswerDecryptNames(FileNames{crypt, target});
  quiet.AnswerDecryptPassword(password);
  return RunCommand(OnFileDecrypt, reader, quiet);
}

std::string SampleBytes(std::size_t size) {
  std::string bytes(size, '\0');
  for (std::size_t i = 0; i < size; ++i) {
    bytes[i] = static_cast<char>((i * 131 + i / 256 + 7) & 0xFF);
  }
  return bytes;
}

std::string MeterLine(const std::string& caption, const std::string& source,
                      const std::string& target, const std::string& methodLine) {
  return "meter: " + caption + " | " + source + " | " + target + " | " + methodLine;
}

std::size_t HeaderLength(const std::string& originalName, const std::string& password) {
  return 17 + MakePasswordSignature(password).size() + originalName.size();
}

std::string StatisticsLine(const std::string& cryptName, const std::string& originalName,
                           std::uint64_t originalSize, const std::string& password,
                           const std::string& methodLabel) {
  const std::size_t header = HeaderLength(originalName, password);
  return "statistics: " + cryptName + " | " + std::to_string(header + originalSize) + " | " +
         originalName + " | " + std::to_string(originalSize) + " | " + methodLabel + " | " +
         std::to_string(header) + " | 1.0, 32-Bit (Win95/NT)";
}

std::vector<std::string> WipeLines() {
  return {"wipe meter",        "wipe bar 33",  "wipe label Pass 2", "wipe bar 50",
          "wipe label Pass 3", "wipe bar 100", "wipe closed"};
}

bool NotHeldOpen(const std::string& fileName) {
  CFile file;
  return file.Open(fileName, CFile::modeRead | CFile::shareExclusive);
}

}  // namespace quorvane::test
