#include "app/CommandPrompts.h"

#include "app/CommandIds.h"

namespace quorvane {

const char* CommandPrompt(int commandId) {
  switch (commandId) {
    case cmd::FileEncrypt:
      return "Select A File To Be Encrypted Using Current Options\nEncrypt";
    case cmd::FileDecrypt:
      return "Select A File To Be Decrypted Using Current Options\nDecrypt";
    case cmd::FileStatistics:
      return "Display Encrypted File Statistics\nStats";
    case cmd::FileOptions:
      return "Select Encryption and Decryption Options\nOptions";
    case cmd::AppAbout:
      return "Display program information, version number and copyright\nAbout";
    case cmd::AppExit:
      return "Quit the application.\nExit";
    case cmd::ViewToolbar:
      return "Show or hide the toolbar\nToggle ToolBar";
    case cmd::ViewStatusBar:
      return "Show or hide the status bar\nToggle StatusBar";
    default:
      return "";
  }
}

std::string StatusPrompt(int commandId) {
  std::string prompt = CommandPrompt(commandId);
  return prompt.substr(0, prompt.find('\n'));
}

std::string ToolTipText(int commandId) {
  std::string prompt = CommandPrompt(commandId);
  const auto newline = prompt.find('\n');
  return newline == std::string::npos ? std::string() : prompt.substr(newline + 1);
}

}  // namespace quorvane
