#include <QApplication>
#include <QFile>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "app/CQuorvaneApp.h"

namespace {

// A window needs an X or Wayland display, unless Qt is told to draw elsewhere (offscreen,
// a framebuffer, VNC).
bool HasDisplay() {
  const auto set = [](const char* name) {
    const char* value = std::getenv(name);
    return value && *value;
  };
  const char* platform = std::getenv("QT_QPA_PLATFORM");
  const std::string chosen = platform ? platform : "";
  if (!chosen.empty() && chosen.rfind("xcb", 0) != 0 && chosen.rfind("wayland", 0) != 0) {
    return true;
  }
  return set("DISPLAY") || set("WAYLAND_DISPLAY");
}

constexpr char kUsage[] =
    "Usage: quorvane [-p | -pt | -dde | -Embedding | -Automation] [--] [FILE]\n"
    "       quorvane -Unregister\n"
    "Opens the Quorvane window; a named FILE is decrypted when it is a crypt and encrypted\n"
    "otherwise. -Unregister removes the desktop registration and the options file.\n"
    "quorvane-cli does the same work from a terminal.\n";

}  // namespace

int main(int argc, char** argv) {
  // The usual answers of a Linux program, which need no display.
  if (argc == 2 && std::string(argv[1]) == "--version") {
    std::printf("quorvane 1.0.0\n");
    return 0;
  }
  if (argc == 2 && std::string(argv[1]) == "--help") {
    std::printf("%s", kUsage);
    return 0;
  }
  if (!HasDisplay()) {
    std::fprintf(stderr,
                 "quorvane: no display found; use quorvane-cli to encrypt and decrypt files "
                 "from a terminal.\n");
    return 1;
  }

  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("quorvane"));
  QApplication::setApplicationDisplayName(QStringLiteral("Quorvane"));
  QApplication::setApplicationVersion(QStringLiteral("1.0"));
  QApplication::setDesktopFileName(QStringLiteral("quorvane"));

  // QApplication has taken its own options out of argv; the rest are ours, as bytes.
  std::vector<std::string> parameters(argv + 1, argv + argc);

  quorvane::CQuorvaneApp::Setup setup;
  setup.programPath = QFile::encodeName(QApplication::applicationFilePath()).toStdString();
  quorvane::CQuorvaneApp app(std::move(setup));
  if (!app.InitInstance(parameters)) return app.ExitStatus();
  return QApplication::exec();
}
