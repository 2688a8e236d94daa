#pragma once

namespace quorvane {

// The whole of quorvane-cli: parses the command line, runs the command over each file and
// returns the exit status (0 completed, 1 refused, failed or cancelled, 2 usage).
int RunCli(int argc, char** argv);

}  // namespace quorvane
