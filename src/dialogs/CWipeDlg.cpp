#include "dialogs/CWipeDlg.h"

#include <QLabel>
#include <QProgressBar>

#include "dialogs/MeterPlacement.h"
#include "dialogs/TextBytes.h"
#include "dialogs/Widgets.h"

namespace quorvane {

CWipeDlg::CWipeDlg(QWidget* mainWindow)
    : QDialog(nullptr, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint),
      m_mainWindow(mainWindow) {
  setModal(false);
  const DialogUnits units(font());
  SetUpDialog(this, units, 189, 38, QStringLiteral("Wiping Original File"));
  m_bar = new QProgressBar(this);
  Place(m_bar, units, "progress1023", 10, 17, 170, 14);
  m_bar->setTextVisible(false);
  m_pass = AddLabel(this, units, "static1024", QStringLiteral("Pass X"), 83, 7, 23, 8);
}

void CWipeDlg::Begin() {
  m_bar->setRange(0, 100);
  m_bar->setValue(0);
  ShowMeter(this, m_mainWindow);
  SetPassLabel("Pass 1");
}

void CWipeDlg::SetBar(int position) {
  m_bar->setValue(position);
  repaint();
}

void CWipeDlg::SetPassLabel(const std::string& text) {
  m_pass->setText(DisplayText(text));
  repaint();
}

void CWipeDlg::Close() {
  hide();
}

}  // namespace quorvane
