#include <new>

#include "ops/Commands.h"
#include "platform/CFileException.h"
#include "platform/Desktop.h"

namespace quorvane {

Outcome RunCommand(Command command, AppState& app, Desktop& desktop) {
  try {
    return command(app, desktop);
  } catch (const CFileException& error) {
    app.m_strPendingFile.clear();
    desktop.ReportFileError(error);
  } catch (const std::bad_alloc&) {
    app.m_strPendingFile.clear();
    desktop.Message("Not enough memory to complete the operation.", MessageIcon::Stop);
  }
  return Outcome::Failed;
}

}  // namespace quorvane
