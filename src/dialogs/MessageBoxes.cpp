#include "dialogs/MessageBoxes.h"

#include <QMessageBox>

namespace quorvane {
namespace {

QMessageBox::Icon QtIcon(MessageIcon icon) {
  switch (icon) {
    case MessageIcon::Stop:
      return QMessageBox::Critical;
    case MessageIcon::Exclamation:
      return QMessageBox::Warning;
    case MessageIcon::Information:
      return QMessageBox::Information;
  }
  return QMessageBox::NoIcon;
}

}  // namespace

void ShowMessage(QWidget* owner, const QString& text, MessageIcon icon) {
  QMessageBox box(QtIcon(icon), QString::fromLatin1(kApplicationTitle), text, QMessageBox::Ok,
                  owner);
  box.setObjectName(QStringLiteral("messageBox"));
  box.setTextFormat(Qt::PlainText);
  box.exec();
}

bool AskOkCancel(QWidget* owner, const QString& text) {
  QMessageBox box(QMessageBox::Warning, QString::fromLatin1(kApplicationTitle), text,
                  QMessageBox::Ok | QMessageBox::Cancel, owner);
  box.setObjectName(QStringLiteral("messageBox"));
  box.setTextFormat(Qt::PlainText);
  box.setDefaultButton(QMessageBox::Ok);
  box.setEscapeButton(QMessageBox::Cancel);
  return box.exec() == QMessageBox::Ok;
}

void RefuseTooLong(QWidget* owner, int maxCharacters) {
  ShowMessage(owner, QStringLiteral("Please enter no more than %1 characters.").arg(maxCharacters),
              MessageIcon::Exclamation);
}

}  // namespace quorvane
