#pragma once

#include <optional>

namespace quorvane {

// The state of the three lock keys, where the platform tells it; nullopt where it does not.
struct LockKeys {
  bool capsLock = false;
  bool numLock = false;
  bool scrollLock = false;
};

// Asks the X server's keyboard extension when the window runs on X11; nullopt elsewhere
// (offscreen, Wayland, a build without X11).
std::optional<LockKeys> QueryLockKeys();

}  // namespace quorvane
