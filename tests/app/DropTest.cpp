// Files dropped on the main window.
#include <QApplication>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>

#include "AppTest.h"
#include "app/CMainFrame.h"
#include "platform/CFile.h"

namespace quorvane::test {
namespace {

using ::testing::ElementsAre;

class DropTest : public AppTest {
 protected:
  // Drops the files on the middle of the main window, as the desktop would.
  bool Drop(const std::vector<std::string>& names) {
    QMimeData data;
    QList<QUrl> urls;
    for (const std::string& name : names)
      urls.push_back(QUrl::fromLocalFile(QString::fromStdString(name)));
    data.setUrls(urls);
    CMainFrame* frame = m_app->MainFrame();
    const QPointF middle(frame->width() / 2.0, frame->height() / 2.0);
    QDragEnterEvent enter(middle.toPoint(), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(frame, &enter);
    if (!enter.isAccepted()) return false;
    QDropEvent drop(middle, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(frame, &drop);
    ProcessEvents();
    return drop.isAccepted();
  }
};

TEST_F(DropTest, OnlyTheFirstOfThreeFilesIsDispatched) {
  const std::string first = MakeFile("first.txt", "plain");
  const std::string second = MakeFile("second.crp", kCryptProbe);
  const std::string third = MakeFile("third.txt", "plain");
  Start({});
  m_desktop.AnswerEncryptNames(std::nullopt);
  EXPECT_TRUE(Drop({first, second, third}));
  EXPECT_THAT(m_desktop.Record(), ElementsAre("restore window", "encrypt names locked=" + first));
  EXPECT_TRUE(m_app->State().m_strPendingFile.empty());
}

TEST_F(DropTest, ADroppedCryptGoesToTheDecryptionPassword) {
  const std::string crypt = MakeFile("holiday.jpg", kCryptProbe);
  Start({});
  m_desktop.AnswerDecryptPassword(std::nullopt);
  EXPECT_TRUE(Drop({crypt}));
  EXPECT_THAT(m_desktop.Record(),
              ElementsAre("restore window", "decrypt password",
                          "message information: Decryption Operation Cancelled."));
}

TEST_F(DropTest, ADroppedFolderCannotBeOpened) {
  Start({});
  EXPECT_TRUE(Drop({m_dir.path()}));
  EXPECT_THAT(m_desktop.Record(),
              ElementsAre("restore window",
                          "message stop: Unable to open dragged-and-dropped file for processing."));
}

// A file error ends the operation it hits, is reported, and the program goes on.
TEST_F(DropTest, AFileErrorIsReportedAndTheWindowGoesOn) {
  const std::string plain = MakeFile("plain.txt", "some text");
  const std::string crypt = m_dir / "plain.crp";
  Start({});
  m_desktop.AnswerEncryptNames(FileNames{plain, crypt});
  m_desktop.AnswerEncryptPassword("secret");
  CFile::SetWriteFaultForTesting(0);
  EXPECT_TRUE(Drop({plain}));
  CFile::SetWriteFaultForTesting(std::nullopt);
  ASSERT_FALSE(m_desktop.Record().empty());
  EXPECT_EQ(m_desktop.Record().back(), "file error: Disk full while accessing " + crypt + ".");
  EXPECT_EQ(ReadFileBytes(plain), "some text");
  EXPECT_TRUE(m_app->MainFrame()->isVisible());
  EXPECT_TRUE(m_app->State().m_strPendingFile.empty());

  m_desktop.ClearRecord();
  m_desktop.AnswerEncryptNames(std::nullopt);
  EXPECT_TRUE(Drop({plain}));
  EXPECT_THAT(m_desktop.Record(), ElementsAre("restore window", "encrypt names locked=" + plain));
}

TEST_F(DropTest, ADropWithoutALocalFileIsNotTaken) {
  Start({});
  QMimeData data;
  data.setUrls({QUrl("https://example.org/a.crp")});
  QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(m_app->MainFrame(), &enter);
  EXPECT_FALSE(enter.isAccepted());
  EXPECT_TRUE(m_desktop.Record().empty());
}

}  // namespace
}  // namespace quorvane::test
