// Start-up, drops and -Unregister through the program's own dialogs and message boxes.
#include <QLineEdit>
#include <QMessageBox>

#include "AppTest.h"
#include "app/CMainFrame.h"
#include "app/CommandIds.h"

namespace quorvane::test {
namespace {

using ::testing::ElementsAre;

class RealDialogsTest : public AppTest {
 protected:
  CQuorvaneApp& StartWithDialogs(const std::vector<std::string>& parameters) {
    // No desktop given: the app makes the real one over its main window.
    CQuorvaneApp::Setup setup;
    setup.desktop = nullptr;
    setup.profilePath = m_profilePath;
    setup.desktopPaths = m_paths;
    setup.updateDesktopDatabases = false;
    m_app = std::make_unique<CQuorvaneApp>(std::move(setup));
    if (m_app->InitInstance(parameters)) {
      for (int i = 0; i < 100 && !m_app->StartupFinished(); ++i) ProcessEvents();
    }
    return *m_app;
  }
};

TEST_F(RealDialogsTest, MessageBoxesCarryTheApplicationTitle) {
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  ModalWatcher watcher([&](QWidget* modal) {
    if (auto* box = qobject_cast<QMessageBox*>(modal)) icon = box->icon();
    ModalWatcher::Close(modal);
  });
  CQuorvaneApp& app = StartWithDialogs({m_dir / "no such file"});
  EXPECT_THAT(watcher.Seen(),
              ElementsAre("messageBox | Quorvane 1.0 | Unable to open dragged-and-dropped file "
                          "for processing."));
  EXPECT_EQ(icon, QMessageBox::Critical);
  ASSERT_NE(app.MainFrame(), nullptr);
  EXPECT_TRUE(app.MainFrame()->isVisible());
}

TEST_F(RealDialogsTest, UnregisterReportsInABoxWithTheApplicationTitle) {
  ModalWatcher watcher(&ModalWatcher::Close);
  CQuorvaneApp& app = StartWithDialogs({"-Unregister"});
  EXPECT_EQ(app.MainFrame(), nullptr);
  EXPECT_THAT(watcher.Seen(),
              ElementsAre("messageBox | Quorvane 1.0 | System registry entries have been removed "
                          "and the INI file (if any) was deleted."));
}

TEST_F(RealDialogsTest, ANamedPlainFileOpensTheEncryptionNamesWithTheSourceLocked) {
  const std::string plain = MakeFile("plain.txt", "text");
  QString source;
  bool sourceEnabled = true;
  bool windowShown = false;
  ModalWatcher watcher([&](QWidget* modal) {
    windowShown = m_app->MainFrame() && m_app->MainFrame()->isVisible();
    if (auto* edit = modal->findChild<QLineEdit*>("edit1009")) {
      source = edit->text();
      sourceEnabled = edit->isEnabled();
    }
    ModalWatcher::Close(modal);
  });
  StartWithDialogs({"-p", plain});
  ASSERT_FALSE(watcher.Seen().empty());
  EXPECT_EQ(watcher.Seen().front(),
            "quorvane::CEncryptNamesDlg | Specify File Names (Encrypting) | ");
  EXPECT_EQ(source.toStdString(), plain);
  EXPECT_FALSE(sourceEnabled);
  // The named file is handled with the main window already on the screen.
  EXPECT_TRUE(windowShown);
}

TEST_F(RealDialogsTest, ANamedCryptOpensTheDecryptionPasswordFirst) {
  const std::string crypt = MakeFile("a.bin", kCryptProbe);
  ModalWatcher watcher(&ModalWatcher::Close);
  StartWithDialogs({crypt});
  ASSERT_FALSE(watcher.Seen().empty());
  EXPECT_EQ(watcher.Seen().front(), "quorvane::CDecryptPasswordDlg | Enter Decryption Password | ");
}

TEST_F(RealDialogsTest, ADropOnAMaximisedWindowRestoresItBeforeTheDialog) {
  const std::string plain = MakeFile("plain.txt", "text");
  CQuorvaneApp& app = StartWithDialogs({});
  app.MainFrame()->showMaximized();
  ProcessEvents();
  ASSERT_TRUE(app.MainFrame()->isMaximized());
  bool maximisedAtDialog = true;
  ModalWatcher watcher([&](QWidget* modal) {
    maximisedAtDialog = app.MainFrame()->isMaximized();
    ModalWatcher::Close(modal);
  });
  app.OnDropFiles(plain);
  ASSERT_FALSE(watcher.Seen().empty());
  EXPECT_EQ(watcher.Seen().front(),
            "quorvane::CEncryptNamesDlg | Specify File Names (Encrypting) | ");
  EXPECT_FALSE(maximisedAtDialog);
  EXPECT_TRUE(app.MainFrame()->isVisible());
}

}  // namespace
}  // namespace quorvane::test
