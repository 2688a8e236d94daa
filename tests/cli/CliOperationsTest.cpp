// The encrypt and decrypt commands of the built program, on real files.
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>

#include "CliFixture.h"
#include "format/CryptHeader.h"

namespace quorvane::test {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;
using ::testing::Not;

constexpr const char* kEncrypted = "Encryption Process Completed.";
constexpr const char* kDecrypted = "Decryption Process Completed.";

using CliOperations = CliTest;

TEST_F(CliOperations, EachMethodRoundTripsThroughTheBinary) {
  struct Case {
    const char* flag;  // as a user might type it
    int methodByte;
    const char* label;
  };
  const Case cases[] = {
      {"quick", 1, "Quick (Method 1)"},
      {"SECURE", 2, "Secure (Method 2)"},
      {"Maximum", 3, "Maximum (Method 3)"},
  };
  const std::string data = SampleBytes(3 * 16384 + 77);
  const std::string pw = PasswordFile("open sesame\n");
  for (const Case& c : cases) {
    SCOPED_TRACE(c.flag);
    WriteFileBytes(Path("report.txt"), data);

    const CliResult enc = Cli({"encrypt", "-m", c.flag, "--password-file", pw, "report.txt"});
    EXPECT_EQ(enc.status, 0);
    EXPECT_THAT(enc.ErrLines(), ElementsAre(kEncrypted));
    EXPECT_THAT(enc.out, HasSubstr(std::string("Encryption Method:      ") + c.label + "\n"));
    ASSERT_TRUE(FileExists(Path("report.crp")));
    EXPECT_EQ(MethodByte(Path("report.crp")), c.methodByte);
    const std::string crypt = ReadFileBytes(Path("report.crp"));
    EXPECT_EQ(crypt.find(data), std::string::npos) << "the body must not be the plain bytes";
    EXPECT_EQ(ReadFileBytes(Path("report.txt")), data) << "the original stays without --wipe";

    ASSERT_EQ(unlink(Path("report.txt").c_str()), 0);
    const CliResult dec = Cli({"decrypt", "--password-file", pw, "report.crp"});
    EXPECT_EQ(dec.status, 0);
    EXPECT_THAT(dec.ErrLines(), ElementsAre(kDecrypted));
    EXPECT_EQ(ReadFileBytes(Path("report.txt")), data);
    EXPECT_FALSE(FileExists(Path("report.crp"))) << "deleted after decryption by default";
  }
}

TEST_F(CliOperations, TrashedNeedsYesAndCannotBeDecrypted) {
  const std::string data = SampleBytes(5000);
  WriteFileBytes(Path("a.txt"), data);
  const std::string pw = PasswordFile("pw\n");

  // No terminal and no --yes: the warning counts as declined and nothing is left.
  const CliResult declined = Cli({"encrypt", "-m", "trashed", "--password-file", pw, "a.txt"});
  EXPECT_EQ(declined.status, 1);
  EXPECT_THAT(declined.err, HasSubstr("WARNING: A file encrypted using the TRASHED method can "
                                      "NEVER BE DECRYPTED. Are you SURE?\n"));
  EXPECT_EQ(declined.ErrLines().back(), "Cancelling Encryption Operation.");
  EXPECT_FALSE(FileExists(Path("a.crp")));

  const CliResult made = Cli({"encrypt", "-m", "TRASHED", "--yes", "--password-file", pw, "a.txt"});
  EXPECT_EQ(made.status, 0);
  EXPECT_THAT(made.ErrLines(), ElementsAre(kEncrypted));
  EXPECT_EQ(MethodByte(Path("a.crp")), 4);
  const std::string crypt = ReadFileBytes(Path("a.crp"));

  ASSERT_EQ(unlink(Path("a.txt").c_str()), 0);
  const CliResult refused = Cli({"decrypt", "--password-file", pw, "a.crp"});
  EXPECT_EQ(refused.status, 1);
  EXPECT_THAT(refused.ErrLines(),
              ElementsAre("This file was encrypted using the 'Trashed' method and cannot be "
                          "decrypted."));
  EXPECT_EQ(ReadFileBytes(Path("a.crp")), crypt);
  EXPECT_FALSE(FileExists(Path("a.txt")));
}

TEST_F(CliOperations, DefaultNamesAndRelativeSourcesRecordFullPaths) {
  WriteFileBytes(Path("report.txt"), "report");
  WriteFileBytes(Path("notes"), "notes");
  ASSERT_EQ(mkdir(Path("sub.d").c_str(), 0700), 0);
  WriteFileBytes(Path("sub.d/archive.tar.gz"), "archive");

  EncryptOk({"report.txt", "./notes", "sub.d/archive.tar.gz"});

  const struct {
    const char* crypt;
    const char* original;
  } expected[] = {{"report.crp", "report.txt"},
                  {"notes.crp", "notes"},
                  {"sub.d/archive.tar.crp", "sub.d/archive.tar.gz"}};
  for (const auto& e : expected) {
    SCOPED_TRACE(e.crypt);
    ASSERT_TRUE(FileExists(Path(e.crypt)));
    const std::string bytes = ReadFileBytes(Path(e.crypt));
    const auto headerSize = static_cast<std::size_t>(CryptHeader::FromBytes(bytes).HeaderSize());
    const CryptHeader header = CryptHeader::FromBytes(bytes.substr(0, headerSize));
    EXPECT_EQ(header.OriginalName(), Path(e.original));
  }
}

TEST_F(CliOperations, WrongPasswordLeavesTheCryptAndNoTarget) {
  WriteFileBytes(Path("a.txt"), SampleBytes(20000));
  EncryptOk({"a.txt"});
  ASSERT_EQ(unlink(Path("a.txt").c_str()), 0);
  const std::string crypt = ReadFileBytes(Path("a.crp"));

  const CliResult result =
      Cli({"decrypt", "--password-file", PasswordFile("Secret\n", "wrong"), "a.crp"});
  EXPECT_EQ(result.status, 1);
  EXPECT_THAT(result.ErrLines(), ElementsAre("The password you gave for this file is incorrect."));
  EXPECT_FALSE(FileExists(Path("a.txt")));
  EXPECT_EQ(ReadFileBytes(Path("a.crp")), crypt);
}

TEST_F(CliOperations, CryptNamedLikeTheSourceKeepsTheOriginal) {
  const std::string data = SampleBytes(1000);
  WriteFileBytes(Path("a.txt"), data);
  const CliResult result =
      Cli({"encrypt", "-o", "a.txt", "--password-file", PasswordFile("pw\n"), "a.txt"});
  EXPECT_EQ(result.status, 1);
  EXPECT_THAT(result.ErrLines(), ElementsAre("Cannot create encrypted file. Process aborted."));
  EXPECT_EQ(ReadFileBytes(Path("a.txt")), data);
}

TEST_F(CliOperations, DecryptOutputNamesTheTarget) {
  const std::string data = SampleBytes(9000);
  WriteFileBytes(Path("a.txt"), data);
  EncryptOk({"a.txt"});
  const CliResult result = Cli(
      {"decrypt", "--keep", "-o", "copy.txt", "--password-file", PasswordFile("secret"), "a.crp"});
  EXPECT_EQ(result.status, 0) << result.err;
  EXPECT_EQ(ReadFileBytes(Path("copy.txt")), data);
  EXPECT_EQ(ReadFileBytes(Path("a.txt")), data);
  EXPECT_TRUE(FileExists(Path("a.crp"))) << "--keep";
}

TEST_F(CliOperations, ForceCrpRewritesTheName) {
  ASSERT_EQ(Folder().find('.'), std::string::npos) << "the rule looks at folder names too";
  WriteFileBytes(Path("a.txt"), "data");
  EncryptOk({"--crp", "-o", "out.dat", "a.txt"});
  EXPECT_TRUE(FileExists(Path("out.CRP")));
  EXPECT_FALSE(FileExists(Path("out.dat")));
}

TEST_F(CliOperations, WipeZeroesAndRemovesTheOriginal) {
  const std::string data = SampleBytes(40000);
  WriteFileBytes(Path("a.txt"), data);
  // A second name for the same file shows what the wipe left in it.
  ASSERT_EQ(link(Path("a.txt").c_str(), Path("observer").c_str()), 0);

  EncryptOk({"--wipe", "a.txt"});
  EXPECT_FALSE(FileExists(Path("a.txt")));
  EXPECT_EQ(ReadFileBytes(Path("observer")), std::string(data.size(), '\0'));

  const CliResult dec = Cli({"decrypt", "--password-file", PasswordFile("secret\n"), "a.crp"});
  EXPECT_EQ(dec.status, 0);
  EXPECT_EQ(ReadFileBytes(Path("a.txt")), data);
}

TEST_F(CliOperations, WipeOfAReadOnlyOriginalEndsWithTheFileError) {
  const std::string data = SampleBytes(3000);
  WriteFileBytes(Path("a.txt"), data);
  ASSERT_EQ(chmod(Path("a.txt").c_str(), 0400), 0);
  const CliResult result =
      Cli({"encrypt", "--wipe", "--password-file", PasswordFile("pw\n"), "a.txt"});
  EXPECT_EQ(result.status, 1);
  EXPECT_THAT(result.ErrLines(), ElementsAre("Unable to open original file to wipe.",
                                             "Access to " + Path("a.txt") + " was denied."));
  EXPECT_EQ(ReadFileBytes(Path("a.txt")), data);
  EXPECT_TRUE(FileExists(Path("a.crp"))) << "the finished crypt stays";
  EXPECT_THAT(result.out, IsEmpty()) << "the run ends before the statistics";
}

TEST_F(CliOperations, HiddenListsTheCryptInTheFolder) {
  WriteFileBytes(Path("a.txt"), "data");
  EncryptOk({"--hidden", "a.txt"});
  EXPECT_THAT(FileLines(Path(".hidden")), ElementsAre("a.crp"));
  EXPECT_TRUE(FileExists(Path("a.crp")));
}

// The statistics go to stdout after the crypt is written; a reader that has gone away must not
// end the run before the crypt is marked hidden and the completion is reported.
TEST_F(CliOperations, AReaderThatGoesAwayDoesNotCutTheRunShort) {
  WriteFileBytes(Path("a.txt"), "data");
  CliInvocation run =
      Invocation({"encrypt", "--hidden", "--password-file", PasswordFile("pw\n"), "a.txt"});
  run.stdoutClosed = true;
  const CliResult result = RunCliBinary(run);
  EXPECT_EQ(result.status, 0);
  EXPECT_THAT(result.ErrLines(), ElementsAre("Encryption Process Completed."));
  EXPECT_THAT(FileLines(Path(".hidden")), ElementsAre("a.crp"));
}

TEST_F(CliOperations, ProfileTakesEffectAndFlagsOverrideItWithoutWritingIt) {
  const std::string profile =
      "[Options]\n"
      "AlwaysAskOptions=1\n"
      "AlwaysShowStats=0\n"
      "DeleteCryptAfterDecryption=0\n"
      "EncryptionMethod=Maximum\n"
      "MarkCryptAsHiddenFile=1\n";
  WriteProfile(profile);
  const std::string pw = PasswordFile("secret\n");
  WriteFileBytes(Path("a.txt"), "first");
  WriteFileBytes(Path("b.txt"), "second");

  // The profile alone; AlwaysAskOptions must not block a script.
  const CliResult a = Cli({"encrypt", "--password-file", pw, "a.txt"});
  EXPECT_EQ(a.status, 0);
  EXPECT_THAT(a.ErrLines(), ElementsAre(kEncrypted));
  EXPECT_THAT(a.out, IsEmpty()) << "AlwaysShowStats=0";
  EXPECT_EQ(MethodByte(Path("a.crp")), 3);
  // Flags over the profile.
  const CliResult b =
      Cli({"encrypt", "-m", "quick", "--no-hidden", "--password-file", pw, "b.txt"});
  EXPECT_EQ(b.status, 0);
  EXPECT_EQ(MethodByte(Path("b.crp")), 1);
  EXPECT_THAT(FileLines(Path(".hidden")), ElementsAre("a.crp"));

  ASSERT_EQ(unlink(Path("a.txt").c_str()), 0);
  ASSERT_EQ(unlink(Path("b.txt").c_str()), 0);
  EXPECT_EQ(Cli({"decrypt", "--password-file", pw, "a.crp"}).status, 0);
  EXPECT_TRUE(FileExists(Path("a.crp"))) << "DeleteCryptAfterDecryption=0";
  EXPECT_EQ(Cli({"decrypt", "--delete", "--password-file", pw, "b.crp"}).status, 0);
  EXPECT_FALSE(FileExists(Path("b.crp"))) << "--delete";
  EXPECT_EQ(ReadFileBytes(Path("a.txt")), "first");
  EXPECT_EQ(ReadFileBytes(Path("b.txt")), "second");

  EXPECT_EQ(ReadFileBytes(ProfilePath()), profile) << "the CLI never writes the profile";
}

TEST_F(CliOperations, UnknownProfileMethodMakesMethodZeroThatStillDecrypts) {
  WriteProfile("[Options]\nEncryptionMethod=secure\n");
  const std::string data = SampleBytes(20000);
  WriteFileBytes(Path("a.txt"), data);
  EncryptOk({"a.txt"});
  EXPECT_EQ(MethodByte(Path("a.crp")), 0);
  ASSERT_EQ(unlink(Path("a.txt").c_str()), 0);
  EXPECT_EQ(Cli({"decrypt", "--password-file", PasswordFile("secret\n"), "a.crp"}).status, 0);
  EXPECT_EQ(ReadFileBytes(Path("a.txt")), data);
}

TEST_F(CliOperations, PasswordLineEndsAreNotPartOfThePassword) {
  // CRLF in a file for encryption, LF through a descriptor for decryption: one password.
  const std::string data = SampleBytes(2000);
  WriteFileBytes(Path("a.txt"), data);
  ASSERT_EQ(
      Cli({"encrypt", "-q", "--password-file", PasswordFile("pass word\r\n"), "a.txt"}).status, 0);
  ASSERT_EQ(unlink(Path("a.txt").c_str()), 0);

  const CliResult result = Cli({"decrypt", "--password-fd", "3", "a.crp"}, "pass word\nrest\n");
  EXPECT_EQ(result.status, 0) << result.err;
  EXPECT_EQ(ReadFileBytes(Path("a.txt")), data);
}

TEST_F(CliOperations, PasswordsTheDialogWouldRefuseCreateNothing) {
  const struct {
    const char* password;
    const char* message;
  } cases[] = {
      {"\n", "You Must Type A Password."},
      {"", "You Must Type A Password."},
      {"123456789012345678901234567890123\n", "Please enter no more than 32 characters."},
      // 33 characters of two bytes each: the limit counts characters, not bytes.
      {"\xC3\xBC"
       "12345678901234567890123456789012\n",
       "Please enter no more than 32 characters."},
  };
  WriteFileBytes(Path("a.txt"), "data");
  for (const auto& c : cases) {
    SCOPED_TRACE(c.message);
    const CliResult result = Cli({"encrypt", "--password-file", PasswordFile(c.password), "a.txt"});
    EXPECT_EQ(result.status, 1);
    EXPECT_THAT(result.ErrLines(), ElementsAre(c.message, "Cancelling Encryption Operation"));
    EXPECT_FALSE(FileExists(Path("a.crp")));
  }
  // 32 characters are fine, also when they take more bytes.
  const CliResult ok = Cli({"encrypt", "-o", "c.crp", "--password-file",
                            PasswordFile("12345678901234567890123456789012\n"), "a.txt"});
  EXPECT_EQ(ok.status, 0) << ok.err;
  std::string wide;
  for (int i = 0; i < 32; ++i) wide += "\xC3\xBC";  // 32 times ü
  const CliResult okWide =
      Cli({"encrypt", "-o", "d.crp", "--password-file", PasswordFile(wide + "\n"), "a.txt"});
  EXPECT_EQ(okWide.status, 0) << okWide.err;
}

TEST_F(CliOperations, WithoutATerminalOrPasswordSourceNothingIsCreated) {
  WriteFileBytes(Path("a.txt"), "data");
  const CliResult result = Cli({"encrypt", "a.txt"});
  EXPECT_EQ(result.status, 1);
  EXPECT_THAT(result.err, HasSubstr("--password-file"));
  EXPECT_EQ(result.ErrLines().back(), "Cancelling Encryption Operation");
  EXPECT_FALSE(FileExists(Path("a.crp")));
}

TEST_F(CliOperations, QuietDropsInformationAndStatistics) {
  WriteFileBytes(Path("a.txt"), "data");
  const CliResult result = Cli({"encrypt", "-q", "--password-file", PasswordFile("pw\n"), "a.txt"});
  EXPECT_EQ(result.status, 0);
  EXPECT_THAT(result.err, IsEmpty());
  EXPECT_THAT(result.out, IsEmpty());
  EXPECT_TRUE(FileExists(Path("a.crp")));

  // Warnings and failures still show.
  const CliResult failed =
      Cli({"decrypt", "-q", "--password-file", PasswordFile("other\n", "pw2"), "a.crp"});
  EXPECT_EQ(failed.status, 1);
  EXPECT_THAT(failed.ErrLines(), ElementsAre("The password you gave for this file is incorrect."));
}

TEST_F(CliOperations, TwoSourcesOfOneRunNeverShareACrypt) {
  // Names the CLI derives can coincide; the later source must not replace the earlier crypt,
  // which after --wipe is the only copy of its file.
  const struct {
    const char* flag;
    const char* first;
    const char* second;
    const char* crypt;
  } cases[] = {
      {"--no-crp", "report.txt", "report.doc", "report.crp"},
      {"--crp", "a.txt", "a.b.doc", "a.CRP"},
  };
  ASSERT_EQ(Folder().find('.'), std::string::npos) << "the .CRP rule looks at folder names too";
  const std::string pw = PasswordFile("pw\n");
  for (const auto& c : cases) {
    SCOPED_TRACE(c.flag);
    WriteFileBytes(Path(c.first), "first file");
    WriteFileBytes(Path(c.second), "second file");
    const CliResult result =
        Cli({"encrypt", "-q", "--wipe", c.flag, "--password-file", pw, c.first, c.second});
    EXPECT_EQ(result.status, 1);
    EXPECT_THAT(result.ErrLines(),
                ElementsAre("quorvane-cli: " + Path(c.second) + " not encrypted: " + Path(c.crypt) +
                            " is the crypt of an earlier file of this run"));
    EXPECT_EQ(ReadFileBytes(Path(c.second)), "second file");
    EXPECT_FALSE(FileExists(Path(c.first)));

    const CliResult dec = Cli({"decrypt", "-q", "--password-file", pw, c.crypt});
    EXPECT_EQ(dec.status, 0) << dec.err;
    EXPECT_EQ(ReadFileBytes(Path(c.first)), "first file");
    ASSERT_EQ(unlink(Path(c.first).c_str()), 0);
    ASSERT_EQ(unlink(Path(c.second).c_str()), 0);
  }
}

TEST_F(CliOperations, TwoCryptsOfOneRunNeverDecryptOverEachOther) {
  // Two crypts of one file made on different days record the same name; decrypting both must
  // not replace the first file after its crypt is gone.
  const std::string pw = PasswordFile("pw\n");
  WriteFileBytes(Path("report.txt"), "monday");
  EncryptOk({"-o", "mon.crp", "report.txt"});
  WriteFileBytes(Path("report.txt"), "tuesday");
  EncryptOk({"-o", "tue.crp", "report.txt"});
  ASSERT_EQ(unlink(Path("report.txt").c_str()), 0);
  const std::string tuesday = ReadFileBytes(Path("tue.crp"));

  const CliResult result = Cli({"decrypt", "-q", "--password-file", pw, "mon.crp", "tue.crp"});
  EXPECT_EQ(result.status, 1);
  EXPECT_THAT(result.ErrLines(), ElementsAre("quorvane-cli: " + Path("tue.crp") +
                                             " not decrypted: " + Path("report.txt") +
                                             " is the file of an earlier crypt of this run"));
  EXPECT_EQ(ReadFileBytes(Path("report.txt")), "monday");
  EXPECT_FALSE(FileExists(Path("mon.crp")));
  EXPECT_EQ(ReadFileBytes(Path("tue.crp")), tuesday);
}

TEST_F(CliOperations, SeveralFilesRunOnAndReportTheWorst) {
  WriteFileBytes(Path("a.txt"), "a");
  WriteFileBytes(Path("c.txt"), "c");
  const CliResult result = Cli({"encrypt", "--password-fd", "3", "a.txt", "missing.txt", "c.txt"},
                               "one password for all\n");
  EXPECT_EQ(result.status, 1);
  EXPECT_THAT(result.ErrLines(),
              ElementsAre(kEncrypted, "Cannot open file selected for encryption. Process aborted.",
                          kEncrypted));
  EXPECT_TRUE(FileExists(Path("a.crp")));
  EXPECT_TRUE(FileExists(Path("c.crp")));
  EXPECT_FALSE(FileExists(Path("missing.crp")));
}

}  // namespace
}  // namespace quorvane::test
