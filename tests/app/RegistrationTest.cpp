// The crypt type registered for the user who runs a program built from source.
#include <QProcess>
#include <QStandardPaths>
#include <cstdlib>
#include <filesystem>

#include "AppTest.h"
#include "app/DesktopRegistration.h"

namespace quorvane::test {
namespace {

namespace fs = std::filesystem;

class RegistrationTest : public AppTest {
 protected:
  std::string UserFile(const char* relative) const { return m_paths.dataHome + "/" + relative; }
};

TEST_F(RegistrationTest, StartupRegistersOnceAndASecondStartChangesNothing) {
  Start({});
  const char* files[] = {kDesktopEntryFile, kMimePackageFile, kProgramIconFile, kDocumentIconFile};
  for (const char* file : files) ASSERT_TRUE(FileExists(UserFile(file))) << file;
  const std::string entry = ReadFileBytes(UserFile(kDesktopEntryFile));
  EXPECT_NE(entry.find("\nExec=/opt/quorvane/bin/quorvane %f\n"), std::string::npos) << entry;
  EXPECT_NE(entry.find("\nMimeType=application/x-quorvane-crypt;\n"), std::string::npos);
  EXPECT_NE(ReadFileBytes(UserFile(kMimePackageFile)).find("<glob pattern=\"*.crp\"/>"),
            std::string::npos);

  const auto written = fs::last_write_time(UserFile(kDesktopEntryFile));
  const RegistrationResult again = RegisterForCurrentUser(m_paths, "/opt/quorvane/bin/quorvane");
  EXPECT_TRUE(again.ok);
  EXPECT_FALSE(again.changed);
  EXPECT_EQ(fs::last_write_time(UserFile(kDesktopEntryFile)), written);

  // A program that moved gets its entry rewritten.
  const RegistrationResult moved = RegisterForCurrentUser(m_paths, "/home/me/build/quorvane");
  EXPECT_TRUE(moved.changed);
  EXPECT_NE(ReadFileBytes(UserFile(kDesktopEntryFile)).find("Exec=/home/me/build/quorvane %f"),
            std::string::npos);
}

TEST_F(RegistrationTest, NothingIsWrittenForTheUserWhenTheSystemHasTheType) {
  for (const char* file : {kDesktopEntryFile, kMimePackageFile}) {
    fs::create_directories(fs::path(m_paths.dataDirs.front() + "/" + file).parent_path());
    WriteFileBytes(m_paths.dataDirs.front() + "/" + file, "installed");
  }
  ASSERT_TRUE(IsInstalledSystemWide(m_paths));
  Start({});
  EXPECT_FALSE(fs::exists(m_paths.dataHome));
}

TEST_F(RegistrationTest, AnEarlierUserRegistrationGivesWayToTheSystems) {
  ASSERT_TRUE(RegisterForCurrentUser(m_paths, "/home/me/build/quorvane").ok);
  for (const char* file : {kDesktopEntryFile, kMimePackageFile}) {
    fs::create_directories(fs::path(m_paths.dataDirs.front() + "/" + file).parent_path());
    WriteFileBytes(m_paths.dataDirs.front() + "/" + file, "installed");
  }
  Start({});
  for (const char* file :
       {kDesktopEntryFile, kMimePackageFile, kProgramIconFile, kDocumentIconFile}) {
    EXPECT_FALSE(FileExists(UserFile(file))) << file;
  }

  // What the user made under the same names is not the program's to remove.
  const std::string ownEntry = "[Desktop Entry]\nType=Application\nName=Mine\nExec=mine %f\n";
  WriteFileBytes(UserFile(kDesktopEntryFile), ownEntry);
  fs::create_directories(fs::path(UserFile(kMimePackageFile)).parent_path());
  WriteFileBytes(UserFile(kMimePackageFile), "<mime-info/>");
  EXPECT_FALSE(RemoveShadowingUserRegistration(m_paths));
  EXPECT_EQ(ReadFileBytes(UserFile(kDesktopEntryFile)), ownEntry);
  EXPECT_EQ(ReadFileBytes(UserFile(kMimePackageFile)), "<mime-info/>");
}

// What the program registers for its user is what the desktop's tools then use.
TEST_F(RegistrationTest, TheUsersDesktopTypesACryptByItsMagic) {
  const QString query = QStandardPaths::findExecutable("xdg-mime");
  if (query.isEmpty() || QStandardPaths::findExecutable("update-mime-database").isEmpty()) {
    GTEST_SKIP() << "xdg-mime or update-mime-database is not installed";
  }
  ASSERT_TRUE(RegisterForCurrentUser(m_paths, "/opt/quorvane/bin/quorvane").ok);
  ASSERT_TRUE(UpdateDesktopDatabases(m_paths.dataHome, true));
  const std::string crypt = MakeFile("photo.qzv7", kCryptProbe + "more");

  QProcess process;
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert("XDG_DATA_HOME", QString::fromStdString(m_paths.dataHome));
  environment.insert("XDG_DATA_DIRS", "/usr/share");
  process.setProcessEnvironment(environment);
  process.start(query, {"query", "filetype", QString::fromStdString(crypt)});
  ASSERT_TRUE(process.waitForFinished(30000));
  EXPECT_EQ(process.readAllStandardOutput().trimmed().split(';').front().toStdString(),
            kCryptMimeType);
}

// Exec lines by the desktop entry rules: reserved characters call for quotes, inside which
// '"', '`', '$' and '\' are escaped; '%' is doubled; a backslash is doubled again as a string.
TEST(DesktopEntryTest, ExecLinesQuoteWhatTheRulesAskFor) {
  const struct {
    std::string path;
    std::string exec;
  } cases[] = {
      {"/usr/bin/quorvane", "Exec=/usr/bin/quorvane %f"},
      {"/opt/my apps/quorvane", "Exec=\"/opt/my apps/quorvane\" %f"},
      {"/tmp/100%/quorvane", "Exec=/tmp/100%%/quorvane %f"},
      {"/tmp/$HOME \"q\"/quorvane", "Exec=\"/tmp/\\\\$HOME \\\\\"q\\\\\"/quorvane\" %f"},
      {"/tmp/back\\slash/quorvane", "Exec=\"/tmp/back\\\\\\\\slash/quorvane\" %f"},
  };
  for (const auto& c : cases) {
    const std::string entry = DesktopEntryFor(c.path);
    EXPECT_NE(entry.find("\n" + c.exec + "\n"), std::string::npos) << c.path << "\n" << entry;
  }
}

// The desktop's own validator accepts what the program writes, quoted paths included.
TEST(DesktopEntryTest, TheValidatorAcceptsTheEntries) {
  const QString validator = QStandardPaths::findExecutable("desktop-file-validate");
  if (validator.isEmpty()) GTEST_SKIP() << "desktop-file-validate is not installed";
  TempDir dir;
  for (const char* path : {"/usr/bin/quorvane", "/opt/my apps/quor$vane"}) {
    WriteFileBytes(dir / "quorvane.desktop", DesktopEntryFor(path));
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(validator, {QString::fromStdString(dir / "quorvane.desktop")});
    ASSERT_TRUE(process.waitForFinished(30000));
    EXPECT_EQ(process.exitCode(), 0) << path << ": " << process.readAll().toStdString();
  }
}

TEST(DesktopPathsTest, TheEnvironmentWithItsDefaults) {
  const struct {
    const char* dataHome;
    const char* dataDirs;
    std::string expectedHome;
    std::vector<std::string> expectedDirs;
  } cases[] = {
      {"/x/data", "/a:/b", "/x/data", {"/a", "/b"}},
      {"", "", "/home/u/.local/share", {"/usr/local/share", "/usr/share"}},
      {"relative/data", "rel:/ok::", "/home/u/.local/share", {"/ok"}},
  };
  const std::string saved[] = {std::getenv("HOME") ? std::getenv("HOME") : "",
                               std::getenv("XDG_DATA_HOME") ? std::getenv("XDG_DATA_HOME") : "",
                               std::getenv("XDG_DATA_DIRS") ? std::getenv("XDG_DATA_DIRS") : ""};
  for (const auto& c : cases) {
    setenv("HOME", "/home/u", 1);
    setenv("XDG_DATA_HOME", c.dataHome, 1);
    setenv("XDG_DATA_DIRS", c.dataDirs, 1);
    const DesktopPaths paths = DesktopPathsFromEnvironment();
    EXPECT_EQ(paths.dataHome, c.expectedHome) << c.dataHome;
    EXPECT_EQ(paths.dataDirs, c.expectedDirs) << c.dataDirs;
  }
  setenv("HOME", saved[0].c_str(), 1);
  setenv("XDG_DATA_HOME", saved[1].c_str(), 1);
  setenv("XDG_DATA_DIRS", saved[2].c_str(), 1);
}

}  // namespace
}  // namespace quorvane::test
