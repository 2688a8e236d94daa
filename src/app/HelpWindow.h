#pragma once

#include <QString>
#include <QTextBrowser>

namespace quorvane {

// The installed user guide, share/quorvane/help/index.html beside the program's bin folder;
// the copy built into the program when no guide is installed there.
QString HelpFileUrl();

// A window that shows the user guide; links to other sites open in the desktop's browser.
class HelpWindow : public QTextBrowser {
  Q_OBJECT

 public:
  explicit HelpWindow(QWidget* parent = nullptr);
};

}  // namespace quorvane
