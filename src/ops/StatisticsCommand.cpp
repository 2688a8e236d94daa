#include <optional>
#include <string>

#include "ops/Commands.h"
#include "ops/PendingNameGuard.h"
#include "platform/Desktop.h"
#include "services/CryptStatistics.h"

namespace quorvane {

Outcome ShowCryptStatistics(const std::string& cryptName, Desktop& desktop) {
  const CryptStatistics statistics = ReadCryptStatistics(cryptName);
  switch (statistics.result) {
    case CryptStatistics::Result::CannotOpen:
      desktop.Message("Unable to open file to read statistics from.", MessageIcon::Stop);
      return Outcome::Failed;
    case CryptStatistics::Result::NotACrypt:
      desktop.Message("The file you selected is not a Quorvane encrypted file.",
                      MessageIcon::Exclamation);
      return Outcome::Refused;
    case CryptStatistics::Result::Ok:
      break;
  }
  desktop.ShowStatistics(statistics.texts);
  return Outcome::Completed;
}

Outcome OnFileStatistics(AppState& app, Desktop& desktop) {
  PendingNameGuard clearPending(app);
  const std::optional<std::string> cryptName = desktop.AskStatisticsFile();
  if (!cryptName) return Outcome::Cancelled;
  return ShowCryptStatistics(*cryptName, desktop);
}

}  // namespace quorvane
