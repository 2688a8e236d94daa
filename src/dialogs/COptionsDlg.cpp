#include "dialogs/COptionsDlg.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <iterator>
#include <string_view>
#include <utility>

#include "dialogs/FieldExchange.h"
#include "dialogs/SimpleComboBox.h"
#include "dialogs/TextBytes.h"
#include "dialogs/Widgets.h"
#include "settings/OptionKeys.h"

namespace quorvane {
namespace {

QCheckBox* AddCheckBox(QWidget* dialog, const DialogUnits& units, const char* objectName,
                       const char* text, int x, int y, int width, int height) {
  auto* box = new QCheckBox(QString::fromLatin1(text), dialog);
  Place(box, units, objectName, x, y, width, height);
  FitWidthToText(box, units);
  return box;
}

}  // namespace

COptionsDlg::COptionsDlg(QWidget* parent) : QDialog(parent) {
  const DialogUnits units(font());
  SetUpDialog(this, units, 295, 143, QStringLiteral("Select Encryption and Decryption Options"));

  auto* ok = AddButton(this, units, "IDOK", QStringLiteral("OK"), 250, 5, 36, 14);
  auto* cancel = AddButton(this, units, "IDCANCEL", QStringLiteral("Cancel"), 250, 20, 36, 14);
  Place(new QGroupBox(QStringLiteral("Encryption Options"), this), units, "encryptionGroup", 10, 5,
        230, 70);
  Place(new QGroupBox(QStringLiteral("Decryption Options"), this), units, "decryptionGroup", 10, 85,
        230, 35);
  auto* ask = AddCheckBox(this, units, "check1000",
                          "Bring up this dialog every time you Encrypt or Decrypt a file", 47, 125,
                          200, 10);
  m_method = new SimpleComboBox(this);
  Place(m_method, units, "combo1002", 15, 30, 85, 40);
  m_method->Edit()->setObjectName(QStringLiteral("combo1002edit"));
  m_method->List()->setObjectName(QStringLiteral("combo1002list"));
  AddLabel(this, units, "methodLabel", QStringLiteral("Encryption Method:"), 15, 20, 62, 8);
  auto* wipe =
      AddCheckBox(this, units, "check1003", "Wipe and Delete Original File", 115, 20, 107, 10);
  auto* hidden =
      AddCheckBox(this, units, "check1004", "Mark Encrypted File as Hidden", 115, 30, 113, 10);
  auto* force = AddCheckBox(this, units, "check1005", "Force .CRP Extention", 115, 40, 84, 10);
  auto* remove =
      AddCheckBox(this, units, "check1006", "Delete Encrypted File When Done", 20, 95, 124, 10);
  auto* allowNew =
      AddCheckBox(this, units, "check1007",
                  "Allow Decryption To File With Different Name Than Original", 20, 105, 202, 10);
  auto* stats = AddCheckBox(this, units, "check1008", "Show Stats When Complete", 115, 50, 105, 10);
  SetTabOrder({ok, cancel, ask, m_method->Edit(), wipe, hidden, force, remove, allowNew, stats});

  // The check box of each flag, by its profile key; the key table gives the fields and their order.
  const std::pair<std::string_view, QCheckBox*> boxes[] = {
      {"AllowNewDecryptionName", allowNew},
      {"AlwaysAskOptions", ask},
      {"AlwaysShowStats", stats},
      {"DeleteCryptAfterDecryption", remove},
      {"ForceCryptToHaveCRPExtention", force},
      {"MarkCryptAsHiddenFile", hidden},
      {"WipeandDeleteOriginalFile", wipe},
  };
  std::size_t flags = 0;
  for (const OptionKey& key : kOptionKeys) {
    if (key.type != OptionKey::Type::Flag) continue;
    for (const auto& [name, box] : boxes) {
      if (name == key.name) m_flags[flags++] = {key.flag, box};
    }
  }
  Q_ASSERT(flags == std::size(m_flags));
  EncryptionMethod.clear();

  ok->setDefault(true);
  ok->setFocus(Qt::OtherFocusReason);
  connect(ok, &QPushButton::clicked, this, &COptionsDlg::accept);
  connect(cancel, &QPushButton::clicked, this, &COptionsDlg::reject);
}

int COptionsDlg::exec() {
  OnInitDialog();
  return QDialog::exec();
}

void COptionsDlg::showEvent(QShowEvent* event) {
  OnInitDialog();
  QDialog::showEvent(event);
}

void COptionsDlg::OnInitDialog() {
  if (m_initialised) return;
  m_initialised = true;
  m_method->AddItems({QStringLiteral("Quick"), QStringLiteral("Secure"), QStringLiteral("Maximum"),
                      QStringLiteral("Trashed (See Help)")});
  for (Flag& flag : m_flags) {
    int& value = this->*flag.field;
    flag.box->setChecked(value == 1 || value == 2);
    if (value != 0 && value != 1 && value != 2) value = 0;
  }
  const QString method = DisplayText(EncryptionMethod);
  const int index = m_method->FindPrefix(method);
  if (index >= 0) {
    PutText(m_method->Edit(), QString(), kMethodLimit);
    m_method->SetCurrentIndex(index);
  } else {
    PutText(m_method->Edit(), method, kMethodLimit);
    m_method->SetCurrentIndex(-1);
  }
}

void COptionsDlg::accept() {
  for (const Flag& flag : m_flags) this->*flag.field = flag.box->isChecked() ? 1 : 0;
  EncryptionMethod = TakeTextBytes(m_method->Text(), EncryptionMethod);
  if (!CheckLength(this, m_method->Edit(), kMethodLimit)) return;
  QDialog::accept();
}

}  // namespace quorvane
