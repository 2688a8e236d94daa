#include "dialogs/CEncryptNamesDlg.h"

#include "dialogs/TextBytes.h"

namespace quorvane {
namespace {

const NamesTemplate kEncryptNames = {
    "Specify File Names (Encrypting)",
    "File To Be Encrypted:",
    "Name of Encrypted Version Of File:",
    "Select File To Be Encrypted",
    "Select Name To Use For Encrypted File",
    "edit1009",
    "edit1010",
};

}  // namespace

CEncryptNamesDlg::CEncryptNamesDlg(QWidget* parent, FileDialogs& fileDialogs)
    : CNamesDlg(parent, kEncryptNames, fileDialogs) {}

void CEncryptNamesDlg::OnInitDialog() {
  PutFieldsOut();
  if (!m_strSource.empty()) Lock(SourceField(), m_sourceBrowse, NameText(m_strSource));
}

QString CEncryptNamesDlg::TargetInitialName() const {
  return NameText(InitialCryptName(m_strSource));
}

}  // namespace quorvane
