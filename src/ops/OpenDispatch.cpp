#include <array>

#include "format/CryptHeader.h"
#include "ops/Commands.h"
#include "ops/PendingNameGuard.h"
#include "platform/CFile.h"
#include "platform/Desktop.h"

namespace quorvane {

Outcome OnFileOpen(AppState& app, Desktop& desktop) {
  PendingNameGuard clearPending(app);
  desktop.RestoreMainWindow();

  std::array<unsigned char, 4> probe{};
  {
    CFile file;
    if (!file.Open(app.m_strPendingFile, CFile::modeRead | CFile::shareExclusive)) {
      desktop.Message("Unable to open dragged-and-dropped file for processing.", MessageIcon::Stop);
      return Outcome::Failed;
    }
    file.Read(probe.data(), probe.size());
    file.Close();  // before the operation opens it again
  }
  return IsCryptProbe(probe) ? OnFileDecrypt(app, desktop) : OnFileEncrypt(app, desktop);
}

}  // namespace quorvane
