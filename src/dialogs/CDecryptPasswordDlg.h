#pragma once

#include <QDialog>
#include <string>

class QLineEdit;

namespace quorvane {

// "Enter Decryption Password": one masked field of at most 32 characters; OK accepts anything,
// the empty text included.
class CDecryptPasswordDlg : public QDialog {
  Q_OBJECT

 public:
  static constexpr int kPasswordLimit = 32;

  explicit CDecryptPasswordDlg(QWidget* parent = nullptr);

  std::string m_strPassword;

 protected:
  void accept() override;  // OK

 private:
  QLineEdit* m_passwordEdit;
};

}  // namespace quorvane
