#include "dialogs/CDecryptPasswordDlg.h"

#include <QLineEdit>
#include <QPushButton>

#include "dialogs/FieldExchange.h"
#include "dialogs/TextBytes.h"
#include "dialogs/Widgets.h"

namespace quorvane {

CDecryptPasswordDlg::CDecryptPasswordDlg(QWidget* parent) : QDialog(parent) {
  const DialogUnits units(font());
  SetUpDialog(this, units, 215, 43, QStringLiteral("Enter Decryption Password"));

  auto* ok = AddButton(this, units, "IDOK", QStringLiteral("OK"), 180, 5, 31, 14);
  auto* cancel = AddButton(this, units, "IDCANCEL", QStringLiteral("Cancel"), 180, 20, 31, 14);
  AddLabel(this, units, "passwordLabel",
           QStringLiteral("Enter the password required to decrypt the file:"), 5, 5, 151, 8);
  m_passwordEdit = AddEdit(this, units, "edit1022", 5, 15, 140, 14);
  SetTabOrder({ok, cancel, m_passwordEdit});

  m_passwordEdit->setEchoMode(QLineEdit::Password);
  PutText(m_passwordEdit, QString(), kPasswordLimit);
  ok->setDefault(true);
  ok->setFocus(Qt::OtherFocusReason);
  connect(ok, &QPushButton::clicked, this, &CDecryptPasswordDlg::accept);
  connect(cancel, &QPushButton::clicked, this, &CDecryptPasswordDlg::reject);
}

void CDecryptPasswordDlg::accept() {
  m_strPassword = PasswordBytes(m_passwordEdit->text());
  if (CheckLength(this, m_passwordEdit, kPasswordLimit)) QDialog::accept();
}

}  // namespace quorvane
