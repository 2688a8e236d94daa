#pragma once

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QString>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/CQuorvaneApp.h"
#include "support/ScriptedDesktop.h"
#include "support/TempDir.h"

class QWidget;

namespace quorvane::test {

// Runs posted events (queued calls, zero timers) until nothing is left to do.
void ProcessEvents();

// Calls handle on every modal window that comes up while it lives, one at a time, from a
// polling timer, so a test can look at a real dialog or message box and close it. What is
// seen is kept in Seen(): "<class or object name> | <title> | <text>" lines.
class ModalWatcher {
 public:
  using Handler = std::function<void(QWidget* modal)>;
  explicit ModalWatcher(Handler handle);
  ~ModalWatcher();
  const std::vector<std::string>& Seen() const { return m_seen; }

  // Closes a message box with its first button, any other dialog with Cancel.
  static void Close(QWidget* modal);
  // The line Seen() holds for a window.
  static std::string Describe(QWidget* modal);

 private:
  struct Impl;
  std::unique_ptr<Impl> m_impl;
  std::vector<std::string> m_seen;
};

// A fresh home for one test: the profile, the user's data folder and an empty list of system
// data folders, all in a temporary folder.
class AppTest : public ::testing::Test {
 protected:
  AppTest();
  ~AppTest() override;

  // Constructs the application over the given desktop (the scripted one unless told
  // otherwise), runs start-up with the parameters and lets the start-up finish.
  CQuorvaneApp& Start(const std::vector<std::string>& parameters, Desktop* desktop = nullptr);
  // A file in the temporary folder with the given bytes; returns its path.
  std::string MakeFile(const std::string& name, const std::string& bytes);
  void WriteProfile(const std::string& text);

  TempDir m_dir;
  std::string m_profilePath;
  DesktopPaths m_paths;
  ScriptedDesktop m_desktop;
  std::unique_ptr<CQuorvaneApp> m_app;
};

// The first four bytes of a crypt made with the Secure method.
inline const std::string kCryptProbe = std::string("AX1") + '\x02';

}  // namespace quorvane::test
