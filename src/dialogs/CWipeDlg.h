#pragma once

#include <QDialog>
#include <QPointer>
#include <string>

#include "platform/ProgressMeter.h"

class QLabel;
class QProgressBar;

namespace quorvane {

// "Wiping Original File": the meter of the wipe, with a pass label and a bar and no button. It
// runs no events; every change is painted at once.
class CWipeDlg : public QDialog, public WipeMeter {
  Q_OBJECT

 public:
  // The meter is owned by the main window (nullptr for none).
  explicit CWipeDlg(QWidget* mainWindow = nullptr);

  void Begin() override;
  void SetBar(int position) override;
  void SetPassLabel(const std::string& text) override;
  void Close() override;

 protected:
  void reject() override {}  // the wipe cannot be interrupted: Esc and the close box do nothing

 private:
  QPointer<QWidget> m_mainWindow;
  QProgressBar* m_bar;
  QLabel* m_pass;
};

}  // namespace quorvane
