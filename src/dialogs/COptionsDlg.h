#pragma once

#include <QDialog>
#include <string>

#include "settings/AppOptions.h"

class QCheckBox;

namespace quorvane {

class SimpleComboBox;

// "Select Encryption and Decryption Options": the eight options, under their profile names.
// Opening shows them (a flag of 1 or 2 checks its box, any other value unchecks it and reads
// as 0; the method selects the first list text it begins, ignoring case); OK takes them back
// as 0 or 1 and the method text as it stands, refusing one longer than 80 characters.
class COptionsDlg : public QDialog {
  Q_OBJECT

 public:
  static constexpr int kMethodLimit = 80;

  explicit COptionsDlg(QWidget* parent = nullptr);

  int AllowNewDecryptionName = 0;
  int AlwaysAskOptions = 0;
  int AlwaysShowStats = 1;
  int DeleteCryptAfterDecryption = 1;
  int ForceCryptToHaveCRPExtention = 0;
  int MarkCryptAsHiddenFile = 0;
  int WipeandDeleteOriginalFile = 0;
  std::string EncryptionMethod;

  // Copies all eight fields from or into an options record.
  void SetOptions(const AppOptions& options);
  AppOptions Options() const;

  int exec() override;

 protected:
  void accept() override;  // OK
  void showEvent(QShowEvent* event) override;

 private:
  struct Flag {
    int COptionsDlg::*field;
    QCheckBox* box;
  };
  void OnInitDialog();

  Flag m_flags[7];
  SimpleComboBox* m_method;
  bool m_initialised = false;
};

}  // namespace quorvane
