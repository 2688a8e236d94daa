#pragma once

#include <string>

#include "ops/AppState.h"

namespace quorvane {

class Desktop;

// How a command ended, for callers that report it (the CLI's exit status). The window ignores it.
enum class Outcome {
  Completed,  // the operation did all it set out to do
  Cancelled,  // the user cancelled or declined
  Refused,    // a check refused the input (wrong password, not a crypt, empty name, ...)
  Failed,     // an open, create or file error ended it
};

// The five commands and the statistics routine, run on the application state and a desktop.
// Each clears the pending name when it ends, on every path.
Outcome OnFileEncrypt(AppState& app, Desktop& desktop);
Outcome OnFileDecrypt(AppState& app, Desktop& desktop);
Outcome OnFileOpen(AppState& app, Desktop& desktop);
Outcome OnFileStatistics(AppState& app, Desktop& desktop);
Outcome OnFileOptions(AppState& app, Desktop& desktop);
Outcome ShowCryptStatistics(const std::string& cryptName, Desktop& desktop);

using Command = Outcome (*)(AppState& app, Desktop& desktop);

// The command-level guard: runs the command, hands a CFileException to
// Desktop::ReportFileError (and a failed allocation to a stop message), clears the pending name
// and returns Failed for either. The one catch of the program besides the CLI's.
Outcome RunCommand(Command command, AppState& app, Desktop& desktop);

}  // namespace quorvane
