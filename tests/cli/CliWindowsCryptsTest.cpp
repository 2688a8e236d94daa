// Crypts as the Windows program writes them, read back by the built program: Windows paths in
// the ANSI code page, signatures of the password's Windows-1252 bytes.
#include <cstdio>

#include "CliFixture.h"
#include "format/PasswordSignature.h"
#include "methods/BlockTransforms.h"

namespace quorvane::test {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;

// A Secure crypt of content under the header name, signed with signatureBytes.
std::string WindowsCrypt(const std::string& headerName, const std::string& signatureBytes,
                         const std::string& content) {
  const std::string signature = MakePasswordSignature(signatureBytes);
  char sizes[16];
  std::snprintf(sizes, sizeof sizes, "%08zx%04zx", content.size(),
                17 + signature.size() + headerName.size());
  std::string body = content;
  SecureScramble(reinterpret_cast<unsigned char*>(body.data()), body.size());
  return std::string("AX1\x02") + sizes + static_cast<char>(17 + signature.size()) + signature +
         headerName + body;
}

using CliWindowsCrypts = CliTest;

TEST_F(CliWindowsCrypts, DecryptsIntoTheCryptsFolderWithTheUtf8Password) {
  const std::string content = "short letter";  // one block tail: Secure depends on its length
  // "C:\DATA\RAPPORTÉ.DOC" in Windows-1252, password "Grüße€" signed in Windows-1252.
  WriteFileBytes(Path("win.crp"), WindowsCrypt("C:\\DATA\\RAPPORT\xC9.DOC",
                                               "Gr\xFC\xDF"
                                               "e\x80",
                                               content));

  const CliResult wrong = Cli({"decrypt", "--password-file", PasswordFile("Grusse\n"), "win.crp"});
  EXPECT_EQ(wrong.status, 1);
  EXPECT_THAT(wrong.ErrLines(), ElementsAre("The password you gave for this file is incorrect."));

  const CliResult result = Cli({"decrypt", "--password-file",
                                PasswordFile("Gr\xC3\xBC\xC3\x9F"
                                             "e\xE2\x82\xAC\n"),
                                "win.crp"});
  EXPECT_EQ(result.status, 0) << result.err;
  EXPECT_THAT(result.ErrLines(), ElementsAre("Decryption Process Completed."));
  EXPECT_EQ(ReadFileBytes(Path("RAPPORT\xC3\x89.DOC")), content);
  EXPECT_FALSE(FileExists(Path("win.crp")));
}

TEST_F(CliWindowsCrypts, StatsShowTheConvertedNameAndKeepTheHeader) {
  const std::string bytes = WindowsCrypt("C:\\DATA\\RAPPORT\xC9.DOC", "pw", "12345");
  WriteFileBytes(Path("win.crp"), bytes);

  const CliResult text = Cli({"stats", "win.crp"});
  EXPECT_EQ(text.status, 0);
  EXPECT_THAT(text.out, HasSubstr("C:\\DATA\\RAPPORT\xC3\x89.DOC\n"));
  const CliResult json = Cli({"stats", "--json", "win.crp"});
  EXPECT_EQ(json.status, 0);
  EXPECT_THAT(json.out, HasSubstr(R"("original_name": "C:\\DATA\\RAPPORT)"
                                  "\xC3\x89"
                                  R"(.DOC")"));
  EXPECT_EQ(ReadFileBytes(Path("win.crp")), bytes);
}

}  // namespace
}  // namespace quorvane::test
