#pragma once

#include <QIcon>

namespace quorvane {

// The window's icons, drawn as vectors so they stay crisp at every scale: the toolbar buttons
// (16 x 15 at scale 1), the program's icon and the crypt document's icon.
QIcon ToolbarIcon(int commandId);
QIcon ProgramIcon();
QIcon DocumentIcon();

}  // namespace quorvane
