// Start-up: the options, the window, and the file named on the command line.
#include <QAction>
#include <filesystem>

#include "AppTest.h"
#include "app/CMainFrame.h"
#include "app/CommandIds.h"

namespace quorvane::test {
namespace {

using ::testing::ElementsAre;

const char kUnopenable[] = "message stop: Unable to open dragged-and-dropped file for processing.";

class StartupTest : public AppTest {};

TEST_F(StartupTest, ReadsTheOptionsAndShowsTheEmptyWindow) {
  WriteProfile(
      "[Options]\nAllowNewDecryptionName=1\nAlwaysShowStats=0\nMarkCryptAsHiddenFile=5\n"
      "EncryptionMethod=Quick\n");
  CQuorvaneApp& app = Start({});

  AppOptions expected;
  expected.AllowNewDecryptionName = 1;
  expected.AlwaysShowStats = 0;
  expected.MarkCryptAsHiddenFile = 5;
  expected.EncryptionMethod = "Quick";
  EXPECT_EQ(app.State().options, expected);
  ASSERT_NE(app.MainFrame(), nullptr);
  EXPECT_TRUE(app.MainFrame()->isVisible());
  EXPECT_EQ(app.MainFrame()->windowTitle(), "Untitled - Quorvane");
  EXPECT_TRUE(app.MainFrame()->acceptDrops());
  EXPECT_TRUE(app.State().m_strPendingFile.empty());
  EXPECT_TRUE(m_desktop.Record().empty());
}

TEST_F(StartupTest, WithoutAProfileTheOptionsAreTheDefaults) {
  CQuorvaneApp& app = Start({});
  EXPECT_EQ(app.State().options, AppOptions());
  EXPECT_FALSE(FileExists(m_profilePath));
}

TEST_F(StartupTest, DropsAreRefusedUntilStartupHasEnded) {
  CQuorvaneApp::Setup setup;
  setup.desktop = &m_desktop;
  setup.profilePath = m_profilePath;
  setup.desktopPaths = m_paths;
  CQuorvaneApp app(std::move(setup));
  ASSERT_TRUE(app.InitInstance({}));
  ASSERT_NE(app.MainFrame(), nullptr);
  EXPECT_FALSE(app.MainFrame()->acceptDrops());
  ProcessEvents();
  EXPECT_TRUE(app.MainFrame()->acceptDrops());
}

TEST_F(StartupTest, ANamedCryptGoesStraightToTheDecryptionPassword) {
  const std::string crypt = MakeFile("letter.txt", kCryptProbe + "rest of a header");
  m_desktop.AnswerDecryptPassword(std::nullopt);
  CQuorvaneApp& app = Start({crypt});

  EXPECT_THAT(m_desktop.Record(),
              ElementsAre("restore window", "decrypt password",
                          "message information: Decryption Operation Cancelled."));
  EXPECT_TRUE(app.State().m_strPendingFile.empty());
  EXPECT_TRUE(app.MainFrame()->isVisible());
}

// Every way of naming a plain file reaches the encryption names dialog with the file locked:
// print switches are overridden by the name, and "/" begins a path, not a switch.
TEST_F(StartupTest, ANamedPlainFileGoesToTheEncryptionNamesWithItsSourceLocked) {
  const std::string plain = MakeFile("notes.CRP", "no header here");
  const std::vector<std::vector<std::string>> commandLines = {
      {plain},
      {"-p", plain},
      {"-pt", plain, "printer", "driver", "port"},
      {"-dde", plain},
      {"-Unregister", plain},
      {"-Embedding", plain},
      {"-unknown", plain, "second.txt"},
  };
  for (const auto& commandLine : commandLines) {
    SCOPED_TRACE(commandLine.front());
    m_desktop.ClearRecord();
    m_desktop.AnswerEncryptNames(std::nullopt);
    CQuorvaneApp& app = Start(commandLine);
    EXPECT_THAT(m_desktop.Record(), ElementsAre("restore window", "encrypt names locked=" + plain));
    EXPECT_TRUE(app.State().m_strPendingFile.empty());
    EXPECT_FALSE(FileExists(m_profilePath));
  }
}

TEST_F(StartupTest, AnUnopenableNameGivesTheMessageAndLeavesTheEmptyWindow) {
  const std::string folder = m_dir / "a folder";
  std::filesystem::create_directory(folder);
  for (const std::string& name : {m_dir / "missing.crp", folder, std::string("relative/none")}) {
    SCOPED_TRACE(name);
    m_desktop.ClearRecord();
    CQuorvaneApp& app = Start({name});
    EXPECT_THAT(m_desktop.Record(), ElementsAre("restore window", kUnopenable));
    EXPECT_TRUE(app.MainFrame()->isVisible());
    EXPECT_TRUE(app.State().m_strPendingFile.empty());
  }
}

TEST_F(StartupTest, SwitchesWithoutAFileShowTheWindowAndDispatchNothing) {
  for (const char* option : {"-p", "-pt", "-dde", "-Embedding", "-Automation", "-unregister"}) {
    SCOPED_TRACE(option);
    CQuorvaneApp& app = Start({option});
    ASSERT_NE(app.MainFrame(), nullptr);
    EXPECT_TRUE(app.MainFrame()->isVisible());
    EXPECT_TRUE(m_desktop.Record().empty());
  }
}

}  // namespace
}  // namespace quorvane::test
