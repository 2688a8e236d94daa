#include "dialogs/CStatsDlg.h"

#include <QLabel>
#include <QPushButton>

#include "dialogs/TextBytes.h"
#include "dialogs/Widgets.h"

namespace quorvane {
namespace {

struct ValueRow {
  const char* labelName;
  const char* label;
  int labelWidth;
  const char* valueName;
  const char* placeholder;
};

const ValueRow kRows[7] = {
    {"labelFor1025", "Crypt Name:", 40, "static1025", "$cryptname$"},
    {"labelFor1026", "Crypt Size (bytes):", 57, "static1026", "$cryptsize$"},
    {"labelFor1027", "Original Name:", 47, "static1027", "$orgname$"},
    {"labelFor1028", "Original Size (bytes):", 64, "static1028", "$orgsize$"},
    {"labelFor1029", "Encryption Method:", 62, "static1029", "$method$"},
    {"labelFor1030", "Header Size:", 42, "static1030", "$hdrsize$"},
    {"labelFor1031", "Quorvane Version:", 57, "static1031", "$version$"},
};

}  // namespace

CStatsDlg::CStatsDlg(QWidget* parent) : QDialog(parent) {
  const DialogUnits units(font());
  SetUpDialog(this, units, 185, 138, QStringLiteral("Encrypted File Information"));

  auto* ok = AddButton(this, units, "IDOK", QStringLiteral("OK"), 145, 7, 31, 14);
  QLabel* intro = AddLabel(
      this, units, "introLabel",
      QStringLiteral("The following information applies for the encrypted file generated:"), 7, 7,
      118, 18);
  intro->setWordWrap(true);
  for (int row = 0; row < 7; ++row) {
    const int y = 30 + 15 * row;
    AddLabel(this, units, kRows[row].labelName, QString::fromLatin1(kRows[row].label), 5, y,
             kRows[row].labelWidth, 8);
  }
  for (int row = 0; row < 7; ++row) {
    const int y = 30 + 15 * row;
    m_values[row] = AddSunkenLabel(this, units, kRows[row].valueName, 90, y, 90, 8);
    m_values[row]->setText(QString::fromLatin1(kRows[row].placeholder));
  }
  ok->setDefault(true);
  ok->setFocus(Qt::OtherFocusReason);
  connect(ok, &QPushButton::clicked, this, &CStatsDlg::accept);
}

int CStatsDlg::exec() {
  OnInitDialog();
  return QDialog::exec();
}

void CStatsDlg::showEvent(QShowEvent* event) {
  OnInitDialog();
  QDialog::showEvent(event);
}

void CStatsDlg::OnInitDialog() {
  const std::string* texts[7] = {&m_strCryptName,    &m_strCryptSize, &m_strOriginalName,
                                 &m_strOriginalSize, &m_strMethod,    &m_strHeaderSize,
                                 &m_strVersion};
  m_values[0]->setText(NameText(m_strCryptName));
  for (int row = 1; row < 7; ++row) m_values[row]->setText(DisplayText(*texts[row]));
}

}  // namespace quorvane
