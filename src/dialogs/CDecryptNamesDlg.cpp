#include "dialogs/CDecryptNamesDlg.h"

#include "dialogs/TextBytes.h"

namespace quorvane {
namespace {

const NamesTemplate kDecryptNames = {
    "Specify File Names (Decrypting)",
    "File To Be Decrypted:",
    "Name of Decrypted Version Of File:",
    "Select File To Be Decrypted",
    "Select Name To Use For Decrypted File",
    "edit1013",
    "edit1014",
};

}  // namespace

CDecryptNamesDlg::CDecryptNamesDlg(bool allowNewDecryptionName, QWidget* parent,
                                   FileDialogs& fileDialogs)
    : CNamesDlg(parent, kDecryptNames, fileDialogs),
      m_bAllowNewDecryptionName(allowNewDecryptionName) {}

void CDecryptNamesDlg::OnInitDialog() {
  PutFieldsOut();
  if (!m_bAllowNewDecryptionName)
    Lock(TargetField(), m_targetBrowse, QString::fromLatin1(kRestoredName));
  if (!m_strSource.empty()) Lock(SourceField(), m_sourceBrowse, NameText(m_strSource));
}

}  // namespace quorvane
