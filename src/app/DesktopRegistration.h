#pragma once

#include <string>
#include <vector>

namespace quorvane {

// The freedesktop folders that the desktop's file type lives in.
struct DesktopPaths {
  std::string dataHome;               // $XDG_DATA_HOME, or ~/.local/share
  std::vector<std::string> dataDirs;  // $XDG_DATA_DIRS, or /usr/local/share:/usr/share
};

// The folders from the environment, with the freedesktop defaults for unset or empty values.
DesktopPaths DesktopPathsFromEnvironment();

// The crypt type as the desktop knows it.
inline constexpr char kCryptMimeType[] = "application/x-quorvane-crypt";

// The files of the registration, relative to a data folder.
inline constexpr char kDesktopEntryFile[] = "applications/quorvane.desktop";
inline constexpr char kMimePackageFile[] = "mime/packages/quorvane.xml";
inline constexpr char kProgramIconFile[] = "icons/hicolor/scalable/apps/quorvane.svg";
inline constexpr char kDocumentIconFile[] =
    "icons/hicolor/scalable/mimetypes/application-x-quorvane-crypt.svg";

// True when a data folder of the system holds both the desktop entry and the MIME package.
bool IsInstalledSystemWide(const DesktopPaths& paths);

// The user's desktop entry: Exec and TryExec name the program at programPath, quoted by the
// desktop entry rules where needed, and a marker line tells it from an entry the user wrote.
std::string DesktopEntryFor(const std::string& programPath);

struct RegistrationResult {
  bool ok = true;        // every file is in place
  bool changed = false;  // a file was written; the desktop's databases need an update
};

// Writes the desktop entry (naming programPath), the MIME package and the two icons under
// paths.dataHome. Files that already hold the right content are left alone, so a second run
// changes nothing.
RegistrationResult RegisterForCurrentUser(const DesktopPaths& paths,
                                          const std::string& programPath);

// Once the system has the type, a registration of the user's would shadow it (and might name a
// program that is gone): removes the files RegisterForCurrentUser wrote, and nothing the user
// made. True when a file was removed.
bool RemoveShadowingUserRegistration(const DesktopPaths& paths);

// Removes what RegisterForCurrentUser wrote. True when none of the files is left.
bool UnregisterForCurrentUser(const DesktopPaths& paths);

// Rebuilds the MIME and desktop-entry caches under dataHome with the desktop's tools, when they
// are installed. wait = false starts them and returns at once; wait = true returns whether every
// tool that was started ended well.
bool UpdateDesktopDatabases(const std::string& dataHome, bool wait);

}  // namespace quorvane
