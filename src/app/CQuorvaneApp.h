#pragma once

#include <QObject>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/DesktopRegistration.h"
#include "ops/AppState.h"
#include "ops/Commands.h"
#include "settings/OptionsProfile.h"

namespace quorvane {

class CMainFrame;
class Desktop;

// The application object: owns the options, the pending file name, the profile and the main
// window, starts the program and routes every command to its operation.
class CQuorvaneApp : public QObject {
  Q_OBJECT

 public:
  struct Setup {
    // The desktop the operations talk to; nullptr makes the real dialogs over the main window.
    Desktop* desktop = nullptr;
    std::string profilePath = DefaultProfilePath();
    // Where the crypt type is registered for the user; nullopt registers nothing.
    std::optional<DesktopPaths> desktopPaths = DesktopPathsFromEnvironment();
    // The program that the user's desktop entry starts.
    std::string programPath;
    // Whether a new registration starts the desktop's database tools (tests keep them out).
    bool updateDesktopDatabases = true;
  };

  explicit CQuorvaneApp(Setup setup);
  ~CQuorvaneApp() override;

  // Start-up, up to and including the shown main window; the rest (accepting drops, then the
  // dispatch of a named file) follows as soon as the event loop runs. False when the program
  // ends without a window (-Unregister); ExitStatus() then tells how it went.
  bool InitInstance(const std::vector<std::string>& parameters);
  int ExitStatus() const { return m_exitStatus; }
  // True once drops are accepted and a named file has been dispatched.
  bool StartupFinished() const { return m_startupFinished; }

  // The command routing of the menu, toolbar, drops and start-up.
  void OnCommand(int commandId);
  void OnDropFiles(const std::string& fileName);
  void OnAppAbout();

  AppState& State() { return m_state; }
  CMainFrame* MainFrame() const { return m_mainFrame.get(); }

 private:
  void FinishStartup();
  void Run(Command command);
  void Unregister();
  Desktop& TheDesktop();

  Setup m_setup;
  OptionsProfile m_profile;
  AppState m_state;
  std::unique_ptr<CMainFrame> m_mainFrame;
  std::unique_ptr<Desktop> m_ownDesktop;
  int m_exitStatus = 0;
  bool m_startupFinished = false;
  int m_running = 0;  // commands running, nested ones included
};

}  // namespace quorvane
