#pragma once

namespace quorvane {

// The command ids of the window. Menu items and toolbar buttons carry theirs in the QAction
// property "commandId", so the routing can be read back from the widgets.
namespace cmd {
inline constexpr int AppAbout = 57664;
inline constexpr int FileEncrypt = 32771;
inline constexpr int FileDecrypt = 32772;
inline constexpr int FileStatistics = 32773;
inline constexpr int FileOptions = 32774;
inline constexpr int FileOpen = 57601;  // the dispatch of a dropped or named file; no item
inline constexpr int FileNew = 57600;
inline constexpr int FilePrintSetup = 57606;
inline constexpr int AppExit = 57665;
inline constexpr int ViewToolbar = 59392;
inline constexpr int ViewStatusBar = 59393;
inline constexpr int HelpFinder = 57667;
inline constexpr int HelpIndex = 57671;
inline constexpr int Help = 57670;
inline constexpr int ContextHelp = 57669;
}  // namespace cmd

// The property name under which a QAction keeps its command id.
inline constexpr char kCommandIdProperty[] = "commandId";

}  // namespace quorvane
