#pragma once

#include <string>
#include <vector>

namespace quorvane {

// What the command line asks the program to do at start-up.
struct CommandLineInfo {
  enum class ShellCommand { FileNew, FilePrint, FilePrintTo, FileDDE, AppUnregister, FileNothing };

  ShellCommand command = ShellCommand::FileNew;
  bool runEmbedded = false;    // -Embedding
  bool runAutomation = false;  // -Automation
  std::string fileName;        // the first parameter that is no switch; bytes as given
  std::string printerName;     // after -pt, the three parameters that follow the file name
  std::string driverName;
  std::string portName;
};

// Parses the parameters after the program's name. Only "-" introduces a switch ("/" begins an
// absolute path); switches are compared exactly: "-p", "-pt", "-dde", "-Embedding",
// "-Automation", "-Unregister". Unknown switches are ignored. "--" ends the switches, so a file
// whose name begins with "-" can still be named.
CommandLineInfo ParseCommandLine(const std::vector<std::string>& parameters);

}  // namespace quorvane
