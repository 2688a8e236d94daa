// Crypts as the Windows program writes them, read back by the built program: Windows paths in
// the ANSI code page, signatures of the password's Windows-1252 bytes.
#include "CliFixture.h"
#include "support/CryptBytes.h"

namespace quorvane::test {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;

using CliWindowsCrypts = CliTest;

TEST_F(CliWindowsCrypts, DecryptsIntoTheCryptsFolderWithTheUtf8Password) {
  const std::string content = "short letter";  // one block tail: Secure depends on its length
  // "C:\DATA\RAPPORTÉ.DOC" in Windows-1252, password "Grüße€" signed in Windows-1252.
  WriteFileBytes(Path("win.crp"), CryptFileBytes("C:\\DATA\\RAPPORT\xC9.DOC",
                                                 "Gr\xFC\xDF"
                                                 "e\x80",
                                                 content, 2));

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
  const std::string bytes = CryptFileBytes("C:\\DATA\\RAPPORT\xC9.DOC", "pw", "12345", 2);
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

TEST_F(CliWindowsCrypts, StatsOfACraftedNameSendNoControlsToTheTerminal) {
  // 0x9D, undefined in Windows-1252, reads as U+009D, which terminals take for OSC; 0x1B is ESC.
  WriteFileBytes(Path("evil.crp"), CryptFileBytes("C:\\X\x9D"
                                                  "0;owned\x1B\\.DOC",
                                                  "pw", "12345", 2));
  const CliResult text = Cli({"stats", "evil.crp"});
  EXPECT_EQ(text.status, 0);
  EXPECT_THAT(text.out, HasSubstr("Original Name:          C:\\X?0;owned?\\.DOC\n"));
  const CliResult json = Cli({"stats", "--json", "evil.crp"});
  EXPECT_THAT(json.out, HasSubstr(R"("original_name": "C:\\X\u009d0;owned\u001b\\.DOC")"));
}

}  // namespace
}  // namespace quorvane::test
