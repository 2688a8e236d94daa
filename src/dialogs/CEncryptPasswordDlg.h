#pragma once

#include <QDialog>
#include <string>

class QLineEdit;

namespace quorvane {

// "Enter Encryption Password": the password twice, masked, at most 32 characters each. OK
// closes only when both entries are present and equal byte for byte.
class CEncryptPasswordDlg : public QDialog {
  Q_OBJECT

 public:
  static constexpr int kPasswordLimit = 32;

  explicit CEncryptPasswordDlg(QWidget* parent = nullptr);

  std::string m_strConfirm;
  std::string m_strPassword;

 protected:
  void accept() override;  // OK

 private:
  bool TakeFieldsIn();

  QLineEdit* m_passwordEdit;
  QLineEdit* m_confirmEdit;
};

}  // namespace quorvane
