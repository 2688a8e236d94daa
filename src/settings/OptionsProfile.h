#pragma once

#include <string>

#include "settings/AppOptions.h"

namespace quorvane {

// The INI file that holds the options: $XDG_CONFIG_HOME/quorvane/quorvane.ini, or
// ~/.config/quorvane/quorvane.ini when XDG_CONFIG_HOME is unset or empty.
std::string DefaultProfilePath();

// The profile section "Options": read once at start-up, written only when the options dialog
// closes with OK. An absent file, section or key gives the default.
class OptionsProfile {
 public:
  explicit OptionsProfile(std::string iniPath = DefaultProfilePath());

  AppOptions Load() const;
  // Writes all eight keys, in the order of loading.
  void Save(const AppOptions& options) const;

  const std::string& path() const noexcept { return m_strPath; }

 private:
  std::string m_strPath;
};

}  // namespace quorvane
