#pragma once

#include <QDialog>
#include <QString>

namespace quorvane {

// The About box: the document icon, the version line and OK. It returns nothing.
class CAboutDlg : public QDialog {
  Q_OBJECT

 public:
  explicit CAboutDlg(QWidget* parent = nullptr);

  // The version line, with the program's real word size and system.
  static QString VersionLine();
};

}  // namespace quorvane
