#include "app/CAboutDlg.h"

#include <QLabel>
#include <QPushButton>

#include "app/IconArt.h"
#include "dialogs/Widgets.h"

namespace quorvane {

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent) {
  setObjectName("CAboutDlg");
  const DialogUnits units(font());
  SetUpDialog(this, units, 275, 53, QStringLiteral("About Quorvane 1.0"));

  auto* icon = new QLabel(this);
  Place(icon, units, "icon129", 11, 17, 20, 20);
  const QSize iconSize(32, 32);
  icon->setPixmap(DocumentIcon().pixmap(iconSize, devicePixelRatioF()));
  icon->setAlignment(Qt::AlignCenter);

  AddLabel(this, units, "static1", VersionLine(), 40, 10, 170, 8);

  QPushButton* ok = AddButton(this, units, "IDOK", QStringLiteral("OK"), 218, 7, 50, 14);
  ok->setDefault(true);
  ok->setFocus();
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

QString CAboutDlg::VersionLine() {
  return QStringLiteral("Quorvane Version 1.0 %1 bit for Linux").arg(sizeof(void*) * 8);
}

}  // namespace quorvane
