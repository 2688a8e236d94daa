#pragma once

#include "ops/AppState.h"

namespace quorvane {

// Clears the pending file name when the command that holds it ends, on every path, a file error
// passing through included, so that a later command starts with empty dialog fields.
class PendingNameGuard {
 public:
  explicit PendingNameGuard(AppState& app) noexcept : m_app(app) {}
  ~PendingNameGuard() { m_app.m_strPendingFile.clear(); }
  PendingNameGuard(const PendingNameGuard&) = delete;
  PendingNameGuard& operator=(const PendingNameGuard&) = delete;

 private:
  AppState& m_app;
};

}  // namespace quorvane
