#include "dialogs/CEncryptPasswordDlg.h"

#include <QLineEdit>
#include <QPushButton>

#include "dialogs/FieldExchange.h"
#include "dialogs/MessageBoxes.h"
#include "dialogs/TextBytes.h"
#include "dialogs/Widgets.h"

namespace quorvane {

CEncryptPasswordDlg::CEncryptPasswordDlg(QWidget* parent) : QDialog(parent) {
  const DialogUnits units(font());
  SetUpDialog(this, units, 215, 78, QStringLiteral("Enter Encryption Password"));

  auto* ok = AddButton(this, units, "IDOK", QStringLiteral("OK"), 180, 5, 31, 14);
  auto* cancel = AddButton(this, units, "IDCANCEL", QStringLiteral("Cancel"), 180, 25, 31, 14);
  AddLabel(this, units, "passwordLabel",
           QStringLiteral("Enter the password to use to encrypt the file:"), 5, 5, 141, 8);
  m_passwordEdit = AddEdit(this, units, "edit1015", 5, 25, 140, 14);
  AddLabel(this, units, "limitLabel", QStringLiteral("(32 Characters Maximum)"), 5, 15, 80, 8);
  AddLabel(this, units, "confirmLabel", QStringLiteral("Type the password again to confirm:"), 5,
           45, 115, 8);
  m_confirmEdit = AddEdit(this, units, "edit1016", 5, 55, 140, 14);
  SetTabOrder({ok, cancel, m_passwordEdit, m_confirmEdit});

  for (QLineEdit* edit : {m_passwordEdit, m_confirmEdit}) {
    edit->setEchoMode(QLineEdit::Password);
    PutText(edit, QString(), kPasswordLimit);
  }
  ok->setDefault(true);
  ok->setFocus(Qt::OtherFocusReason);
  connect(ok, &QPushButton::clicked, this, &CEncryptPasswordDlg::accept);
  connect(cancel, &QPushButton::clicked, this, &CEncryptPasswordDlg::reject);
}

bool CEncryptPasswordDlg::TakeFieldsIn() {
  m_strConfirm = PasswordBytes(m_confirmEdit->text());
  if (!CheckLength(this, m_confirmEdit, kPasswordLimit)) return false;
  m_strPassword = PasswordBytes(m_passwordEdit->text());
  return CheckLength(this, m_passwordEdit, kPasswordLimit);
}

void CEncryptPasswordDlg::accept() {
  TakeFieldsIn();  // its outcome does not stop the checks below
  if (m_strConfirm.empty() || m_strPassword.empty()) {
    ShowMessage(this, QStringLiteral("You Must Type A Password."), MessageIcon::Exclamation);
    return;
  }
  if (m_strConfirm != m_strPassword) {
    ShowMessage(this, QStringLiteral("Passwords Do Not Match."), MessageIcon::Exclamation);
    return;
  }
  if (TakeFieldsIn()) QDialog::accept();
}

}  // namespace quorvane
