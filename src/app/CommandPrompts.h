#pragma once

#include <string>

namespace quorvane {

// The string table's prompt of a command: the status-bar text, a "\n", then the tooltip.
// Empty for a command without a prompt.
const char* CommandPrompt(int commandId);

// The part before "\n": shown in the status bar while the item is selected or pointed at.
std::string StatusPrompt(int commandId);
// The part after "\n": the toolbar button's tooltip.
std::string ToolTipText(int commandId);

}  // namespace quorvane
