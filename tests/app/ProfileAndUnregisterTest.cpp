// The profile is written only by the Options command; -Unregister removes the profile and the
// user's desktop registration.
#include <QAction>
#include <filesystem>

#include "AppTest.h"
#include "app/CMainFrame.h"
#include "app/CommandIds.h"
#include "settings/OptionsProfile.h"

namespace quorvane::test {
namespace {

using ::testing::ElementsAre;

const char kProfile[] =
    "[Options]\n; kept as the user wrote it\nAllowNewDecryptionName=0\nAlwaysAskOptions=0\n"
    "WipeandDeleteOriginalFile=5\nEncryptionMethod=max\n";

class ProfileTest : public AppTest {};

TEST_F(ProfileTest, StartupDispatchAndCommandsLeaveTheProfileAlone) {
  WriteProfile(kProfile);
  const std::string plain = MakeFile("plain.txt", "text");
  m_desktop.AnswerEncryptNames(std::nullopt);
  m_desktop.AnswerStatisticsFile(std::nullopt);
  m_desktop.AnswerDecryptNames(std::nullopt);
  m_desktop.AnswerOptions(std::nullopt);  // Options closed with Cancel writes nothing
  CQuorvaneApp& app = Start({plain});
  app.OnCommand(cmd::FileStatistics);
  app.OnCommand(cmd::FileDecrypt);
  app.OnCommand(cmd::FileOptions);
  app.MainFrame()->close();
  m_app.reset();
  EXPECT_EQ(ReadFileBytes(m_profilePath), kProfile);
}

TEST_F(ProfileTest, OptionsClosedWithOkWritesAllEightKeys) {
  WriteProfile(kProfile);
  AppOptions chosen;
  chosen.MarkCryptAsHiddenFile = 1;
  chosen.EncryptionMethod = "Maximum";
  m_desktop.AnswerOptions(chosen);
  CQuorvaneApp& app = Start({});
  app.MainFrame()->ActionFor(cmd::FileOptions)->trigger();

  EXPECT_EQ(app.State().options, chosen);
  EXPECT_EQ(OptionsProfile(m_profilePath).Load(), chosen);
  EXPECT_THAT(m_desktop.Record(), ElementsAre("options"));
}

class UnregisterTest : public AppTest {};

TEST_F(UnregisterTest, RemovesTheRegistrationAndTheProfileAndEndsWithoutAWindow) {
  WriteProfile(kProfile);
  ASSERT_TRUE(RegisterForCurrentUser(m_paths, "/opt/quorvane/bin/quorvane").ok);
  const std::string entry = m_paths.dataHome + "/" + kDesktopEntryFile;
  ASSERT_TRUE(FileExists(entry));

  CQuorvaneApp& app = Start({"-Unregister"});
  EXPECT_EQ(app.MainFrame(), nullptr);
  EXPECT_EQ(app.ExitStatus(), 0);
  EXPECT_THAT(m_desktop.Record(),
              ElementsAre("message information: System registry entries have been removed and "
                          "the INI file (if any) was deleted."));
  EXPECT_FALSE(FileExists(m_profilePath));
  EXPECT_FALSE(std::filesystem::exists(std::filesystem::path(m_profilePath).parent_path()));
  for (const char* file :
       {kDesktopEntryFile, kMimePackageFile, kProgramIconFile, kDocumentIconFile}) {
    EXPECT_FALSE(FileExists(m_paths.dataHome + "/" + file)) << file;
  }
}

TEST_F(UnregisterTest, WithNothingRegisteredItStillSucceeds) {
  CQuorvaneApp& app = Start({"-Unregister"});
  EXPECT_EQ(app.ExitStatus(), 0);
  EXPECT_THAT(m_desktop.Record(),
              ElementsAre("message information: System registry entries have been removed and "
                          "the INI file (if any) was deleted."));
}

TEST_F(UnregisterTest, AProfileThatCannotBeRemovedIsReported) {
  // A folder that is not empty where the profile should be: removing it fails, even for root.
  std::filesystem::create_directories(m_profilePath + "/inside");
  CQuorvaneApp& app = Start({"-Unregister"});
  EXPECT_EQ(app.MainFrame(), nullptr);
  EXPECT_NE(app.ExitStatus(), 0);
  EXPECT_THAT(m_desktop.Record(),
              ElementsAre("message exclamation: Not all of the system registry entries (or INI "
                          "file) were removed."));
}

}  // namespace
}  // namespace quorvane::test
