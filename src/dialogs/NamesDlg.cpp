#include "dialogs/NamesDlg.h"

#include <QLineEdit>
#include <QPushButton>

#include "dialogs/FieldExchange.h"
#include "dialogs/TextBytes.h"
#include "dialogs/Widgets.h"

namespace quorvane {

CNamesDlg::CNamesDlg(QWidget* parent, const NamesTemplate& names, FileDialogs& fileDialogs)
    : QDialog(parent), m_names(names), m_fileDialogs(fileDialogs) {
  const DialogUnits units(font());
  SetUpDialog(this, units, 285, 98, QString::fromLatin1(names.title));

  auto* ok = AddButton(this, units, "IDOK", QStringLiteral("OK"), 200, 80, 35, 14);
  auto* cancel = AddButton(this, units, "IDCANCEL", QStringLiteral("Cancel"), 245, 80, 35, 14);
  AddLabel(this, units, "sourceLabel", QString::fromLatin1(names.sourceLabel), 5, 10, 69, 8);
  m_sourceEdit = AddEdit(this, units, names.sourceEdit, 5, 20, 185, 14);
  AddLabel(this, units, "targetLabel", QString::fromLatin1(names.targetLabel), 5, 45, 111, 8);
  m_targetEdit = AddEdit(this, units, names.targetEdit, 5, 55, 185, 14);
  m_sourceBrowse =
      AddButton(this, units, "button1011", QStringLiteral("Browse..."), 195, 20, 50, 14);
  m_targetBrowse =
      AddButton(this, units, "button1012", QStringLiteral("Browse..."), 195, 55, 50, 14);
  SetTabOrder({ok, cancel, m_sourceEdit, m_targetEdit, m_sourceBrowse, m_targetBrowse});
  ok->setDefault(true);
  ok->setFocus(Qt::OtherFocusReason);

  connect(ok, &QPushButton::clicked, this, &CNamesDlg::accept);
  connect(cancel, &QPushButton::clicked, this, &CNamesDlg::reject);
  connect(m_sourceBrowse, &QPushButton::clicked, this, &CNamesDlg::OnBrowseSource);
  connect(m_targetBrowse, &QPushButton::clicked, this, &CNamesDlg::OnBrowseTarget);
}

int CNamesDlg::exec() {
  InitialiseOnce();
  return QDialog::exec();
}

void CNamesDlg::showEvent(QShowEvent* event) {
  InitialiseOnce();
  QDialog::showEvent(event);
}

void CNamesDlg::InitialiseOnce() {
  if (m_initialised) return;
  m_initialised = true;
  OnInitDialog();
}

void CNamesDlg::PutFieldsOut() {
  PutText(m_sourceEdit, NameText(m_strSource), kNameLimit);
  PutText(m_targetEdit, NameText(m_strTarget), kNameLimit);
}

bool CNamesDlg::TakeFieldsIn() {
  m_strSource = TakeNameBytes(m_sourceEdit->text(), m_strSource);
  if (!CheckLength(this, m_sourceEdit, kNameLimit)) return false;
  m_strTarget = TakeNameBytes(m_targetEdit->text(), m_strTarget);
  return CheckLength(this, m_targetEdit, kNameLimit);
}

void CNamesDlg::Lock(QLineEdit* field, QPushButton* browse, const QString& text) {
  PutText(field, text, kNameLimit);
  TakeFieldsIn();
  field->setEnabled(false);
  browse->setEnabled(false);
}

void CNamesDlg::accept() {
  if (TakeFieldsIn()) QDialog::accept();
}

void CNamesDlg::OnBrowseSource() {
  FileRequest request;
  request.kind = FileRequest::Kind::Open;
  request.title = QString::fromLatin1(m_names.sourceBrowseTitle);
  request.filters = AllFilesFilters();
  if (const auto chosen = m_fileDialogs.Choose(this, request)) {
    PutText(m_sourceEdit, *chosen, kNameLimit);
    TakeFieldsIn();
  }
}

void CNamesDlg::OnBrowseTarget() {
  FileRequest request;
  request.kind = FileRequest::Kind::Save;
  request.title = QString::fromLatin1(m_names.targetBrowseTitle);
  request.filters = CryptFilesFilters();
  request.initialName = TargetInitialName();
  if (const auto chosen = m_fileDialogs.Choose(this, request)) {
    PutText(m_targetEdit, *chosen, kNameLimit);
    TakeFieldsIn();
  }
}

}  // namespace quorvane
