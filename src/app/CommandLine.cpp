#include "app/CommandLine.h"

namespace quorvane {
namespace {

using ShellCommand = CommandLineInfo::ShellCommand;

void ParseSwitch(const std::string& name, CommandLineInfo& info) {
  if (name == "p") {
    info.command = ShellCommand::FilePrint;
  } else if (name == "pt") {
    info.command = ShellCommand::FilePrintTo;
  } else if (name == "dde") {
    info.command = ShellCommand::FileDDE;
  } else if (name == "Unregister") {
    info.command = ShellCommand::AppUnregister;
  } else if (name == "Embedding") {
    info.runEmbedded = true;
    info.command = ShellCommand::FileNothing;
  } else if (name == "Automation") {
    info.runAutomation = true;
    info.command = ShellCommand::FileNothing;
  }
}

void ParseName(const std::string& parameter, CommandLineInfo& info) {
  if (info.fileName.empty()) {
    info.fileName = parameter;
  } else if (info.command == ShellCommand::FilePrintTo) {
    if (info.printerName.empty()) {
      info.printerName = parameter;
    } else if (info.driverName.empty()) {
      info.driverName = parameter;
    } else if (info.portName.empty()) {
      info.portName = parameter;
    }
  }
}

}  // namespace

CommandLineInfo ParseCommandLine(const std::vector<std::string>& parameters) {
  CommandLineInfo info;
  bool switchesEnded = false;
  for (const std::string& parameter : parameters) {
    if (!switchesEnded && parameter == "--") {
      switchesEnded = true;
    } else if (!switchesEnded && parameter.size() > 1 && parameter[0] == '-') {
      ParseSwitch(parameter.substr(1), info);
    } else {
      ParseName(parameter, info);
    }
  }
  return info;
}

}  // namespace quorvane
