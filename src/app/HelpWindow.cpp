#include "app/HelpWindow.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QUrl>

namespace quorvane {

QString HelpFileUrl() {
  const QString installed =
      QCoreApplication::applicationDirPath() + "/../share/quorvane/help/index.html";
  if (QFileInfo(installed).isFile()) {
    return QUrl::fromLocalFile(QFileInfo(installed).canonicalFilePath()).toString();
  }
  return QStringLiteral("qrc:/quorvane/help/index.html");
}

HelpWindow::HelpWindow(QWidget* parent) : QTextBrowser(parent) {
  setObjectName("helpWindow");
  setWindowFlag(Qt::Window);
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowTitle(QStringLiteral("Quorvane Help"));
  setOpenExternalLinks(true);
  resize(640, 560);
  setSource(QUrl(HelpFileUrl()));
}

}  // namespace quorvane
