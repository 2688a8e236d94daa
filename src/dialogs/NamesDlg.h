#pragma once

#include <QDialog>
#include <QString>
#include <string>

#include "dialogs/FileDialogs.h"

class QLineEdit;
class QPushButton;

namespace quorvane {

// The texts and ids that tell the two file-name dialogs apart.
struct NamesTemplate {
  const char* title;
  const char* sourceLabel;
  const char* targetLabel;
  const char* sourceBrowseTitle;
  const char* targetBrowseTitle;
  const char* sourceEdit;  // object names of the two fields
  const char* targetEdit;
};

// The shape both file-name dialogs share: two fields of at most 255 characters, each with a
// Browse button. The caller may preset m_strSource, runs the dialog and reads both members
// after OK. The members follow the fields only when the dialog takes them in: at opening when
// something was preset or locked, after a Browse that chose a file, and at OK.
class CNamesDlg : public QDialog {
  Q_OBJECT

 public:
  static constexpr int kNameLimit = 255;

  std::string m_strSource;
  std::string m_strTarget;

  int exec() override;

  QLineEdit* SourceField() const { return m_sourceEdit; }
  QLineEdit* TargetField() const { return m_targetEdit; }

 protected:
  CNamesDlg(QWidget* parent, const NamesTemplate& names, FileDialogs& fileDialogs);

  // Puts both members out to their fields.
  void PutFieldsOut();
  // Takes both fields in, the source first; false after a refusal.
  bool TakeFieldsIn();
  // Sets a field, takes both fields in and locks the field and its Browse button.
  void Lock(QLineEdit* field, QPushButton* browse, const QString& text);

  // Runs once, before the dialog is first shown.
  virtual void OnInitDialog() = 0;
  // The name the target Browse offers; none by default.
  virtual QString TargetInitialName() const { return {}; }

  void accept() override;
  void showEvent(QShowEvent* event) override;

  QPushButton* m_sourceBrowse;
  QPushButton* m_targetBrowse;

 private:
  void InitialiseOnce();
  void OnBrowseSource();
  void OnBrowseTarget();

  const NamesTemplate& m_names;
  FileDialogs& m_fileDialogs;
  QLineEdit* m_sourceEdit;
  QLineEdit* m_targetEdit;
  bool m_initialised = false;
};

}  // namespace quorvane
