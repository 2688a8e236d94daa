#include "app/DesktopRegistration.h"

#include <QFile>
#include <QProcess>
#include <QSaveFile>
#include <QStandardPaths>
#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <system_error>

namespace quorvane {
namespace {

namespace fs = std::filesystem;

// An environment value, or the fallback when it is unset or empty.
std::string EnvOr(const char* name, const std::string& fallback) {
  const char* value = std::getenv(name);
  return value && *value ? std::string(value) : fallback;
}

bool IsAbsolute(const std::string& path) {
  return !path.empty() && path[0] == '/';
}

QString QName(const std::string& bytes) {
  return QFile::decodeName(QByteArray::fromStdString(bytes));
}

QByteArray Resource(const char* name) {
  QFile file(QString(":/quorvane/") + name);
  if (!file.open(QIODevice::ReadOnly)) return {};
  return file.readAll();
}

// One file of the registration: where it goes and what it holds.
struct RegisteredFile {
  const char* relativePath;
  QByteArray content;
};

std::vector<RegisteredFile> RegisteredFiles(const std::string& programPath) {
  return {
      {kDesktopEntryFile, QByteArray::fromStdString(DesktopEntryFor(programPath))},
      {kMimePackageFile, Resource("quorvane.xml")},
      {kProgramIconFile, Resource("icons/quorvane.svg")},
      {kDocumentIconFile, Resource("icons/application-x-quorvane-crypt.svg")},
  };
}

constexpr char kUserEntryMarker[] = "X-Quorvane-User-Registration=true";

const char* const kRelativePaths[] = {kDesktopEntryFile, kMimePackageFile, kProgramIconFile,
                                      kDocumentIconFile};

bool HoldsContent(const std::string& path, const QByteArray& content) {
  QFile file(QName(path));
  return file.open(QIODevice::ReadOnly) && file.readAll() == content;
}

bool WriteContent(const std::string& path, const QByteArray& content) {
  std::error_code error;
  fs::create_directories(fs::path(path).parent_path(), error);
  if (error) return false;
  QSaveFile file(QName(path));
  if (!file.open(QIODevice::WriteOnly)) return false;
  file.write(content);
  return file.commit();
}

// Quotes one argument of an Exec line: reserved characters call for double quotes, inside
// which '"', '`', '$' and '\' take a backslash; '%' is doubled everywhere.
std::string QuoteExecArgument(const std::string& argument) {
  static const std::string reserved = " \t\n\"'\\><~|&;$*?#()`";
  std::string quoted;
  const bool needsQuotes = argument.find_first_of(reserved) != std::string::npos;
  for (char c : argument) {
    if (c == '%') {
      quoted += "%%";
      continue;
    }
    if (needsQuotes && (c == '"' || c == '`' || c == '$' || c == '\\')) quoted += '\\';
    quoted += c;
  }
  return needsQuotes ? '"' + quoted + '"' : quoted;
}

// The string escapes of a desktop entry value: a backslash is written twice.
std::string EscapeValue(const std::string& value) {
  std::string escaped;
  for (char c : value) {
    if (c == '\\') escaped += '\\';
    escaped += c;
  }
  return escaped;
}

bool RunTool(const char* tool, const QStringList& arguments, bool wait) {
  const QString program = QStandardPaths::findExecutable(tool);
  if (program.isEmpty()) return true;  // nothing to update without the tool
  QProcess process;
  process.setProgram(program);
  process.setArguments(arguments);
  if (!wait) {
    // Quiet: the tools' remarks would land on the user's terminal.
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    return process.startDetached();
  }
  process.setProcessChannelMode(QProcess::MergedChannels);
  process.start();
  if (!process.waitForFinished(60000)) {
    process.kill();
    process.waitForFinished();
    return false;
  }
  return process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

}  // namespace

DesktopPaths DesktopPathsFromEnvironment() {
  DesktopPaths paths;
  // Relative paths are invalid in these variables and are ignored.
  const std::string home = EnvOr("HOME", "");
  const std::string dataHome = EnvOr("XDG_DATA_HOME", "");
  if (IsAbsolute(dataHome)) {
    paths.dataHome = dataHome;
  } else if (IsAbsolute(home)) {
    paths.dataHome = home + "/.local/share";
  }
  std::stringstream dirs(EnvOr("XDG_DATA_DIRS", "/usr/local/share:/usr/share"));
  for (std::string dir; std::getline(dirs, dir, ':');) {
    if (IsAbsolute(dir)) paths.dataDirs.push_back(dir);
  }
  return paths;
}

bool IsInstalledSystemWide(const DesktopPaths& paths) {
  for (const std::string& dir : paths.dataDirs) {
    std::error_code error;
    if (fs::is_regular_file(dir + "/" + kDesktopEntryFile, error) &&
        fs::is_regular_file(dir + "/" + kMimePackageFile, error)) {
      return true;
    }
  }
  return false;
}

std::string DesktopEntryFor(const std::string& programPath) {
  std::istringstream lines(Resource("quorvane.desktop").toStdString());
  std::string entry;
  for (std::string line; std::getline(lines, line);) {
    if (line.rfind("Exec=", 0) == 0) {
      line = "Exec=" + EscapeValue(QuoteExecArgument(programPath)) + " %f";
    } else if (line.rfind("TryExec=", 0) == 0) {
      line = "TryExec=" + EscapeValue(programPath);
    }
    entry += line + "\n";
  }
  return entry + kUserEntryMarker + "\n";
}

RegistrationResult RegisterForCurrentUser(const DesktopPaths& paths,
                                          const std::string& programPath) {
  RegistrationResult result;
  // A line break in the path would end the Exec line early and corrupt the entry.
  if (paths.dataHome.empty() || programPath.find_first_of("\r\n") != std::string::npos) {
    result.ok = false;
    return result;
  }
  for (const RegisteredFile& file : RegisteredFiles(programPath)) {
    const std::string path = paths.dataHome + "/" + file.relativePath;
    if (file.content.isEmpty()) {
      result.ok = false;
    } else if (!HoldsContent(path, file.content)) {
      if (WriteContent(path, file.content)) {
        result.changed = true;
      } else {
        result.ok = false;
      }
    }
  }
  return result;
}

bool RemoveShadowingUserRegistration(const DesktopPaths& paths) {
  if (paths.dataHome.empty()) return false;
  bool removed = false;
  for (const RegisteredFile& file : RegisteredFiles("")) {
    const std::string path = paths.dataHome + "/" + file.relativePath;
    QFile existing(QName(path));
    if (!existing.open(QIODevice::ReadOnly)) continue;
    const QByteArray content = existing.readAll();
    existing.close();
    // The entry is ours by its marker (its Exec line varies); the rest by their content.
    const bool ours = file.relativePath == std::string(kDesktopEntryFile)
                          ? content.split('\n').contains(QByteArray(kUserEntryMarker))
                          : content == file.content;
    std::error_code error;
    if (ours && fs::remove(path, error)) removed = true;
  }
  return removed;
}

bool UnregisterForCurrentUser(const DesktopPaths& paths) {
  if (paths.dataHome.empty()) return false;
  bool allRemoved = true;
  for (const char* relativePath : kRelativePaths) {
    const fs::path path = paths.dataHome + "/" + relativePath;
    std::error_code error;
    fs::remove(path, error);
    if (error || fs::exists(fs::symlink_status(path))) allRemoved = false;
  }
  return allRemoved;
}

bool UpdateDesktopDatabases(const std::string& dataHome, bool wait) {
  const QString home = QName(dataHome);
  bool ok = true;
  std::error_code error;
  if (fs::is_directory(dataHome + "/mime", error)) {
    ok = RunTool("update-mime-database", {home + "/mime"}, wait) && ok;
  }
  if (fs::is_directory(dataHome + "/applications", error)) {
    ok = RunTool("update-desktop-database", {"-q", home + "/applications"}, wait) && ok;
  }
  return ok;
}

}  // namespace quorvane
