#pragma once

#include <QMainWindow>
#include <QPointer>
#include <functional>
#include <string>

#include "app/CQuorvaneDoc.h"

class QAction;
class QLabel;
class QTimer;
class QToolBar;

namespace quorvane {

class CQuorvaneView;
class HelpWindow;

// The main window: menu, toolbar, status bar with the lock-key indicators, the empty client
// area, and the drop target. Commands of the application go to the owner's command handler;
// Exit, the View toggles and help are the window's own.
class CMainFrame : public QMainWindow {
  Q_OBJECT

 public:
  using CommandHandler = std::function<void(int commandId)>;
  using DropHandler = std::function<void(const std::string& fileName)>;

  explicit CMainFrame(CommandHandler onCommand, DropHandler onDropFile, QWidget* parent = nullptr);
  ~CMainFrame() override;

  // The action that carries a command id; nullptr for an id the window does not have.
  QAction* ActionFor(int commandId) const;
  QToolBar* ToolBar() const { return m_toolBar; }
  // The "CAP", "NUM" and "SCRL" panes.
  QLabel* Indicator(int index) const { return m_indicators[index]; }
  QWidget* HelpWindowIfOpen() const;

  // Drops are taken only once start-up has ended.
  void DragAcceptFiles(bool accept) { setAcceptDrops(accept); }

  // Shows the user guide (F1).
  void OnHelp();
  // Reads the lock keys again and lights or greys their panes.
  void UpdateIndicators();

 protected:
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dragMoveEvent(QDragMoveEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  QAction* MakeAction(int commandId, const QString& text);
  void CreateMenus();
  void CreateToolBar();
  void CreateStatusBar();
  void CreateHelpActions();

  CommandHandler m_onCommand;
  DropHandler m_onDropFile;
  CQuorvaneDoc m_document;
  CQuorvaneView* m_view = nullptr;
  QToolBar* m_toolBar = nullptr;
  QLabel* m_indicators[3] = {};
  QTimer* m_indicatorTimer = nullptr;
  QPointer<HelpWindow> m_helpWindow;
};

}  // namespace quorvane
