#pragma once

#include <string>

#include "settings/AppOptions.h"

namespace quorvane {

class OptionsProfile;

// The state that outlives a command: the options and the pending file name. The window's
// application object owns one; the CLI fills one from the profile and its flags.
struct AppState {
  AppOptions options;
  std::string m_strPendingFile;
  // Where the Options command writes the options on OK; nullptr writes nothing.
  const OptionsProfile* profile = nullptr;
};

}  // namespace quorvane
