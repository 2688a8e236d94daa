#include "AppTest.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCoreApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QTimer>
#include <QWidget>
#include <filesystem>

namespace quorvane::test {
namespace {

// One QApplication for the whole test program, made before the first test.
class QtEnvironment : public ::testing::Environment {
 public:
  void SetUp() override {
    static int argc = 1;
    static char name[] = "test_app";
    static char* argv[] = {name, nullptr};
    m_app = std::make_unique<QApplication>(argc, argv);
    QApplication::setApplicationDisplayName(QStringLiteral("Quorvane"));
    QApplication::setQuitOnLastWindowClosed(false);
  }
  void TearDown() override { m_app.reset(); }

 private:
  std::unique_ptr<QApplication> m_app;
};

[[maybe_unused]] const auto* const kEnvironment =
    ::testing::AddGlobalTestEnvironment(new QtEnvironment);

}  // namespace

void ProcessEvents() {
  for (int i = 0; i < 5; ++i) QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
}

struct ModalWatcher::Impl {
  QTimer timer;
  QWidget* handled = nullptr;
};

ModalWatcher::ModalWatcher(Handler handle) : m_impl(std::make_unique<Impl>()) {
  m_impl->timer.setInterval(10);
  QObject::connect(&m_impl->timer, &QTimer::timeout, [this, handle] {
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal || modal == m_impl->handled || !modal->isVisible()) return;
    m_impl->handled = modal;
    m_seen.push_back(Describe(modal));
    handle(modal);
  });
  m_impl->timer.start();
}

ModalWatcher::~ModalWatcher() = default;

void ModalWatcher::Close(QWidget* modal) {
  if (auto* box = qobject_cast<QMessageBox*>(modal)) {
    box->buttons().front()->click();
  } else if (auto* dialog = qobject_cast<QDialog*>(modal)) {
    dialog->reject();
  } else {
    modal->close();
  }
}

std::string ModalWatcher::Describe(QWidget* modal) {
  QString text;
  if (auto* box = qobject_cast<QMessageBox*>(modal)) text = box->text();
  const QString name =
      modal->objectName().isEmpty() ? modal->metaObject()->className() : modal->objectName();
  return (name + " | " + modal->windowTitle() + " | " + text).toStdString();
}

AppTest::AppTest()
    : m_profilePath(m_dir / "config/quorvane/quorvane.ini"),
      m_paths{m_dir / "data", {m_dir / "system"}} {}

AppTest::~AppTest() {
  m_app.reset();
  ProcessEvents();
}

CQuorvaneApp& AppTest::Start(const std::vector<std::string>& parameters, Desktop* desktop) {
  CQuorvaneApp::Setup setup;
  setup.desktop = desktop ? desktop : &m_desktop;
  setup.profilePath = m_profilePath;
  setup.desktopPaths = m_paths;
  setup.programPath = "/opt/quorvane/bin/quorvane";
  setup.updateDesktopDatabases = false;
  m_app = std::make_unique<CQuorvaneApp>(std::move(setup));
  if (m_app->InitInstance(parameters)) {
    QElapsedTimer clock;
    clock.start();
    while (!m_app->StartupFinished() && clock.elapsed() < 10000) ProcessEvents();
    EXPECT_TRUE(m_app->StartupFinished());
  }
  return *m_app;
}

std::string AppTest::MakeFile(const std::string& name, const std::string& bytes) {
  const std::string path = m_dir / name;
  WriteFileBytes(path, bytes);
  return path;
}

void AppTest::WriteProfile(const std::string& text) {
  std::filesystem::create_directories(std::filesystem::path(m_profilePath).parent_path());
  WriteFileBytes(m_profilePath, text);
}

}  // namespace quorvane::test
