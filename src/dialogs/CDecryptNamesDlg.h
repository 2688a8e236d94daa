#pragma once

#include "dialogs/NamesDlg.h"

namespace quorvane {

// "Specify File Names (Decrypting)": the crypt and the name of the decrypted file. Unless new
// names are allowed the target field is locked on a note that the header's name is used; a
// preset source is shown locked.
class CDecryptNamesDlg : public CNamesDlg {
  Q_OBJECT

 public:
  static constexpr char kRestoredName[] = "(Name Restored From Encryption Header)";

  explicit CDecryptNamesDlg(bool allowNewDecryptionName, QWidget* parent = nullptr,
                            FileDialogs& fileDialogs = PlatformFileDialogs());

 protected:
  void OnInitDialog() override;

 private:
  bool m_bAllowNewDecryptionName;
};

}  // namespace quorvane
