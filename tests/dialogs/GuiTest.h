#pragma once

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QMessageBox>
#include <QString>
#include <QTimer>
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "dialogs/FileDialogs.h"

class QWidget;

namespace quorvane::test {

// The application object of the GUI tests, made once (offscreen unless a platform is set).
void EnsureGuiApp();

// A fixture that makes sure the application object exists.
class GuiTest : public ::testing::Test {
 protected:
  void SetUp() override { EnsureGuiApp(); }
};

// Drives the modal windows a test opens. Each step waits, polling, until the active modal
// window is the one it expects, then acts on it from the event loop (so a message box the act
// opens can be handled by the next step). A window that is not expected, or a step still
// waiting after a few seconds, fails the test and is closed, so no test hangs.
class ModalScript {
 public:
  using Act = std::function<void(QWidget*)>;

  ModalScript();
  ~ModalScript();  // fails the test when steps are left unused

  // The next modal window is a dialog with this title.
  ModalScript& Dialog(const QString& title, Act act);
  // The next modal window is any window that match accepts (for windows of Qt's own, such as
  // the file dialog and its questions).
  ModalScript& Window(std::function<bool(QWidget*)> match, Act act, std::string what);
  // The next modal window is a message box: records "<icon>: <text>", checks the caption, and
  // presses the button.
  ModalScript& Message(QMessageBox::StandardButton button = QMessageBox::Ok);
  // The next modal window is a message box; act on it after recording it.
  ModalScript& MessageThen(std::function<void(QMessageBox*)> act);

  // Starts polling; call before the first exec().
  void Start();
  bool Done() const { return m_steps.empty(); }
  // What the message boxes said, in order: "critical|warning|information: <text>".
  const std::vector<std::string>& Messages() const { return m_messages; }

 private:
  struct Step {
    std::function<bool(QWidget*)> match;
    Act act;
    std::string what;
  };
  void Poll();
  void GiveUp(QWidget* active, const std::string& why);

  std::deque<Step> m_steps;
  std::vector<std::string> m_messages;
  QTimer m_timer;
  QElapsedTimer m_sinceLastAct;
  bool m_pending = false;
};

// Records the title of every window shown while it lives, in order.
class ShownWindows : public QObject {
 public:
  ShownWindows();
  ~ShownWindows() override;
  const std::vector<std::string>& Titles() const { return m_titles; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  std::vector<std::string> m_titles;
};

// Finds a control by object name; fails the test when there is none.
template <class T>
T* Child(QWidget* parent, const char* name);

// Types into a line edit as a person would (key by key), and clicks a control with the mouse.
void TypeInto(QWidget* parent, const char* editName, const QString& text);
void Click(QWidget* parent, const char* name);
void PressKey(QWidget* target, Qt::Key key);

// The object names of the controls the Tab key visits, in order, starting at first.
std::vector<std::string> TabChain(QWidget* first);

// File dialogs that answer from a queue and keep every request.
class ScriptedFileDialogs : public FileDialogs {
 public:
  ~ScriptedFileDialogs() override;
  void Answer(std::optional<QString> path) { m_answers.push_back(std::move(path)); }
  std::optional<QString> Choose(QWidget* owner, const FileRequest& request) override;
  const std::vector<FileRequest>& Requests() const { return m_requests; }

 private:
  std::deque<std::optional<QString>> m_answers;
  std::vector<FileRequest> m_requests;
};

}  // namespace quorvane::test

#include <QWidget>

template <class T>
T* quorvane::test::Child(QWidget* parent, const char* name) {
  T* child = parent->findChild<T*>(QString::fromLatin1(name));
  EXPECT_NE(child, nullptr) << "no control named " << name;
  return child;
}
