#pragma once

#include "dialogs/NamesDlg.h"

namespace quorvane {

// "Specify File Names (Encrypting)": the file to encrypt and the name of its crypt. A preset
// source is shown locked; the target Browse offers a name made from the source.
class CEncryptNamesDlg : public CNamesDlg {
  Q_OBJECT

 public:
  explicit CEncryptNamesDlg(QWidget* parent = nullptr,
                            FileDialogs& fileDialogs = PlatformFileDialogs());

 protected:
  void OnInitDialog() override;
  QString TargetInitialName() const override;
};

}  // namespace quorvane
