#include "app/CQuorvaneApp.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QTimer>
#include <filesystem>
#include <system_error>

#include "app/CAboutDlg.h"
#include "app/CMainFrame.h"
#include "app/CommandIds.h"
#include "app/CommandLine.h"
#include "app/QtDesktop.h"

namespace quorvane {
namespace {

constexpr char kUnregisterDone[] =
    "System registry entries have been removed and the INI file (if any) was deleted.";
constexpr char kUnregisterFailed[] =
    "Not all of the system registry entries (or INI file) were removed.";

// Removes the profile, which may be absent, and its folder when that is left empty; false only
// when the profile exists and stays.
bool RemoveProfile(const std::string& path) {
  namespace fs = std::filesystem;
  std::error_code error;
  fs::remove(path, error);
  const bool removed = !error && !fs::exists(fs::symlink_status(path));
  const fs::path folder = fs::path(path).parent_path();
  if (removed && folder.filename() == "quorvane") fs::remove(folder, error);  // only if empty
  return removed;
}

}  // namespace

CQuorvaneApp::CQuorvaneApp(Setup setup)
    : m_setup(std::move(setup)), m_profile(m_setup.profilePath) {}

CQuorvaneApp::~CQuorvaneApp() {
  // The desktop refers to the main window; it goes first.
  m_ownDesktop.reset();
  m_mainFrame.reset();
}

Desktop& CQuorvaneApp::TheDesktop() {
  if (m_setup.desktop) return *m_setup.desktop;
  if (!m_ownDesktop) m_ownDesktop = std::make_unique<QtDesktop>(m_mainFrame.get());
  return *m_ownDesktop;
}

bool CQuorvaneApp::InitInstance(const std::vector<std::string>& parameters) {
  // The options, once, before the command line is looked at.
  m_state.options = m_profile.Load();
  m_state.profile = &m_profile;
  m_state.m_strPendingFile.clear();

  const CommandLineInfo commandLine = ParseCommandLine(parameters);
  const bool unregister = commandLine.command == CommandLineInfo::ShellCommand::AppUnregister &&
                          commandLine.fileName.empty();

  // The user's registration of the crypt type, unless the system has one (quietly; the
  // program relies on none of it for its own work).
  if (!unregister && m_setup.desktopPaths) {
    const DesktopPaths& paths = *m_setup.desktopPaths;
    bool changed = false;
    if (IsInstalledSystemWide(paths)) {
      changed = RemoveShadowingUserRegistration(paths);
    } else if (!m_setup.programPath.empty()) {
      changed = RegisterForCurrentUser(paths, m_setup.programPath).changed;
    }
    if (changed && m_setup.updateDesktopDatabases) UpdateDesktopDatabases(paths.dataHome, false);
  }

  if (unregister) {
    Unregister();
    return false;
  }

  // A named file goes to the dispatch whatever switch came with it; printing, shell
  // conversations and embedding have no meaning here, so every other start shows the window.
  m_state.m_strPendingFile = commandLine.fileName;

  m_mainFrame = std::make_unique<CMainFrame>(
      [this](int id) { OnCommand(id); }, [this](const std::string& name) { OnDropFiles(name); });
  m_mainFrame->show();

  QTimer::singleShot(0, this, &CQuorvaneApp::FinishStartup);
  return true;
}

void CQuorvaneApp::FinishStartup() {
  if (!m_mainFrame) return;
  m_mainFrame->DragAcceptFiles(true);
  m_startupFinished = true;
  if (!m_state.m_strPendingFile.empty()) Run(quorvane::OnFileOpen);
}

void CQuorvaneApp::Unregister() {
  bool ok = true;
  if (m_setup.desktopPaths) {
    ok = UnregisterForCurrentUser(*m_setup.desktopPaths);
    ok = UpdateDesktopDatabases(m_setup.desktopPaths->dataHome, true) && ok;
  }
  ok = RemoveProfile(m_profile.path()) && ok;
  m_exitStatus = ok ? 0 : 1;
  TheDesktop().Message(ok ? kUnregisterDone : kUnregisterFailed,
                       ok ? MessageIcon::Information : MessageIcon::Exclamation);
}

void CQuorvaneApp::Run(Command command) {
  struct Depth {
    int& count;
    explicit Depth(int& c) : count(c) { ++count; }
    ~Depth() { --count; }
  };
  {
    const Depth depth(m_running);
    RunCommand(command, m_state, TheDesktop());
  }
  // The main window may have been closed while a meter ran events. Qt counts windows only as
  // they close, and the meter was open then, so the program would go on without a window.
  if (m_running == 0 && m_mainFrame && !m_mainFrame->isVisible() &&
      QGuiApplication::quitOnLastWindowClosed()) {
    QCoreApplication::quit();
  }
}

void CQuorvaneApp::OnCommand(int commandId) {
  switch (commandId) {
    case cmd::AppAbout:
      OnAppAbout();
      break;
    case cmd::FileEncrypt:
      Run(quorvane::OnFileEncrypt);
      break;
    case cmd::FileDecrypt:
      Run(quorvane::OnFileDecrypt);
      break;
    case cmd::FileOptions:
      Run(quorvane::OnFileOptions);
      break;
    case cmd::FileStatistics:
      Run(quorvane::OnFileStatistics);
      break;
    case cmd::FileOpen:
      Run(quorvane::OnFileOpen);
      break;
    default:
      break;
  }
}

void CQuorvaneApp::OnDropFiles(const std::string& fileName) {
  m_state.m_strPendingFile = fileName;
  Run(quorvane::OnFileOpen);
}

void CQuorvaneApp::OnAppAbout() {
  CAboutDlg about(m_mainFrame.get());
  about.exec();
}

}  // namespace quorvane
