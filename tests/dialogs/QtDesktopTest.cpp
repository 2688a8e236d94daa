#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

#include "GuiTest.h"
#include "app/QtDesktop.h"
#include "dialogs/CProgressDlg.h"
#include "ops/AppState.h"
#include "ops/Commands.h"
#include "support/CryptBytes.h"
#include "support/TempDir.h"

namespace quorvane::test {
namespace {

class QtDesktopTest : public GuiTest {
 protected:
  void SetUp() override {
    GuiTest::SetUp();
    main = std::make_unique<QWidget>();
    main->resize(800, 600);
    main->show();
  }
  std::unique_ptr<QWidget> main;
  ScriptedFileDialogs files;
};

TEST_F(QtDesktopTest, MessagesCarryTheTitleTheirIconAndOnlyOk) {
  QtDesktop desktop(main.get(), files);
  const std::pair<MessageIcon, const char*> icons[] = {
      {MessageIcon::Stop, "critical: text"},
      {MessageIcon::Exclamation, "warning: text"},
      {MessageIcon::Information, "information: text"},
  };
  for (const auto& [icon, expected] : icons) {
    ModalScript script;
    script.MessageThen([&](QMessageBox* box) {
      EXPECT_EQ(box->parentWidget(), main.get());
      EXPECT_EQ(box->standardButtons(), QMessageBox::Ok);
      QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
    });
    script.Start();
    desktop.Message("text", icon);
    EXPECT_EQ(script.Messages(), std::vector<std::string>{expected});
  }
}

TEST_F(QtDesktopTest, TheTrashedWarningDefaultsToOkAndCancelDeclines) {
  const std::string warning =
      "WARNING: A file encrypted using the TRASHED method can NEVER BE DECRYPTED. Are you SURE?";
  QtDesktop desktop(main.get(), files);
  const std::pair<std::function<void(QMessageBox*)>, bool> answers[] = {
      {[](QMessageBox* box) { PressKey(box, Qt::Key_Return); }, true},
      {[](QMessageBox* box) {
         QTest::mouseClick(box->button(QMessageBox::Cancel), Qt::LeftButton);
       },
       false},
      {[](QMessageBox* box) { PressKey(box, Qt::Key_Escape); }, false},
  };
  for (const auto& [answer, expected] : answers) {
    ModalScript script;
    script.MessageThen([&, answer = answer](QMessageBox* box) {
      EXPECT_EQ(box->standardButtons(), QMessageBox::Ok | QMessageBox::Cancel);
      EXPECT_EQ(box->defaultButton(), box->button(QMessageBox::Ok));
      EXPECT_EQ(box->parentWidget(), main.get());
      answer(box);
    });
    script.Start();
    EXPECT_EQ(desktop.ConfirmTrashed(warning), expected);
    EXPECT_EQ(script.Messages(), std::vector<std::string>{"warning: " + warning});
  }
}

TEST_F(QtDesktopTest, AFileErrorIsShownWithTheStopIcon) {
  QtDesktop desktop(main.get(), files);
  const CFileException error(CFileException::accessDenied, "/data/report.txt");
  ModalScript script;
  script.Message();
  script.Start();
  desktop.ReportFileError(error);
  EXPECT_EQ(script.Messages(), std::vector<std::string>{"critical: " + error.text()});
}

TEST_F(QtDesktopTest, StatisticsFileIsAskedForWithCryptsFirst) {
  files.Answer(QStringLiteral("/data/report.crp"));
  files.Answer(std::nullopt);
  QtDesktop desktop(main.get(), files);
  EXPECT_EQ(desktop.AskStatisticsFile(), "/data/report.crp");
  EXPECT_EQ(desktop.AskStatisticsFile(), std::nullopt);
  FileRequest expected;
  expected.kind = FileRequest::Kind::Open;
  expected.title = QStringLiteral("Select Encrypted File To Get Statistics For");
  expected.filters = QStringList({"Crypt Files (*.crp)", "All Files (*)"});
  EXPECT_EQ(files.Requests(), std::vector<FileRequest>(2, expected));
}

TEST_F(QtDesktopTest, OptionsAreCopiedBackOnlyOnOk) {
  QtDesktop desktop(main.get(), files);
  AppOptions options;
  options.WipeandDeleteOriginalFile = 5;
  options.EncryptionMethod = "max";
  ModalScript cancel;
  cancel.Dialog("Select Encryption and Decryption Options", [](QWidget* w) {
    Click(w, "check1004");
    Click(w, "IDCANCEL");
  });
  cancel.Start();
  EXPECT_FALSE(desktop.EditOptions(options));
  EXPECT_EQ(options.WipeandDeleteOriginalFile, 5);
  EXPECT_EQ(options.MarkCryptAsHiddenFile, 0);
  EXPECT_EQ(options.EncryptionMethod, "max");

  ModalScript ok;
  ok.Dialog("Select Encryption and Decryption Options", [](QWidget* w) {
    Click(w, "check1004");
    Click(w, "IDOK");
  });
  ok.Start();
  EXPECT_TRUE(desktop.EditOptions(options));
  EXPECT_EQ(options.WipeandDeleteOriginalFile, 0);
  EXPECT_EQ(options.MarkCryptAsHiddenFile, 1);
  EXPECT_EQ(options.EncryptionMethod, "Maximum");
}

TEST_F(QtDesktopTest, RestoringBringsAMinimisedMainWindowBack) {
  QtDesktop desktop(main.get(), files);
  main->showMinimized();
  desktop.RestoreMainWindow();
  EXPECT_FALSE(main->isMinimized());
  EXPECT_TRUE(main->isVisible());
}

// A person encrypts a file with the wipe on, then decrypts the crypt by its name: every dialog
// is the real one, answered by typing and clicking.
TEST_F(QtDesktopTest, EncryptsAndDecryptsAFileEndToEnd) {
  TempDir dir;
  std::string contents;
  for (int i = 0; i < 70000; ++i) contents.push_back(static_cast<char>((i * 7 + i / 300) & 0xff));
  const std::string original = dir / "report.txt";
  const std::string crypt = dir / "report.crp";
  WriteFileBytes(original, contents);

  QtDesktop desktop(main.get(), files);
  AppState app;
  app.options.WipeandDeleteOriginalFile = 1;
  app.options.EncryptionMethod = "Maximum";

  ShownWindows shown;
  ModalScript encrypt;
  encrypt
      .Dialog("Specify File Names (Encrypting)",
              [&](QWidget* w) {
                TypeInto(w, "edit1009", QString::fromStdString(original));
                TypeInto(w, "edit1010", QString::fromStdString(crypt));
                Click(w, "IDOK");
              })
      .Dialog("Enter Encryption Password",
              [](QWidget* w) {
                TypeInto(w, "edit1015", "Open Sesame");
                TypeInto(w, "edit1016", "Open Sesame");
                Click(w, "IDOK");
              })
      .Dialog("Encrypted File Information",
              [&](QWidget* w) {
                EXPECT_EQ(Child<QLabel>(w, "static1025")->text().toStdString(), crypt);
                EXPECT_EQ(Child<QLabel>(w, "static1028")->text(), "70000");
                EXPECT_EQ(Child<QLabel>(w, "static1029")->text(), "Maximum (Method 3)");
                Click(w, "IDOK");
              })
      .Message();
  encrypt.Start();
  EXPECT_EQ(OnFileEncrypt(app, desktop), Outcome::Completed);
  EXPECT_EQ(encrypt.Messages(),
            std::vector<std::string>{"information: Encryption Process Completed."});
  EXPECT_FALSE(FileExists(original)) << "the original was to be wiped and deleted";
  ASSERT_TRUE(FileExists(crypt));
  EXPECT_GT(ReadFileBytes(crypt).size(), contents.size());
  const std::vector<std::string> encryptWindows = {
      "Specify File Names (Encrypting)", "Enter Encryption Password",
      "Operation Progress Meter",        "Wiping Original File",
      "Encrypted File Information",      "Quorvane 1.0"};
  EXPECT_EQ(shown.Titles(), encryptWindows);

  ModalScript decrypt;
  decrypt
      .Dialog("Specify File Names (Decrypting)",
              [&](QWidget* w) {
                EXPECT_FALSE(Child<QLineEdit>(w, "edit1014")->isEnabled());
                TypeInto(w, "edit1013", QString::fromStdString(crypt));
                Click(w, "IDOK");
              })
      .Dialog("Enter Decryption Password",
              [](QWidget* w) {
                TypeInto(w, "edit1022", "Open Sesame");
                PressKey(w, Qt::Key_Return);
              })
      .Message();
  decrypt.Start();
  EXPECT_EQ(OnFileDecrypt(app, desktop), Outcome::Completed);
  EXPECT_EQ(decrypt.Messages(),
            std::vector<std::string>{"information: Decryption Process Completed."});
  ASSERT_TRUE(FileExists(original));
  EXPECT_EQ(ReadFileBytes(original), contents);
  EXPECT_FALSE(FileExists(crypt)) << "the crypt was to be deleted after decryption";
  // No meter is left on the screen.
  for (QWidget* window : QApplication::topLevelWidgets())
    EXPECT_FALSE(window->isVisible() && window != main.get())
        << window->windowTitle().toStdString() << " still shown";
}

// Cancel in the meter is clicked while the copy runs: it takes effect in the meter's pump, the
// routine stops, and the partial crypt is removed.
TEST_F(QtDesktopTest, CancelInTheMeterStopsARunningEncryption) {
  TempDir dir;
  const std::string contents(200000, 'q');
  const std::string original = dir / "big.bin";
  const std::string crypt = dir / "big.crp";
  WriteFileBytes(original, contents);
  QtDesktop desktop(main.get(), files);
  AppState app;
  app.m_strPendingFile = original;

  // Runs only when events are processed, that is inside the meter's pump.
  int clicks = 0;
  QTimer clicker;
  clicker.setInterval(0);
  QObject::connect(&clicker, &QTimer::timeout, [&] {
    for (QWidget* window : QApplication::topLevelWidgets()) {
      auto* meter = qobject_cast<CProgressDlg*>(window);
      if (meter && meter->isVisible() && clicks == 0) {
        ++clicks;
        Click(meter, "IDCANCEL");
      }
    }
  });
  clicker.start();

  ModalScript script;
  script
      .Dialog("Specify File Names (Encrypting)",
              [&](QWidget* w) {
                EXPECT_EQ(Child<QLineEdit>(w, "edit1009")->text().toStdString(), original);
                TypeInto(w, "edit1010", QString::fromStdString(crypt));
                Click(w, "IDOK");
              })
      .Dialog("Enter Encryption Password",
              [](QWidget* w) {
                TypeInto(w, "edit1015", "pw");
                TypeInto(w, "edit1016", "pw");
                Click(w, "IDOK");
              })
      .Message();
  script.Start();
  EXPECT_EQ(OnFileEncrypt(app, desktop), Outcome::Cancelled);
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(script.Messages(), std::vector<std::string>{"critical: Cancelling Encryption"});
  EXPECT_FALSE(FileExists(crypt));
  EXPECT_EQ(ReadFileBytes(original), contents);
  EXPECT_TRUE(app.m_strPendingFile.empty());
}

// A crypt as the Windows program writes it, dropped on the window: the name in Windows-1252 and
// the signature of the password's Windows-1252 bytes. The password typed in the dialog opens it,
// and the file is restored into the crypt's folder under the converted name.
TEST_F(QtDesktopTest, ACryptMadeOnWindowsOpensWithThePasswordTypedHere) {
  TempDir dir;
  const std::string content = "Lettre de Fran\xE7ois";
  const std::string crypt = dir / "win.crp";
  // "C:\DATA\RAPPORTÉ.DOC" in Windows-1252, signed with "Grüße€" in Windows-1252.
  WriteFileBytes(crypt, CryptFileBytes("C:\\DATA\\RAPPORT\xC9.DOC",
                                       "Gr\xFC\xDF"
                                       "e\x80",
                                       content));

  QtDesktop desktop(main.get(), files);
  AppState app;
  app.m_strPendingFile = crypt;
  ModalScript script;
  script
      .Dialog("Enter Decryption Password",
              [](QWidget* w) {
                TypeInto(w, "edit1022", QString::fromUtf8("Gr\u00FC\u00DFe\u20AC"));
                Click(w, "IDOK");
              })
      .Message();
  script.Start();
  EXPECT_EQ(OnFileDecrypt(app, desktop), Outcome::Completed);
  EXPECT_EQ(script.Messages(),
            std::vector<std::string>{"information: Decryption Process Completed."});
  EXPECT_EQ(ReadFileBytes(dir / "RAPPORT\xC3\x89.DOC"), content);
}

}  // namespace
}  // namespace quorvane::test
