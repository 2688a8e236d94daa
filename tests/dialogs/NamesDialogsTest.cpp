#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "GuiTest.h"
#include "dialogs/CDecryptNamesDlg.h"
#include "dialogs/CEncryptNamesDlg.h"

namespace quorvane::test {
namespace {

const QString kEncryptTitle = QStringLiteral("Specify File Names (Encrypting)");
const QString kDecryptTitle = QStringLiteral("Specify File Names (Decrypting)");

using NamesDialogs = GuiTest;

QString Text(QWidget* dialog, const char* name) {
  if (auto* edit = dialog->findChild<QLineEdit*>(QString::fromLatin1(name))) return edit->text();
  if (auto* label = dialog->findChild<QLabel*>(QString::fromLatin1(name))) return label->text();
  if (auto* button = dialog->findChild<QPushButton*>(QString::fromLatin1(name)))
    return button->text();
  ADD_FAILURE() << "no control named " << name;
  return {};
}

TEST_F(NamesDialogs, ShowTheirTemplates) {
  struct Case {
    const char* title;
    const char* sourceEdit;
    const char* targetEdit;
    const char* sourceLabel;
    const char* targetLabel;
  };
  const Case cases[] = {
      {"Specify File Names (Encrypting)", "edit1009", "edit1010",
       "File To Be Encrypted:", "Name of Encrypted Version Of File:"},
      {"Specify File Names (Decrypting)", "edit1013", "edit1014",
       "File To Be Decrypted:", "Name of Decrypted Version Of File:"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.title);
    std::unique_ptr<CNamesDlg> dialog;
    if (c.sourceEdit == std::string("edit1009")) {
      dialog = std::make_unique<CEncryptNamesDlg>();
    } else {
      dialog = std::make_unique<CDecryptNamesDlg>(true);
    }
    dialog->show();
    EXPECT_EQ(dialog->windowTitle(), QString::fromLatin1(c.title));
    EXPECT_EQ(Text(dialog.get(), "sourceLabel"), QString::fromLatin1(c.sourceLabel));
    EXPECT_EQ(Text(dialog.get(), "targetLabel"), QString::fromLatin1(c.targetLabel));
    EXPECT_EQ(Text(dialog.get(), "IDOK"), "OK");
    EXPECT_EQ(Text(dialog.get(), "IDCANCEL"), "Cancel");
    EXPECT_EQ(Text(dialog.get(), "button1011"), "Browse...");
    EXPECT_EQ(Text(dialog.get(), "button1012"), "Browse...");
    for (const char* edit : {c.sourceEdit, c.targetEdit}) {
      EXPECT_EQ(Child<QLineEdit>(dialog.get(), edit)->maxLength(), 255) << edit;
      EXPECT_TRUE(Child<QLineEdit>(dialog.get(), edit)->isEnabled()) << edit;
    }
    EXPECT_TRUE(Child<QPushButton>(dialog.get(), "IDOK")->isDefault());
    EXPECT_EQ(dialog->focusWidget(), Child<QWidget>(dialog.get(), "IDOK"));
    const std::vector<std::string> tabs = {"IDOK",       "IDCANCEL",   c.sourceEdit,
                                           c.targetEdit, "button1011", "button1012"};
    EXPECT_EQ(TabChain(Child<QWidget>(dialog.get(), "IDOK")), tabs);
    dialog->hide();
  }
}

TEST_F(NamesDialogs, TypedNamesAreTakenOnOkAndEmptyNamesAreAccepted) {
  struct Case {
    QString source, target;
  };
  for (const Case& c : {Case{"/tmp/a.txt", "/tmp/a.crp"}, Case{"", ""}}) {
    CEncryptNamesDlg dialog;
    ModalScript script;
    script.Dialog(kEncryptTitle, [&](QWidget* w) {
      TypeInto(w, "edit1009", c.source);
      TypeInto(w, "edit1010", c.target);
      Click(w, "IDOK");
    });
    script.Start();
    ASSERT_EQ(dialog.exec(), QDialog::Accepted);
    EXPECT_EQ(dialog.m_strSource, c.source.toStdString());
    EXPECT_EQ(dialog.m_strTarget, c.target.toStdString());
  }
}

TEST_F(NamesDialogs, APresetSourceIsShownLockedAndKeptByteForByte) {
  // Not valid UTF-8: the bytes must come back as they went in.
  const std::string pending = "/data/r\xe9port.txt";
  ScriptedFileDialogs files;
  files.Answer(QStringLiteral("/data/out.crp"));
  CEncryptNamesDlg dialog(nullptr, files);
  dialog.m_strSource = pending;
  ModalScript script;
  script.Dialog(kEncryptTitle, [&](QWidget* w) {
    EXPECT_FALSE(Child<QLineEdit>(w, "edit1009")->isEnabled());
    EXPECT_FALSE(Child<QPushButton>(w, "button1011")->isEnabled());
    EXPECT_TRUE(Child<QLineEdit>(w, "edit1010")->isEnabled());
    EXPECT_TRUE(Child<QPushButton>(w, "button1012")->isEnabled());
    Click(w, "button1012");
    Click(w, "IDOK");
  });
  script.Start();
  ASSERT_EQ(dialog.exec(), QDialog::Accepted);
  EXPECT_EQ(dialog.m_strSource, pending);
  EXPECT_EQ(dialog.m_strTarget, "/data/out.crp");
  ASSERT_EQ(files.Requests().size(), 1u);
  EXPECT_EQ(files.Requests()[0].initialName, "/data/r\xef\xbf\xbdport.crp");
}

TEST_F(NamesDialogs, TargetBrowseOffersANameMadeFromTheSource) {
  struct Case {
    std::string source;
    QString offered;
  };
  const Case cases[] = {
      {"/data/report.txt", "/data/report.crp"},
      {"/my.files/report.txt", "/my.crp"},
      {"/data/report", "/data/report.crp"},
      {"/data/archive.tar.gz", "/data/archive.crp"},
      {"", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.source);
    ScriptedFileDialogs files;
    files.Answer(std::nullopt);
    CEncryptNamesDlg dialog(nullptr, files);
    dialog.m_strSource = c.source;
    ModalScript script;
    script.Dialog(kEncryptTitle, [](QWidget* w) {
      Click(w, "button1012");
      Click(w, "IDCANCEL");
    });
    script.Start();
    EXPECT_EQ(dialog.exec(), QDialog::Rejected);
    ASSERT_EQ(files.Requests().size(), 1u);
    const FileRequest& request = files.Requests()[0];
    EXPECT_EQ(request.kind, FileRequest::Kind::Save);
    EXPECT_EQ(request.title, "Select Name To Use For Encrypted File");
    EXPECT_EQ(request.filters, QStringList({"Crypt Files (*.crp)", "All Files (*)"}));
    EXPECT_EQ(request.initialName, c.offered);
  }
}

TEST_F(NamesDialogs, TheOfferFollowsTheSourceOnlyOnceItIsTakenIn) {
  ScriptedFileDialogs files;
  files.Answer(std::nullopt);                           // target Browse, source typed only
  files.Answer(QStringLiteral("/chosen/plan.v2.odt"));  // source Browse
  files.Answer(QStringLiteral("/chosen/plan.crp"));     // target Browse again
  CEncryptNamesDlg dialog(nullptr, files);
  ModalScript script;
  script.Dialog(kEncryptTitle, [](QWidget* w) {
    TypeInto(w, "edit1009", "/typed/by/hand.txt");
    Click(w, "button1012");
    Click(w, "button1011");
    EXPECT_EQ(Child<QLineEdit>(w, "edit1009")->text(), "/chosen/plan.v2.odt");
    Click(w, "button1012");
    EXPECT_EQ(Child<QLineEdit>(w, "edit1010")->text(), "/chosen/plan.crp");
    Click(w, "IDCANCEL");
  });
  script.Start();
  EXPECT_EQ(dialog.exec(), QDialog::Rejected);
  ASSERT_EQ(files.Requests().size(), 3u);
  EXPECT_EQ(files.Requests()[0].initialName, "");
  const FileRequest& source = files.Requests()[1];
  EXPECT_EQ(source.kind, FileRequest::Kind::Open);
  EXPECT_EQ(source.title, "Select File To Be Encrypted");
  EXPECT_EQ(source.filters, QStringList({"All Files (*)"}));
  EXPECT_EQ(source.initialName, "");
  EXPECT_EQ(files.Requests()[2].initialName, "/chosen/plan.crp");
  // The Browse took both fields in: the members follow them even though the dialog was
  // cancelled afterwards.
  EXPECT_EQ(dialog.m_strSource, "/chosen/plan.v2.odt");
  EXPECT_EQ(dialog.m_strTarget, "/chosen/plan.crp");
}

TEST_F(NamesDialogs, ACancelledBrowseChangesNothing) {
  ScriptedFileDialogs files;
  files.Answer(std::nullopt);
  CEncryptNamesDlg dialog(nullptr, files);
  ModalScript script;
  script.Dialog(kEncryptTitle, [](QWidget* w) {
    TypeInto(w, "edit1009", "/typed.txt");
    Click(w, "button1011");
    EXPECT_EQ(Child<QLineEdit>(w, "edit1009")->text(), "/typed.txt");
    Click(w, "IDCANCEL");
  });
  script.Start();
  EXPECT_EQ(dialog.exec(), QDialog::Rejected);
  EXPECT_EQ(dialog.m_strSource, "");
}

TEST_F(NamesDialogs, AChosenPathOverTheLimitIsRefusedAtOnce) {
  const QString longPath = "/" + QString(255, QChar('x'));  // 256 characters
  ScriptedFileDialogs files;
  files.Answer(longPath);
  CEncryptNamesDlg dialog(nullptr, files);
  ModalScript script;
  script
      .Dialog(kEncryptTitle,
              [](QWidget* w) {
                Click(w, "button1011");
                auto* edit = Child<QLineEdit>(w, "edit1009");
                EXPECT_EQ(w->focusWidget(), edit);
                EXPECT_EQ(edit->selectedText().size(), 256);
                Click(w, "IDOK");  // refused again: the dialog stays open
              })
      .Message()  // from the Browse
      .Message()  // from OK
      .Dialog(kEncryptTitle, [](QWidget* w) {
        auto* edit = Child<QLineEdit>(w, "edit1009");
        EXPECT_EQ(edit->text().size(), 256);  // shown whole, not cut
        QTest::keyClick(edit, Qt::Key_End);
        QTest::keyClick(edit, Qt::Key_Backspace);
        QTest::keyClicks(edit, "yz");  // the limit holds again once the text fits
        EXPECT_EQ(edit->text().size(), 255);
        Click(w, "IDOK");
      });
  script.Start();
  ASSERT_EQ(dialog.exec(), QDialog::Accepted);
  EXPECT_EQ(script.Messages(),
            std::vector<std::string>(2, "warning: Please enter no more than 255 characters."));
  EXPECT_EQ(dialog.m_strSource.size(), 255u);
}

TEST_F(NamesDialogs, DecryptionTargetIsLockedUnlessNewNamesAreAllowed) {
  ScriptedFileDialogs files;
  CDecryptNamesDlg locked(false, nullptr, files);
  ModalScript script;
  script.Dialog(kDecryptTitle, [](QWidget* w) {
    auto* target = Child<QLineEdit>(w, "edit1014");
    EXPECT_EQ(target->text(), "(Name Restored From Encryption Header)");
    EXPECT_FALSE(target->isEnabled());
    EXPECT_FALSE(Child<QPushButton>(w, "button1012")->isEnabled());
    EXPECT_TRUE(Child<QLineEdit>(w, "edit1013")->isEnabled());
    Click(w, "IDOK");
  });
  script.Start();
  ASSERT_EQ(locked.exec(), QDialog::Accepted);
  EXPECT_EQ(locked.m_strSource, "");
  EXPECT_EQ(locked.m_strTarget, "(Name Restored From Encryption Header)");

  files.Answer(std::nullopt);
  CDecryptNamesDlg open(true, nullptr, files);
  open.m_strSource = "/data/report.crp";
  ModalScript again;
  again.Dialog(kDecryptTitle, [](QWidget* w) {
    EXPECT_FALSE(Child<QLineEdit>(w, "edit1013")->isEnabled());
    EXPECT_FALSE(Child<QPushButton>(w, "button1011")->isEnabled());
    EXPECT_TRUE(Child<QLineEdit>(w, "edit1014")->isEnabled());
    Click(w, "button1012");
    TypeInto(w, "edit1014", "/data/new.txt");
    Click(w, "IDOK");
  });
  again.Start();
  ASSERT_EQ(open.exec(), QDialog::Accepted);
  EXPECT_EQ(open.m_strSource, "/data/report.crp");
  EXPECT_EQ(open.m_strTarget, "/data/new.txt");
  ASSERT_EQ(files.Requests().size(), 1u);
  EXPECT_EQ(files.Requests()[0].title, "Select Name To Use For Decrypted File");
  EXPECT_EQ(files.Requests()[0].filters, QStringList({"Crypt Files (*.crp)", "All Files (*)"}));
  EXPECT_EQ(files.Requests()[0].initialName, "");
}

}  // namespace
}  // namespace quorvane::test
