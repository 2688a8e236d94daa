#include "ops/Commands.h"
#include "ops/PendingNameGuard.h"
#include "platform/Desktop.h"
#include "settings/OptionsProfile.h"

namespace quorvane {

Outcome OnFileOptions(AppState& app, Desktop& desktop) {
  PendingNameGuard clearPending(app);
  AppOptions edited = app.options;
  if (!desktop.EditOptions(edited)) return Outcome::Cancelled;
  app.options = edited;
  // All eight, even when nothing changed.
  if (app.profile) app.profile->Save(app.options);
  return Outcome::Completed;
}

}  // namespace quorvane
