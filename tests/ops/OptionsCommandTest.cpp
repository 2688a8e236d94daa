#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "OpsFixture.h"
#include "settings/OptionsProfile.h"

namespace quorvane::test {
namespace {

using Lines = std::vector<std::string>;

const char* const kKeys[] = {"AllowNewDecryptionName",
                             "AlwaysAskOptions",
                             "AlwaysShowStats",
                             "DeleteCryptAfterDecryption",
                             "ForceCryptToHaveCRPExtention",
                             "MarkCryptAsHiddenFile",
                             "WipeandDeleteOriginalFile",
                             "EncryptionMethod"};

class OptionsCommand : public OpsTest {
 protected:
  void SetUp() override {
    profile.emplace(Path("quorvane.ini"));
    app.profile = &*profile;
  }
  std::optional<OptionsProfile> profile;
};

TEST_F(OptionsCommand, OkTakesTheDialogsValuesAndWritesAllEightKeys) {
  app.options = profile->Load();
  EXPECT_EQ(app.options, AppOptions{});  // no profile yet: the defaults
  desktop.AnswerOptions(app.options);    // OK without a change

  EXPECT_EQ(OnFileOptions(app, desktop), Outcome::Completed);

  EXPECT_EQ(desktop.Record(), Lines{"options"});
  const std::string ini = ReadFileBytes(Path("quorvane.ini"));
  EXPECT_NE(ini.find("[Options]"), std::string::npos);
  for (const char* key : kKeys) {
    EXPECT_NE(ini.find(std::string("\n") + key + "="), std::string::npos) << key;
  }

  AppOptions edited;
  edited.EncryptionMethod = "Quick";
  edited.WipeandDeleteOriginalFile = 1;
  edited.AlwaysShowStats = 0;
  desktop.AnswerOptions(edited);
  EXPECT_EQ(OnFileOptions(app, desktop), Outcome::Completed);
  EXPECT_EQ(app.options, edited);
  EXPECT_EQ(profile->Load(), edited);
}

TEST_F(OptionsCommand, CancelChangesNothingAndWritesNothing) {
  app.options.MarkCryptAsHiddenFile = 5;
  const AppOptions before = app.options;
  desktop.AnswerOptions(std::nullopt);

  EXPECT_EQ(OnFileOptions(app, desktop), Outcome::Cancelled);

  EXPECT_EQ(desktop.OptionsShown(), before);
  EXPECT_EQ(app.options, before);
  EXPECT_FALSE(FileExists(Path("quorvane.ini")));
}

TEST_F(OptionsCommand, StoredFiveCountsAsSetForTheOperations) {
  WriteFileBytes(Path("quorvane.ini"),
                 "[Options]\nWipeandDeleteOriginalFile=5\nAlwaysShowStats=0\n"
                 "AllowNewDecryptionName=5\nDeleteCryptAfterDecryption=0\n");
  app.options = profile->Load();
  const std::string original = Path("a.txt");
  WriteFileBytes(original, "content");
  desktop.AnswerEncryptNames(FileNames{original, Path("a.crp")});
  desktop.AnswerEncryptPassword("pw");
  EXPECT_EQ(OnFileEncrypt(app, desktop), Outcome::Completed);
  EXPECT_FALSE(FileExists(original));  // wiped and deleted

  desktop.AnswerDecryptNames(FileNames{Path("a.crp"), Path("b.txt")});
  desktop.AnswerDecryptPassword("pw");
  EXPECT_EQ(OnFileDecrypt(app, desktop), Outcome::Completed);
  EXPECT_EQ(ReadFileBytes(Path("b.txt")), "content");
  EXPECT_TRUE(FileExists(Path("a.crp")));  // a stored 0 is clear
}

// With AlwaysAskOptions the options come first; the run goes on after Cancel with the options
// as they were, and after OK with the new ones, read at the step that uses them.
TEST_F(OptionsCommand, AlwaysAskOptionsRunsTheDialogFirstAndTheOperationGoesOn) {
  app.options.AlwaysAskOptions = 1;
  app.options.AlwaysShowStats = 0;
  const std::string original = Path("a.txt");
  WriteFileBytes(original, "abc");

  desktop.AnswerOptions(std::nullopt);
  desktop.AnswerEncryptNames(FileNames{original, Path("a.crp")});
  desktop.AnswerEncryptPassword("pw");
  EXPECT_EQ(OnFileEncrypt(app, desktop), Outcome::Completed);
  EXPECT_EQ(desktop.Record(),
            (Lines{"options", "encrypt names", "encrypt password",
                   MeterLine("Encrypting File:", original, Path("a.crp"),
                             "Using Secure Encryption Method"),
                   "meter closed", "message information: Encryption Process Completed."}));
  EXPECT_FALSE(FileExists(Path("quorvane.ini")));

  desktop.ClearRecord();
  AppOptions quick = app.options;
  quick.EncryptionMethod = "Quick";
  desktop.AnswerOptions(quick);
  desktop.AnswerEncryptNames(FileNames{original, Path("b.crp")});
  desktop.AnswerEncryptPassword("pw");
  EXPECT_EQ(OnFileEncrypt(app, desktop), Outcome::Completed);
  EXPECT_EQ(desktop.Record().at(3), MeterLine("Encrypting File:", original, Path("b.crp"),
                                              "Using Quick Encryption Method"));
  EXPECT_EQ(profile->Load().EncryptionMethod, "Quick");

  desktop.ClearRecord();
  desktop.AnswerOptions(std::nullopt);
  desktop.AnswerDecryptNames(FileNames{Path("b.crp"), ""});
  desktop.AnswerDecryptPassword("pw");
  EXPECT_EQ(OnFileDecrypt(app, desktop), Outcome::Completed);
  EXPECT_EQ(desktop.Record().front(), "options");
  EXPECT_EQ(ReadFileBytes(original), "abc");
}

}  // namespace
}  // namespace quorvane::test
