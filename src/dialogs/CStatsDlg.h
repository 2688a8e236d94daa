#pragma once

#include <QDialog>
#include <string>

class QLabel;

namespace quorvane {

// "Encrypted File Information": the seven values of a crypt, filled by the caller before the
// dialog is shown and copied into their controls when it opens. Long values are clipped.
class CStatsDlg : public QDialog {
  Q_OBJECT

 public:
  explicit CStatsDlg(QWidget* parent = nullptr);

  std::string m_strCryptName;
  std::string m_strCryptSize;
  std::string m_strOriginalName;
  std::string m_strOriginalSize;
  std::string m_strMethod;
  std::string m_strHeaderSize;
  std::string m_strVersion;

  int exec() override;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void OnInitDialog();

  QLabel* m_values[7];
};

}  // namespace quorvane
