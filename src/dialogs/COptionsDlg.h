#pragma once

#include <QDialog>

#include "settings/AppOptions.h"

class QCheckBox;

namespace quorvane {

class SimpleComboBox;

// "Select Encryption and Decryption Options": the eight options, under their profile names.
// Opening shows them (a flag of 1 or 2 checks its box, any other value unchecks it and reads
// as 0; the method selects the first list text it begins, ignoring case); OK takes them back
// as 0 or 1 and the method text as it stands, refusing one longer than 80 characters.
// The dialog holds its own copy of the eight fields, under their profile names (the AppOptions
// base); the constructor gives the defaults with an empty method text.
class COptionsDlg : public QDialog, public AppOptions {
  Q_OBJECT

 public:
  static constexpr int kMethodLimit = 80;

  explicit COptionsDlg(QWidget* parent = nullptr);

  // Copies all eight fields from or into an options record.
  void SetOptions(const AppOptions& options) { static_cast<AppOptions&>(*this) = options; }
  AppOptions Options() const { return static_cast<const AppOptions&>(*this); }

  int exec() override;

 protected:
  void accept() override;  // OK
  void showEvent(QShowEvent* event) override;

 private:
  struct Flag {
    int AppOptions::*field;
    QCheckBox* box;
  };
  void OnInitDialog();

  Flag m_flags[7];
  SimpleComboBox* m_method;
  bool m_initialised = false;
};

}  // namespace quorvane
