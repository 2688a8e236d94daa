#include "dialogs/CProgressDlg.h"

#include <QCoreApplication>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>

#include "dialogs/MeterPlacement.h"
#include "dialogs/TextBytes.h"
#include "dialogs/Widgets.h"

namespace quorvane {

CProgressDlg::CProgressDlg(QWidget* mainWindow)
    : QDialog(nullptr, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                           Qt::WindowCloseButtonHint),
      m_mainWindow(mainWindow) {
  setModal(false);
  const DialogUnits units(font());
  SetUpDialog(this, units, 255, 88, QStringLiteral("Operation Progress Meter"));

  m_cancel = AddButton(this, units, "IDCANCEL", QStringLiteral("Cancel"), 210, 5, 36, 14);
  m_caption = AddLabel(this, units, "static1017", QStringLiteral("Encrypting/Decrypting File:"), 10,
                       5, 86, 8);
  m_source = AddLabel(this, units, "static1018", QStringLiteral("$$$INFILENAME"), 10, 15, 190, 8);
  AddLabel(this, units, "toFileLabel", QStringLiteral("To File:"), 10, 30, 24, 8);
  m_target = AddLabel(this, units, "static1021", QStringLiteral("$$$OUTFILENAME"), 10, 40, 190, 8);
  m_bar = new QProgressBar(this);
  Place(m_bar, units, "progress1019", 10, 70, 235, 10);
  m_bar->setTextVisible(false);
  m_method =
      AddLabel(this, units, "static1020", QStringLiteral("Using *Crypt* Method"), 10, 55, 235, 8);
  m_method->setAlignment(Qt::AlignCenter);
  m_method->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  for (QLabel* label : {m_caption, m_source, m_target, m_method})
    label->setMaximumSize(label->size());  // long paths are clipped, never widen the meter

  m_cancel->setDefault(true);
  m_cancel->setFocus(Qt::OtherFocusReason);
  connect(m_cancel, &QPushButton::clicked, this, &CProgressDlg::reject);
}

void CProgressDlg::Begin(const std::string& caption, const std::string& sourcePath,
                         const std::string& targetPath, const std::string& methodLine) {
  m_caption->setText(DisplayText(caption));
  m_source->setText(NameText(sourcePath));
  m_target->setText(NameText(targetPath));
  m_method->setText(DisplayText(methodLine));
  m_bar->setRange(0, 100);
  m_bar->setValue(0);
  ShowMeter(this, m_mainWindow);
}

void CProgressDlg::SetPercent(int percent) {
  m_bar->setValue(percent);
  // One bounded pass over pending events, so the copy always resumes.
  QCoreApplication::processEvents(QEventLoop::AllEvents, kPumpMilliseconds);
}

void CProgressDlg::DestroyWindow() {
  hide();
}

void CProgressDlg::reject() {
  m_bCancel = 1;
}

}  // namespace quorvane
