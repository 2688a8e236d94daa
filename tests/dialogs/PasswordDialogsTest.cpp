#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "GuiTest.h"
#include "dialogs/CDecryptPasswordDlg.h"
#include "dialogs/CEncryptPasswordDlg.h"

namespace quorvane::test {
namespace {

const QString kEncryptTitle = QStringLiteral("Enter Encryption Password");
const QString kDecryptTitle = QStringLiteral("Enter Decryption Password");

using PasswordDialogs = GuiTest;

TEST_F(PasswordDialogs, OpenEmptyMaskedAndLimitedWithTheFocusOnOk) {
  CEncryptPasswordDlg encrypt;
  CDecryptPasswordDlg decrypt;
  struct Case {
    QDialog* dialog;
    QString title;
    std::vector<std::string> tabs;
  };
  for (const Case& c : {Case{&encrypt, kEncryptTitle, {"IDOK", "IDCANCEL", "edit1015", "edit1016"}},
                        Case{&decrypt, kDecryptTitle, {"IDOK", "IDCANCEL", "edit1022"}}}) {
    SCOPED_TRACE(c.title.toStdString());
    c.dialog->show();
    EXPECT_EQ(c.dialog->windowTitle(), c.title);
    EXPECT_EQ(c.dialog->focusWidget(), Child<QWidget>(c.dialog, "IDOK"));
    EXPECT_TRUE(Child<QPushButton>(c.dialog, "IDOK")->isDefault());
    EXPECT_EQ(TabChain(Child<QWidget>(c.dialog, "IDOK")), c.tabs);
    for (std::size_t i = 2; i < c.tabs.size(); ++i) {
      auto* edit = Child<QLineEdit>(c.dialog, c.tabs[i].c_str());
      EXPECT_EQ(edit->echoMode(), QLineEdit::Password);
      EXPECT_EQ(edit->maxLength(), 32);
      EXPECT_TRUE(edit->text().isEmpty());
      QTest::keyClicks(edit, QString(33, QChar('k')));
      EXPECT_EQ(edit->text().size(), 32) << "a 33rd character was typed";
    }
    c.dialog->hide();
  }
  EXPECT_EQ(Child<QLabel>(&encrypt, "limitLabel")->text(), "(32 Characters Maximum)");
  EXPECT_EQ(Child<QLabel>(&encrypt, "passwordLabel")->text(),
            "Enter the password to use to encrypt the file:");
  EXPECT_EQ(Child<QLabel>(&encrypt, "confirmLabel")->text(), "Type the password again to confirm:");
  EXPECT_EQ(Child<QLabel>(&decrypt, "passwordLabel")->text(),
            "Enter the password required to decrypt the file:");
}

TEST_F(PasswordDialogs, EncryptionOkWantsTwoEqualEntries) {
  struct Case {
    QString password, confirm;
    const char* refusal;  // nullptr: accepted
  };
  const QString full(32, QChar('P'));
  const Case cases[] = {
      {"", "", "You Must Type A Password."},
      {"secret", "", "You Must Type A Password."},
      {"", "secret", "You Must Type A Password."},
      {"Secret", "secret", "Passwords Do Not Match."},
      {"secret", "secret ", "Passwords Do Not Match."},
      {full, full, nullptr},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.password.toStdString() + " / " + c.confirm.toStdString());
    CEncryptPasswordDlg dialog;
    ModalScript script;
    script.Dialog(kEncryptTitle, [&](QWidget* w) {
      TypeInto(w, "edit1015", c.password);
      TypeInto(w, "edit1016", c.confirm);
      Click(w, "IDOK");
    });
    if (c.refusal) {
      script.Message().Dialog(kEncryptTitle, [&](QWidget* w) {
        // Nothing typed is cleared by a refusal.
        EXPECT_EQ(Child<QLineEdit>(w, "edit1015")->text(), c.password);
        EXPECT_EQ(Child<QLineEdit>(w, "edit1016")->text(), c.confirm);
        Click(w, "IDCANCEL");
      });
    }
    script.Start();
    const int result = dialog.exec();
    if (c.refusal) {
      EXPECT_EQ(result, QDialog::Rejected);
      EXPECT_EQ(script.Messages(), std::vector<std::string>{std::string("warning: ") + c.refusal});
    } else {
      EXPECT_EQ(result, QDialog::Accepted);
      EXPECT_TRUE(script.Messages().empty());
      EXPECT_EQ(dialog.m_strPassword, full.toStdString());
      EXPECT_EQ(dialog.m_strConfirm, full.toStdString());
    }
  }
}

TEST_F(PasswordDialogs, EnterAtOpeningPressesOk) {
  CEncryptPasswordDlg dialog;
  ModalScript script;
  script.Dialog(kEncryptTitle, [](QWidget* w) { PressKey(w, Qt::Key_Return); })
      .Message()
      .Dialog(kEncryptTitle, [](QWidget* w) {
        TypeInto(w, "edit1015", "abc");
        TypeInto(w, "edit1016", "abc");
        PressKey(w, Qt::Key_Return);
      });
  script.Start();
  EXPECT_EQ(dialog.exec(), QDialog::Accepted);
  EXPECT_EQ(script.Messages(), std::vector<std::string>{"warning: You Must Type A Password."});
  EXPECT_EQ(dialog.m_strPassword, "abc");
}

TEST_F(PasswordDialogs, DecryptionAcceptsAnythingAsTyped) {
  for (const QString& typed : {QString(), QStringLiteral("caf\u00e9 \u20ac")}) {
    CDecryptPasswordDlg dialog;
    ModalScript script;
    script.Dialog(kDecryptTitle, [&](QWidget* w) {
      TypeInto(w, "edit1022", typed);
      Click(w, "IDOK");
    });
    script.Start();
    ASSERT_EQ(dialog.exec(), QDialog::Accepted);
    EXPECT_TRUE(script.Messages().empty());
    EXPECT_EQ(dialog.m_strPassword, typed.toUtf8().toStdString());
  }
}

}  // namespace
}  // namespace quorvane::test
