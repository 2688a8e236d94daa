// The main window as start-up leaves it: menus, toolbar, prompts, status bar, help and About.
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPixmap>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTextBrowser>
#include <QTimer>
#include <QToolBar>

#include "AppTest.h"
#include "app/CMainFrame.h"
#include "app/CommandIds.h"

namespace quorvane::test {
namespace {

using ::testing::ElementsAre;

// "text (id)" for an item, "-" for a separator.
std::vector<std::string> Items(const QList<QAction*>& actions) {
  std::vector<std::string> items;
  for (QAction* action : actions) {
    if (action->isSeparator()) {
      items.push_back("-");
    } else {
      items.push_back(action->text().toStdString() + " (" +
                      std::to_string(action->property(kCommandIdProperty).toInt()) + ")");
    }
  }
  return items;
}

class MainFrameTest : public AppTest {
 protected:
  CMainFrame& Frame() {
    if (!m_app) Start({});
    return *m_app->MainFrame();
  }
};

TEST_F(MainFrameTest, MenusHoldTheItemsAndIdsInOrder) {
  const QList<QAction*> menus = Frame().menuBar()->actions();
  ASSERT_EQ(menus.size(), 3);
  EXPECT_EQ(menus[0]->text(), "&File");
  EXPECT_EQ(menus[1]->text(), "&View");
  EXPECT_EQ(menus[2]->text(), "&Help");
  EXPECT_THAT(Items(menus[0]->menu()->actions()),
              ElementsAre("&Encrypt... (32771)", "&Decrypt... (32772)", "-",
                          "&Statistics... (32773)", "&Options... (32774)", "-", "E&xit (57665)"));
  EXPECT_THAT(Items(menus[1]->menu()->actions()),
              ElementsAre("&Toolbar (59392)", "&Status Bar (59393)"));
  EXPECT_THAT(Items(menus[2]->menu()->actions()), ElementsAre("&About Quorvane... (57664)"));
  // No accelerators: the keyboard reaches the commands through the mnemonics only.
  for (QAction* menu : menus) {
    for (QAction* item : menu->menu()->actions()) EXPECT_TRUE(item->shortcut().isEmpty());
  }
}

TEST_F(MainFrameTest, ToolbarButtonsInOrderWithTheirTooltipsAndCrispIcons) {
  QToolBar* toolbar = Frame().ToolBar();
  EXPECT_THAT(Items(toolbar->actions()),
              ElementsAre("&Encrypt... (32771)", "&Decrypt... (32772)", "-",
                          "&Statistics... (32773)", "&Options... (32774)", "-", "E&xit (57665)"));
  std::vector<std::string> tips;
  for (QAction* action : toolbar->actions()) {
    if (action->isSeparator()) continue;
    tips.push_back(action->toolTip().toStdString());
    for (qreal scale : {1.0, 2.0}) {
      const QPixmap pixmap = action->icon().pixmap(QSize(16, 15), scale);
      EXPECT_EQ(pixmap.size(), QSize(16, 15) * scale) << action->toolTip().toStdString();
      // Drawn, not blank.
      const QImage image = pixmap.toImage();
      int painted = 0;
      for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) painted += qAlpha(image.pixel(x, y)) > 0;
      }
      EXPECT_GT(painted, image.width() * image.height() / 5);
    }
  }
  EXPECT_THAT(tips, ElementsAre("Encrypt", "Decrypt", "Stats", "Options", "Exit"));
  EXPECT_EQ(toolbar->iconSize(), QSize(16, 15));
  EXPECT_EQ(toolbar->allowedAreas(), Qt::AllToolBarAreas);
}

TEST_F(MainFrameTest, PromptsComeFromTheStringTable) {
  const struct {
    int id;
    const char* prompt;
  } prompts[] = {
      {cmd::FileEncrypt, "Select A File To Be Encrypted Using Current Options"},
      {cmd::FileDecrypt, "Select A File To Be Decrypted Using Current Options"},
      {cmd::FileStatistics, "Display Encrypted File Statistics"},
      {cmd::FileOptions, "Select Encryption and Decryption Options"},
      {cmd::AppAbout, "Display program information, version number and copyright"},
      {cmd::AppExit, "Quit the application."},
      {cmd::ViewToolbar, "Show or hide the toolbar"},
      {cmd::ViewStatusBar, "Show or hide the status bar"},
  };
  for (const auto& p : prompts) {
    QAction* action = Frame().ActionFor(p.id);
    ASSERT_NE(action, nullptr) << p.id;
    EXPECT_EQ(action->statusTip().toStdString(), p.prompt) << p.id;
    // Pointing at the item shows its prompt in the status bar's message pane.
    QStatusTipEvent tip(action->statusTip());
    QApplication::sendEvent(&Frame(), &tip);
    EXPECT_EQ(Frame().statusBar()->currentMessage(), action->statusTip());
  }
  EXPECT_EQ(Frame().ActionFor(cmd::ViewToolbar)->toolTip(), "Toggle ToolBar");
  EXPECT_EQ(Frame().ActionFor(cmd::ViewStatusBar)->toolTip(), "Toggle StatusBar");
}

