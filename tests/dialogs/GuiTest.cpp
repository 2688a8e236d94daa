#include "GuiTest.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTest>

namespace quorvane::test {
namespace {

constexpr int kPollMilliseconds = 5;
constexpr int kPatienceMilliseconds = 5000;

std::string Utf8(const QString& text) {
  return text.toUtf8().toStdString();
}

std::string IconName(QMessageBox::Icon icon) {
  switch (icon) {
    case QMessageBox::Critical:
      return "critical";
    case QMessageBox::Warning:
      return "warning";
    case QMessageBox::Information:
      return "information";
    default:
      return "other";
  }
}

std::string Describe(QWidget* window) {
  if (!window) return "no modal window";
  if (auto* box = qobject_cast<QMessageBox*>(window)) return "message box: " + Utf8(box->text());
  return "window: " + Utf8(window->windowTitle());
}

}  // namespace

namespace {

// One application object for the whole test program, made before the first test and destroyed
// after the last, before the program's static objects go.
class GuiEnvironment : public ::testing::Environment {
 public:
  void SetUp() override { EnsureGuiApp(); }
  void TearDown() override {
    delete s_app;
    s_app = nullptr;
  }
  static inline QApplication* s_app = nullptr;
};

[[maybe_unused]] const auto* const kEnvironment =
    ::testing::AddGlobalTestEnvironment(new GuiEnvironment);

}  // namespace

void EnsureGuiApp() {
  if (GuiEnvironment::s_app) return;
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  static int argc = 1;
  static char name[] = "test_dialogs";
  static char* argv[] = {name, nullptr};
  GuiEnvironment::s_app = new QApplication(argc, argv);
  // A fixed font, so that the layout does not depend on the machine's desktop settings.
  QApplication::setFont(QFont(QStringLiteral("DejaVu Sans"), 9));
}

ModalScript::ModalScript() {
  m_timer.setInterval(kPollMilliseconds);
  QObject::connect(&m_timer, &QTimer::timeout, [this] { Poll(); });
}

ModalScript::~ModalScript() {
  m_timer.stop();
  for (const Step& step : m_steps) ADD_FAILURE() << "modal window never came: " << step.what;
}

ModalScript& ModalScript::Dialog(const QString& title, Act act) {
  m_steps.push_back({[title](QWidget* window) {
                       return !qobject_cast<QMessageBox*>(window) && window->windowTitle() == title;
                     },
                     std::move(act), "dialog " + Utf8(title)});
  return *this;
}

ModalScript& ModalScript::Window(std::function<bool(QWidget*)> match, Act act, std::string what) {
  m_steps.push_back({std::move(match), std::move(act), std::move(what)});
  return *this;
}

ModalScript& ModalScript::Message(QMessageBox::StandardButton button) {
  return MessageThen([button](QMessageBox* box) {
    QAbstractButton* target = box->button(button);
    EXPECT_NE(target, nullptr) << "message box has no such button";
    if (target) {
      QTest::mouseClick(target, Qt::LeftButton);
    } else {
      box->reject();
    }
  });
}

ModalScript& ModalScript::MessageThen(std::function<void(QMessageBox*)> act) {
  m_steps.push_back({[](QWidget* window) { return qobject_cast<QMessageBox*>(window) != nullptr; },
                     [this, act = std::move(act)](QWidget* window) {
                       auto* box = qobject_cast<QMessageBox*>(window);
                       EXPECT_EQ(Utf8(box->windowTitle()), "Quorvane 1.0");
                       m_messages.push_back(IconName(box->icon()) + ": " + Utf8(box->text()));
                       act(box);
                     },
                     "message box"});
  return *this;
}

void ModalScript::Start() {
  m_sinceLastAct.start();
  m_timer.start();
}

void ModalScript::GiveUp(QWidget* active, const std::string& why) {
  ADD_FAILURE() << why << " (" << Describe(active) << ")";
  m_steps.clear();
  // Close every modal window so the test can end.
  QTimer::singleShot(0, [] {
    while (QWidget* window = QApplication::activeModalWidget()) {
      if (auto* dialog = qobject_cast<QDialog*>(window)) {
        dialog->reject();
        if (dialog->isVisible()) dialog->hide();
      } else {
        window->close();
      }
    }
  });
}

void ModalScript::Poll() {
  if (m_pending) return;
  QWidget* active = QApplication::activeModalWidget();
  if (m_steps.empty()) {
    if (active && m_sinceLastAct.elapsed() > kPatienceMilliseconds)
      GiveUp(active, "modal window left open after the last step");
    return;
  }
  if (active && m_steps.front().match(active)) {
    Step step = std::move(m_steps.front());
    m_steps.pop_front();
    m_pending = true;
    QPointer<QWidget> target(active);
    // Run the act from the event loop, not from this timer, so that a modal window it opens
    // does not block the polling.
    QMetaObject::invokeMethod(
        active,
        [this, target, act = std::move(step.act)] {
          m_pending = false;
          m_sinceLastAct.restart();
          if (target) act(target);
        },
        Qt::QueuedConnection);
    return;
  }
  if (m_sinceLastAct.elapsed() > kPatienceMilliseconds)
    GiveUp(active, "expected " + m_steps.front().what);
}

ShownWindows::ShownWindows() {
  qApp->installEventFilter(this);
}

ShownWindows::~ShownWindows() {
  qApp->removeEventFilter(this);
}

bool ShownWindows::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Show && watched->isWidgetType()) {
    auto* widget = static_cast<QWidget*>(watched);
    if (widget->isWindow()) m_titles.push_back(Utf8(widget->windowTitle()));
  }
  return false;
}

void TypeInto(QWidget* parent, const char* editName, const QString& text) {
  auto* edit = Child<QLineEdit>(parent, editName);
  if (!edit) return;
  for (const QChar ch : text) {
    // Key events that carry the character, as a keyboard layout delivers them; this also
    // covers characters outside ASCII.
    QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(ch));
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(ch));
    QApplication::sendEvent(edit, &press);
    QApplication::sendEvent(edit, &release);
  }
}

void Click(QWidget* parent, const char* name) {
  if (auto* control = Child<QWidget>(parent, name)) QTest::mouseClick(control, Qt::LeftButton);
}

void PressKey(QWidget* target, Qt::Key key) {
  QWidget* receiver = target->focusWidget() ? target->focusWidget() : target;
  QTest::keyClick(receiver, key);
}

std::vector<std::string> TabChain(QWidget* first) {
  std::vector<std::string> names;
  QWidget* widget = first;
  do {
    if (widget->focusPolicy() & Qt::TabFocus) names.push_back(Utf8(widget->objectName()));
    widget = widget->nextInFocusChain();
  } while (widget && widget != first && names.size() < 50);
  return names;
}

ScriptedFileDialogs::~ScriptedFileDialogs() {
  EXPECT_TRUE(m_answers.empty()) << m_answers.size() << " file dialog answers left unused";
}

std::optional<QString> ScriptedFileDialogs::Choose(QWidget*, const FileRequest& request) {
  m_requests.push_back(request);
  if (m_answers.empty()) {
    ADD_FAILURE() << "unexpected file dialog: " << Utf8(request.title);
    return std::nullopt;
  }
  const bool chosen = m_answers.front().has_value();
  const QString path = chosen ? *m_answers.front() : QString();
  m_answers.pop_front();
  if (!chosen) return std::nullopt;
  return path;
}

}  // namespace quorvane::test
