#include "app/CMainFrame.h"

#include <QAction>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>

#include "app/CQuorvaneView.h"
#include "app/CommandIds.h"
#include "app/CommandPrompts.h"
#include "app/DroppedFiles.h"
#include "app/HelpWindow.h"
#include "app/IconArt.h"
#include "app/LockKeys.h"

namespace quorvane {
namespace {

constexpr const char* kIndicatorTexts[] = {"CAP", "NUM", "SCRL"};
constexpr int kIndicatorPollMs = 250;

}  // namespace

CMainFrame::CMainFrame(CommandHandler onCommand, DropHandler onDropFile, QWidget* parent)
    : QMainWindow(parent), m_onCommand(std::move(onCommand)), m_onDropFile(std::move(onDropFile)) {
  setObjectName("CMainFrame");
  setWindowTitle(QString::fromStdString(FrameCaption(m_document)));
  setWindowIcon(ProgramIcon());
  m_view = new CQuorvaneView(this);
  setCentralWidget(m_view);
  CreateToolBar();
  CreateStatusBar();
  CreateMenus();
  CreateHelpActions();
  resize(480, 320);
}

CMainFrame::~CMainFrame() = default;

QAction* CMainFrame::MakeAction(int commandId, const QString& text) {
  auto* action = new QAction(text, this);
  action->setProperty(kCommandIdProperty, commandId);
  action->setObjectName(QStringLiteral("command%1").arg(commandId));
  action->setStatusTip(QString::fromStdString(StatusPrompt(commandId)));
  action->setToolTip(QString::fromStdString(ToolTipText(commandId)));
  action->setIcon(ToolbarIcon(commandId));
  action->setIconVisibleInMenu(false);
  return action;
}

QAction* CMainFrame::ActionFor(int commandId) const {
  for (QAction* action : findChildren<QAction*>()) {
    if (action->property(kCommandIdProperty).toInt() == commandId) return action;
  }
  return nullptr;
}

void CMainFrame::CreateToolBar() {
  m_toolBar = new QToolBar(QStringLiteral("Toolbar"), this);
  m_toolBar->setObjectName("toolbar");
  m_toolBar->setIconSize(QSize(16, 15));
  m_toolBar->setMovable(true);
  m_toolBar->setAllowedAreas(Qt::AllToolBarAreas);
  addToolBar(Qt::TopToolBarArea, m_toolBar);
}

void CMainFrame::CreateStatusBar() {
  QStatusBar* bar = statusBar();
  bar->setObjectName("statusbar");
  auto* idle = new QLabel(QStringLiteral("Ready"), bar);
  idle->setObjectName("messagePane");
  bar->addWidget(idle, 1);
  for (int i = 0; i < 3; ++i) {
    auto* pane = new QLabel(QString::fromLatin1(kIndicatorTexts[i]), bar);
    pane->setObjectName(QStringLiteral("indicator%1").arg(kIndicatorTexts[i]));
    pane->setAlignment(Qt::AlignCenter);
    pane->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    pane->setMinimumWidth(pane->fontMetrics().horizontalAdvance(QStringLiteral("SCRL")) + 8);
    bar->addPermanentWidget(pane);
    m_indicators[i] = pane;
  }
  m_indicatorTimer = new QTimer(this);
  connect(m_indicatorTimer, &QTimer::timeout, this, &CMainFrame::UpdateIndicators);
  m_indicatorTimer->start(kIndicatorPollMs);
  UpdateIndicators();
}

void CMainFrame::CreateMenus() {
  auto route = [this](QAction* action) {
    const int id = action->property(kCommandIdProperty).toInt();
    connect(action, &QAction::triggered, this, [this, id] { m_onCommand(id); });
    return action;
  };

  QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
  file->setObjectName("menuFile");
  QAction* encrypt = route(MakeAction(cmd::FileEncrypt, QStringLiteral("&Encrypt...")));
  QAction* decrypt = route(MakeAction(cmd::FileDecrypt, QStringLiteral("&Decrypt...")));
  QAction* stats = route(MakeAction(cmd::FileStatistics, QStringLiteral("&Statistics...")));
  QAction* options = route(MakeAction(cmd::FileOptions, QStringLiteral("&Options...")));
  QAction* exit = MakeAction(cmd::AppExit, QStringLiteral("E&xit"));
  connect(exit, &QAction::triggered, this, &QWidget::close);
  file->addActions({encrypt, decrypt});
  file->addSeparator();
  file->addActions({stats, options});
  file->addSeparator();
  file->addAction(exit);

  QMenu* view = menuBar()->addMenu(QStringLiteral("&View"));
  view->setObjectName("menuView");
  // The toolbar's own toggle follows the toolbar however it is shown or hidden.
  QAction* toolbar = m_toolBar->toggleViewAction();
  toolbar->setText(QStringLiteral("&Toolbar"));
  toolbar->setProperty(kCommandIdProperty, cmd::ViewToolbar);
  toolbar->setObjectName(QStringLiteral("command%1").arg(cmd::ViewToolbar));
  toolbar->setStatusTip(QString::fromStdString(StatusPrompt(cmd::ViewToolbar)));
  toolbar->setToolTip(QString::fromStdString(ToolTipText(cmd::ViewToolbar)));
  QAction* statusBarToggle = MakeAction(cmd::ViewStatusBar, QStringLiteral("&Status Bar"));
  statusBarToggle->setCheckable(true);
  statusBarToggle->setChecked(true);
  connect(statusBarToggle, &QAction::toggled, statusBar(), &QWidget::setVisible);
  view->addActions({toolbar, statusBarToggle});

  QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
  help->setObjectName("menuHelp");
  help->addAction(route(MakeAction(cmd::AppAbout, QStringLiteral("&About Quorvane..."))));

  m_toolBar->addActions({encrypt, decrypt});
  m_toolBar->addSeparator();
  m_toolBar->addActions({stats, options});
  m_toolBar->addSeparator();
  m_toolBar->addAction(exit);
}

void CMainFrame::CreateHelpActions() {
  // Reached by the keyboard only, as no menu item carries them.
  struct HelpKey {
    int id;
    QKeySequence key;
  };
  for (const HelpKey& entry : {HelpKey{cmd::Help, QKeySequence(Qt::Key_F1)},
                               HelpKey{cmd::ContextHelp, QKeySequence(Qt::SHIFT | Qt::Key_F1)}}) {
    auto* action = new QAction(this);
    action->setProperty(kCommandIdProperty, entry.id);
    action->setObjectName(QStringLiteral("command%1").arg(entry.id));
    action->setShortcut(entry.key);
    action->setShortcutContext(Qt::ApplicationShortcut);
    connect(action, &QAction::triggered, this, &CMainFrame::OnHelp);
    addAction(action);
  }
}

QWidget* CMainFrame::HelpWindowIfOpen() const {
  return m_helpWindow.data();
}

void CMainFrame::OnHelp() {
  if (!m_helpWindow) m_helpWindow = new HelpWindow(this);
  m_helpWindow->show();
  m_helpWindow->raise();
  m_helpWindow->activateWindow();
}

void CMainFrame::UpdateIndicators() {
  const std::optional<LockKeys> keys = QueryLockKeys();
  const bool lit[] = {keys && keys->capsLock, keys && keys->numLock, keys && keys->scrollLock};
  for (int i = 0; i < 3; ++i) m_indicators[i]->setEnabled(lit[i]);
}

void CMainFrame::dragEnterEvent(QDragEnterEvent* event) {
  if (event->mimeData() && FirstDroppedFile(*event->mimeData())) event->acceptProposedAction();
}

void CMainFrame::dragMoveEvent(QDragMoveEvent* event) {
  if (event->mimeData() && FirstDroppedFile(*event->mimeData())) event->acceptProposedAction();
}

void CMainFrame::dropEvent(QDropEvent* event) {
  const std::optional<std::string> name =
      event->mimeData() ? FirstDroppedFile(*event->mimeData()) : std::nullopt;
  if (!name) return;
  event->acceptProposedAction();
  // The drop is finished (the source released) before the operation and its dialogs run.
  QTimer::singleShot(0, this, [this, file = *name] { m_onDropFile(file); });
}

}  // namespace quorvane
