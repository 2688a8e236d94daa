#include "cli/CliMain.h"

#include <algorithm>
#include <cstdio>
#include <exception>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "cli/CommandLine.h"
#include "cli/ConsoleDesktop.h"
#include "cli/ConsoleText.h"
#include "cli/CryptNames.h"
#include "cli/Interrupt.h"
#include "cli/Listings.h"
#include "format/CryptHeader.h"
#include "ops/Commands.h"
#include "ops/CrpExtension.h"
#include "ops/DecryptTarget.h"
#include "ops/HeaderSoundness.h"
#include "platform/CFile.h"
#include "platform/CFileException.h"
#include "settings/OptionsProfile.h"

namespace quorvane {

namespace {

int ExitStatusOf(Outcome outcome) {
  return outcome == Outcome::Completed ? kExitCompleted : kExitNotCompleted;
}

// The options of this run: the profile's, with the flags laid over them. Never written back.
AppOptions RunOptions(const CliRequest& request) {
  AppOptions options = OptionsProfile(DefaultProfilePath()).Load();
  if (request.command == CliRequest::Command::Encrypt) {
    if (request.method) options.EncryptionMethod = *request.method;
    if (request.wipe) options.WipeandDeleteOriginalFile = *request.wipe;
    if (request.hidden) options.MarkCryptAsHiddenFile = *request.hidden;
    if (request.forceCrp) options.ForceCryptToHaveCRPExtention = *request.forceCrp;
    if (request.quiet) options.AlwaysShowStats = 0;
  } else if (request.command == CliRequest::Command::Decrypt) {
    // Without -o the target is the name the crypt records; with it, the name given.
    options.AllowNewDecryptionName = request.output ? 1 : 0;
    if (request.deleteCrypt) options.DeleteCryptAfterDecryption = *request.deleteCrypt;
  }
  return options;
}

// The name the encryption of a source writes its crypt under, without -o: the default name, then
// the .CRP rule when it is set.
std::string CryptNameFor(const std::string& source, const AppOptions& options) {
  const std::string crypt = DefaultCryptName(source);
  return options.ForceCryptToHaveCRPExtention ? ForceCrpExtension(crypt) : crypt;
}

// The file a crypt decrypts to without -o, as the decryption will find it in the header; nullopt
// when the crypt cannot be read or decrypted at all (the decryption then reports why).
std::optional<std::string> TargetNameOf(const std::string& cryptName) {
  try {
    CFile crypt;
    if (!crypt.Open(cryptName, CFile::modeRead | CFile::shareExclusive)) return std::nullopt;
    const CryptHeader header = ReadCryptHeader(crypt);
    if (!HeaderIsDecryptable(header, crypt.GetLength())) return std::nullopt;
    return TargetNameFromHeader(header, cryptName);
  } catch (const CFileException&) {
    return std::nullopt;
  }
}

// Runs the command once per file, each as its own operation, as a drop of that file would.
// A failure does not stop the others; Ctrl-C does. The status is that of the worst.
int RunFiles(Command command, const CliRequest& request, ConsoleDesktop& desktop) {
  const AppOptions options = RunOptions(request);
  const bool several = request.files.size() > 1;
  int status = kExitCompleted;
  // Derived crypt names can coincide (report.txt and report.doc, or any two names under the
  // .CRP rule); a later source must not replace an earlier one's crypt, which after a wipe is
  // the only copy of that file.
  std::vector<std::string> cryptNames;
  // Likewise two crypts can record one name; a later one must not replace the file an earlier
  // one gave back, whose crypt is deleted by default.
  std::vector<std::string> decryptedNames;
  for (std::size_t i = 0; i < request.files.size(); ++i) {
    if (Interrupted()) {
      WriteErrorLine("quorvane-cli: interrupted; " + std::to_string(request.files.size() - i) +
                     " file(s) not handled");
      return kExitNotCompleted;
    }
    const std::string name = AbsoluteName(request.files[i]);
    if (command == OnFileEncrypt && !request.output) {
      const std::string crypt = CryptNameFor(name, options);
      if (std::find(cryptNames.begin(), cryptNames.end(), crypt) != cryptNames.end()) {
        WriteErrorLine("quorvane-cli: " + OneLine(name) + " not encrypted: " + OneLine(crypt) +
                       " is the crypt of an earlier file of this run");
        status = kExitNotCompleted;
        continue;
      }
      cryptNames.push_back(crypt);
    }
    std::optional<std::string> target;
    if (command == OnFileDecrypt && !request.output) {
      target = TargetNameOf(name);
      if (target && std::find(decryptedNames.begin(), decryptedNames.end(), *target) !=
                        decryptedNames.end()) {
        WriteErrorLine("quorvane-cli: " + OneLine(name) + " not decrypted: " + OneLine(*target) +
                       " is the file of an earlier crypt of this run");
        status = kExitNotCompleted;
        continue;
      }
    }
    AppState state;
    state.options = options;
    state.profile = nullptr;
    desktop.SetCurrentFile(name, several);
    if (command != OnFileStatistics) state.m_strPendingFile = name;
    const Outcome outcome = RunCommand(command, state, desktop);
    if (target && outcome == Outcome::Completed) decryptedNames.push_back(*target);
    const int fileStatus = ExitStatusOf(outcome);
    if (fileStatus > status) status = fileStatus;
  }
  return status;
}

int RunRequest(const CliRequest& request) {
  if (request.command == CliRequest::Command::Options) {
    const AppOptions options = OptionsProfile(DefaultProfilePath()).Load();
    WriteOutput(request.json ? OptionsJson(options) : OptionsText(options));
    return kExitCompleted;
  }

  ConsoleSettings settings;
  settings.quiet = request.quiet;
  settings.assumeYes = request.yes;
  settings.collectStatistics = request.command == CliRequest::Command::Stats && request.json;
  settings.password = request.password;
  if (request.output) {
    const std::string target = AbsoluteName(*request.output);
    if (request.command == CliRequest::Command::Encrypt) settings.encryptTarget = target;
    if (request.command == CliRequest::Command::Decrypt) settings.decryptTarget = target;
  }
  ConsoleDesktop desktop(std::move(settings));

  switch (request.command) {
    case CliRequest::Command::Encrypt:
      return RunFiles(OnFileEncrypt, request, desktop);
    case CliRequest::Command::Decrypt:
      return RunFiles(OnFileDecrypt, request, desktop);
    case CliRequest::Command::Stats: {
      const int status = RunFiles(OnFileStatistics, request, desktop);
      if (request.json) {
        WriteOutput(StatisticsListJson(desktop.CollectedStatistics(), request.files.size() > 1));
      }
      return status;
    }
    case CliRequest::Command::Options:
      break;
  }
  return kExitCompleted;
}

}  // namespace

int RunCli(int argc, char** argv) {
  // Before anything else, so that Ctrl-C is a Cancel from the first moment on.
  InstallInterruptHandlers();
  std::variant<CliRequest, int> parsed = ParseCommandLine(argc, argv);
  if (const int* status = std::get_if<int>(&parsed)) return *status;
  try {
    const int status = RunRequest(std::get<CliRequest>(parsed));
    std::fflush(stdout);
    return status;
  } catch (const std::exception& error) {
    // RunCommand reports file errors itself; this is anything else that ended the run.
    WriteErrorLine(std::string("quorvane-cli: ") + error.what());
    return kExitNotCompleted;
  }
}

}  // namespace quorvane