TEST_F(MainFrameTest, StatusBarPanesAreGreyedWhereTheLockKeysAreUnknown) {
  std::vector<std::string> panes;
  for (int i = 0; i < 3; ++i) {
    panes.push_back(Frame().Indicator(i)->text().toStdString());
    // Offscreen there is no keyboard to ask, so no pane may claim a lock is on.
    EXPECT_FALSE(Frame().Indicator(i)->isEnabled()) << panes.back();
  }
  EXPECT_THAT(panes, ElementsAre("CAP", "NUM", "SCRL"));
}

TEST_F(MainFrameTest, ViewTogglesHideAndShowTheBars) {
  QAction* toolbar = Frame().ActionFor(cmd::ViewToolbar);
  QAction* statusBar = Frame().ActionFor(cmd::ViewStatusBar);
  ASSERT_TRUE(toolbar->isChecked());
  ASSERT_TRUE(statusBar->isChecked());
  toolbar->trigger();
  statusBar->trigger();
  EXPECT_FALSE(Frame().ToolBar()->isVisible());
  EXPECT_FALSE(Frame().statusBar()->isVisible());
  EXPECT_FALSE(toolbar->isChecked());
  toolbar->trigger();
  statusBar->trigger();
  EXPECT_TRUE(Frame().ToolBar()->isVisible());
  EXPECT_TRUE(Frame().statusBar()->isVisible());
}

TEST_F(MainFrameTest, ExitClosesTheWindow) {
  Frame().ActionFor(cmd::AppExit)->trigger();
  EXPECT_FALSE(Frame().isVisible());
}

// Exit chosen while an operation copies (its meter runs events): Qt counts windows only as they
// close, and the meter was still open then, so the program must end once the operation is over.
TEST_F(MainFrameTest, ExitDuringAnOperationEndsTheProgramWhenTheOperationIsOver) {
  const std::string plain = MakeFile("plain.txt", std::string(200000, 'x'));
  m_desktop.AnswerEncryptNames(FileNames{plain, plain + ".crp"});
  m_desktop.AnswerEncryptPassword("secret");
  CQuorvaneApp& app = Start({});
  QWidget meter;  // stands in for the meter window that is open while the routine copies
  bool closed = false;
  m_desktop.OnPercent([&](int) {
    if (closed) return;
    closed = true;
    meter.show();
    app.MainFrame()->close();
    meter.hide();
  });
  QApplication::setQuitOnLastWindowClosed(true);
  QTimer::singleShot(0, &app, [&app] { app.OnCommand(cmd::FileEncrypt); });
  QTimer::singleShot(5000, &app, [] { QCoreApplication::exit(7); });  // still running: a fault
  const int status = QApplication::exec();
  QApplication::setQuitOnLastWindowClosed(false);
  EXPECT_TRUE(closed);
  EXPECT_EQ(status, 0);
  EXPECT_TRUE(FileExists(plain + ".crp"));  // the operation ran to its end first
}

TEST_F(MainFrameTest, F1ShowsTheGuide) {
  QAction* help = Frame().ActionFor(cmd::Help);
  ASSERT_NE(help, nullptr);
  EXPECT_EQ(help->shortcut(), QKeySequence(Qt::Key_F1));
  help->trigger();
  auto* guide = qobject_cast<QTextBrowser*>(Frame().HelpWindowIfOpen());
  ASSERT_NE(guide, nullptr);
  EXPECT_TRUE(guide->isVisible());
  const QString text = guide->toPlainText();
  for (const char* part : {"keyless transforms", "Wipe and Delete Original File", "Trashed",
                           "Options", "cannot promise"}) {
    EXPECT_TRUE(text.contains(QString::fromLatin1(part))) << part;
  }
}

TEST_F(MainFrameTest, AboutBoxShowsItsCaptionAndVersionAndClosesWithOk) {
  Frame();
  std::string version;
  ModalWatcher watcher([&](QWidget* modal) {
    for (QLabel* label : modal->findChildren<QLabel*>()) {
      if (!label->text().isEmpty()) version = label->text().toStdString();
    }
    QDir().mkpath(QUORVANE_BINARY_DIR "/screenshots");
    modal->grab().save(QUORVANE_BINARY_DIR "/screenshots/about-box.png");
    modal->findChild<QWidget*>("IDOK")->setFocus();
    QMetaObject::invokeMethod(modal->findChild<QObject*>("IDOK"), "click");
  });
  Frame().ActionFor(cmd::AppAbout)->trigger();
  EXPECT_THAT(watcher.Seen(), ElementsAre("CAboutDlg | About Quorvane 1.0 | "));
  EXPECT_EQ(version,
            "Quorvane Version 1.0 " + std::to_string(sizeof(void*) * 8) + " bit for Linux");
}

// A picture of the window for the record, at scale 1.
TEST_F(MainFrameTest, Screenshot) {
  Frame().resize(480, 320);
  ProcessEvents();
  const QPixmap shot = Frame().grab();
  ASSERT_FALSE(shot.isNull());
  QDir().mkpath(QUORVANE_BINARY_DIR "/screenshots");
  EXPECT_TRUE(shot.save(QUORVANE_BINARY_DIR "/screenshots/main-window-offscreen.png"));
}

}  // namespace
}  // namespace quorvane::test
