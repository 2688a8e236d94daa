#include <QCoreApplication>
#include <QDir>
#include <QImage>
#include <QLineEdit>
#include <QPixmap>
#include <functional>
#include <memory>

#include "GuiTest.h"
#include "dialogs/CDecryptNamesDlg.h"
#include "dialogs/CDecryptPasswordDlg.h"
#include "dialogs/CEncryptNamesDlg.h"
#include "dialogs/CEncryptPasswordDlg.h"
#include "dialogs/COptionsDlg.h"
#include "dialogs/CProgressDlg.h"
#include "dialogs/CStatsDlg.h"
#include "dialogs/CWipeDlg.h"
#include "dialogs/MessageBoxes.h"

namespace quorvane::test {
namespace {

using Screenshots = GuiTest;

// Renders every dialog as a person would see it and writes one PNG per dialog into
// <build>/screenshots, for looking at them beside their templates.
TEST_F(Screenshots, EveryDialogIsWrittenAsAPicture) {
  const QString folder = QStringLiteral(QUORVANE_BINARY_DIR "/screenshots");
  ASSERT_TRUE(QDir().mkpath(folder));
  struct Shot {
    const char* file;
    std::function<std::unique_ptr<QWidget>()> make;
  };
  const Shot shots[] = {
      {"encrypt-names",
       [] {
         auto d = std::make_unique<CEncryptNamesDlg>();
         d->m_strSource = "/home/ada/Documents/report.txt";
         d->show();
         d->TargetField()->setText("/home/ada/Documents/report.crp");
         return d;
       }},
      {"decrypt-names",
       [] {
         auto d = std::make_unique<CDecryptNamesDlg>(false);
         d->show();
         d->SourceField()->setText("/home/ada/Documents/report.crp");
         return d;
       }},
      {"encrypt-password",
       [] {
         auto d = std::make_unique<CEncryptPasswordDlg>();
         d->show();
         TypeInto(d.get(), "edit1015", "secret");
         return d;
       }},
      {"decrypt-password",
       [] {
         auto d = std::make_unique<CDecryptPasswordDlg>();
         d->show();
         return d;
       }},
      {"progress-meter",
       [] {
         auto d = std::make_unique<CProgressDlg>();
         d->Begin("Encrypting File:", "/home/ada/Documents/report.txt",
                  "/home/ada/Documents/report.crp", "Using Secure Encryption Method");
         d->SetPercent(42);
         return d;
       }},
      {"wipe-meter",
       [] {
         auto d = std::make_unique<CWipeDlg>();
         d->Begin();
         d->SetBar(33);
         d->SetPassLabel("Pass 2");
         return d;
       }},
      {"statistics",
       [] {
         auto d = std::make_unique<CStatsDlg>();
         d->m_strCryptName = "/home/ada/Documents/report.crp";
         d->m_strCryptSize = "4147";
         d->m_strOriginalName = "/home/ada/Documents/report.txt";
         d->m_strOriginalSize = "4096";
         d->m_strMethod = "Secure (Method 2)";
         d->m_strHeaderSize = "51";
         d->m_strVersion = "1.0, 32-Bit (Win95/NT)";
         d->show();
         return d;
       }},
      {"options",
       [] {
         auto d = std::make_unique<COptionsDlg>();
         d->SetOptions(AppOptions{});
         d->show();
         return d;
       }},
      {"message-box",
       [] {
         auto d = std::make_unique<QMessageBox>(
             QMessageBox::Information, QString::fromLatin1(kApplicationTitle),
             QStringLiteral("Encryption Process Completed."), QMessageBox::Ok);
         d->show();
         return d;
       }},
  };
  for (const Shot& shot : shots) {
    SCOPED_TRACE(shot.file);
    const auto window = shot.make();
    QCoreApplication::processEvents();
    const QImage image = window->grab().toImage();
    EXPECT_EQ(image.size(), window->size() * image.devicePixelRatio());
    EXPECT_TRUE(image.save(folder + "/" + shot.file + ".png"));
    window->hide();
  }
}

}  // namespace
}  // namespace quorvane::test
