#pragma once

#include <QDialog>
#include <QPointer>
#include <string>

#include "platform/ProgressMeter.h"

class QLabel;
class QProgressBar;
class QPushButton;

namespace quorvane {

// "Operation Progress Meter": the modeless meter of the method routines. It names the
// operation, the two files and the method, moves its bar from 0 to 100, and lets pending
// events run on every SetPercent. Cancel, Esc and the close box only raise m_bCancel; the
// window stays until DestroyWindow.
class CProgressDlg : public QDialog, public ProgressMeter {
  Q_OBJECT

 public:
  // How long one pump may run pending events, in milliseconds.
  static constexpr int kPumpMilliseconds = 10;

  // The meter is owned by the main window (nullptr for none).
  explicit CProgressDlg(QWidget* mainWindow = nullptr);

  int m_bCancel = 0;

  void Begin(const std::string& caption, const std::string& sourcePath,
             const std::string& targetPath, const std::string& methodLine) override;
  void SetPercent(int percent) override;
  bool IsCancelled() const override { return m_bCancel == 1; }
  void DestroyWindow() override;

 protected:
  void reject() override;  // OnCancel

 private:
  QPointer<QWidget> m_mainWindow;
  QPushButton* m_cancel;
  QLabel* m_caption;
  QLabel* m_source;
  QLabel* m_target;
  QLabel* m_method;
  QProgressBar* m_bar;
};

}  // namespace quorvane
