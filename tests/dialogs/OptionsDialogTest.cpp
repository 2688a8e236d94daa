#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include "GuiTest.h"
#include "dialogs/COptionsDlg.h"

namespace quorvane::test {
namespace {

const QString kTitle = QStringLiteral("Select Encryption and Decryption Options");

using OptionsDialog = GuiTest;

struct FlagControl {
  int AppOptions::*field;
  const char* box;
  const char* text;
};

const FlagControl kFlags[] = {
    {&AppOptions::AllowNewDecryptionName, "check1007",
     "Allow Decryption To File With Different Name Than Original"},
    {&AppOptions::AlwaysAskOptions, "check1000",
     "Bring up this dialog every time you Encrypt or Decrypt a file"},
    {&AppOptions::AlwaysShowStats, "check1008", "Show Stats When Complete"},
    {&AppOptions::DeleteCryptAfterDecryption, "check1006", "Delete Encrypted File When Done"},
    {&AppOptions::ForceCryptToHaveCRPExtention, "check1005", "Force .CRP Extention"},
    {&AppOptions::MarkCryptAsHiddenFile, "check1004", "Mark Encrypted File as Hidden"},
    {&AppOptions::WipeandDeleteOriginalFile, "check1003", "Wipe and Delete Original File"},
};

AppOptions AllFlags(int value) {
  AppOptions options;
  for (const FlagControl& flag : kFlags) options.*flag.field = value;
  return options;
}

// Opens the dialog over options, lets check look at it, and closes it with OK.
AppOptions RunWithOk(const AppOptions& options, std::function<void(QWidget*)> check = {}) {
  COptionsDlg dialog;
  dialog.SetOptions(options);
  ModalScript script;
  script.Dialog(kTitle, [&](QWidget* w) {
    if (check) check(w);
    Click(w, "IDOK");
  });
  script.Start();
  EXPECT_EQ(dialog.exec(), QDialog::Accepted);
  return dialog.Options();
}

TEST_F(OptionsDialog, ShowsItsTemplateAndTheDefaults) {
  RunWithOk(AppOptions{}, [](QWidget* w) {
    EXPECT_EQ(w->windowTitle(), kTitle);
    EXPECT_TRUE(Child<QPushButton>(w, "IDOK")->isDefault());
    EXPECT_EQ(Child<QPushButton>(w, "IDCANCEL")->text(), "Cancel");
    auto* list = Child<QListWidget>(w, "combo1002list");
    QStringList items;
    for (int row = 0; row < list->count(); ++row) items << list->item(row)->text();
    EXPECT_EQ(items, QStringList({"Quick", "Secure", "Maximum", "Trashed (See Help)"}));
    EXPECT_EQ(list->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_TRUE(list->isVisible());  // the list is always shown
    EXPECT_EQ(list->currentRow(), 1);
    EXPECT_EQ(Child<QLineEdit>(w, "combo1002edit")->text(), "Secure");
    EXPECT_EQ(Child<QLineEdit>(w, "combo1002edit")->maxLength(), 80);
    for (const FlagControl& flag : kFlags) {
      auto* box = Child<QCheckBox>(w, flag.box);
      EXPECT_EQ(box->text(), flag.text);
      const bool onByDefault =
          flag.box == std::string("check1006") || flag.box == std::string("check1008");
      EXPECT_EQ(box->isChecked(), onByDefault) << flag.box;
    }
    const std::vector<std::string> tabs = {"IDOK",      "IDCANCEL",  "check1000", "combo1002edit",
                                           "check1003", "check1004", "check1005", "check1006",
                                           "check1007", "check1008"};
    EXPECT_EQ(TabChain(Child<QWidget>(w, "IDOK")), tabs);
  });
}

TEST_F(OptionsDialog, EachFlagHasItsOwnBoxBothWays) {
  for (const FlagControl& flag : kFlags) {
    SCOPED_TRACE(flag.box);
    AppOptions options = AllFlags(0);
    options.*flag.field = 1;
    // Shown: only its box is checked. Taken back: clicking it clears only that field.
    const AppOptions result = RunWithOk(options, [&](QWidget* w) {
      for (const FlagControl& other : kFlags)
        EXPECT_EQ(Child<QCheckBox>(w, other.box)->isChecked(), other.box == flag.box) << other.box;
      Click(w, flag.box);
    });
    EXPECT_EQ(result, AllFlags(0));
  }
}

TEST_F(OptionsDialog, FlagValuesMapToTwoStates) {
  struct Case {
    int stored;
    bool checked;
    int afterOk;
  };
  const Case cases[] = {{0, false, 0}, {1, true, 1}, {2, true, 1}, {5, false, 0}, {-1, false, 0}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.stored);
    const AppOptions result = RunWithOk(AllFlags(c.stored), [&](QWidget* w) {
      for (const FlagControl& flag : kFlags)
        EXPECT_EQ(Child<QCheckBox>(w, flag.box)->isChecked(), c.checked) << flag.box;
    });
    EXPECT_EQ(result, AllFlags(c.afterOk));
  }
}

TEST_F(OptionsDialog, TheMethodTextSelectsTheFirstItemItBegins) {
  struct Case {
    std::string stored;
    int selected;
    QString shown;
    std::string afterOk;
  };
  const Case cases[] = {
      {"Secure", 1, "Secure", "Secure"},
      {"max", 2, "Maximum", "Maximum"},
      {"qUIcK", 0, "Quick", "Quick"},
      {"TRASHED (see help)", 3, "Trashed (See Help)", "Trashed (See Help)"},
      {"Trash it all", -1, "Trash it all", "Trash it all"},
      {"Blowfish", -1, "Blowfish", "Blowfish"},
      {"", 0, "Quick", "Quick"},  // every item begins with the empty text
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.stored);
    AppOptions options;
    options.EncryptionMethod = c.stored;
    const AppOptions result = RunWithOk(options, [&](QWidget* w) {
      auto* list = Child<QListWidget>(w, "combo1002list");
      EXPECT_EQ(list->selectedItems().size(), c.selected < 0 ? 0 : 1);
      if (c.selected >= 0) {
        EXPECT_EQ(list->currentRow(), c.selected);
      }
      EXPECT_EQ(Child<QLineEdit>(w, "combo1002edit")->text(), c.shown);
    });
    EXPECT_EQ(result.EncryptionMethod, c.afterOk);
  }
}

TEST_F(OptionsDialog, ChoosingAndTypingAMethod) {
  AppOptions chosen = RunWithOk(AppOptions{}, [](QWidget* w) {
    auto* list = Child<QListWidget>(w, "combo1002list");
    const QRect row = list->visualItemRect(list->item(2));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, row.center());
  });
  EXPECT_EQ(chosen.EncryptionMethod, "Maximum");

  AppOptions typed = RunWithOk(AppOptions{}, [](QWidget* w) {
    auto* edit = Child<QLineEdit>(w, "combo1002edit");
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    TypeInto(w, "combo1002edit", "My Trash");
  });
  EXPECT_EQ(typed.EncryptionMethod, "My Trash");

  // Up and Down in the field walk the list, as in a combo box whose list is always shown.
  AppOptions walked = RunWithOk(AppOptions{}, [](QWidget* w) {
    auto* edit = Child<QLineEdit>(w, "combo1002edit");
    QTest::keyClick(edit, Qt::Key_Down);
    QTest::keyClick(edit, Qt::Key_Down);
    QTest::keyClick(edit, Qt::Key_Down);  // stays on the last item
    EXPECT_EQ(Child<QListWidget>(w, "combo1002list")->currentRow(), 3);
    QTest::keyClick(edit, Qt::Key_Up);
  });
  EXPECT_EQ(walked.EncryptionMethod, "Maximum");
}

TEST_F(OptionsDialog, AMethodTextOverEightyCharactersIsRefused) {
  AppOptions options = AllFlags(1);
  options.EncryptionMethod = std::string(81, 'z');
  COptionsDlg dialog;
  dialog.SetOptions(options);
  ModalScript script;
  script.Dialog(kTitle, [](QWidget* w) { Click(w, "IDOK"); })
      .Message()
      .Dialog(kTitle, [](QWidget* w) {
        auto* edit = Child<QLineEdit>(w, "combo1002edit");
        EXPECT_EQ(w->focusWidget(), edit);
        EXPECT_EQ(edit->text().size(), 81);  // everything as the user left it
        QTest::keyClick(edit, Qt::Key_End);
        QTest::keyClick(edit, Qt::Key_Backspace);
        Click(w, "IDOK");
      });
  script.Start();
  ASSERT_EQ(dialog.exec(), QDialog::Accepted);
  EXPECT_EQ(script.Messages(),
            std::vector<std::string>{"warning: Please enter no more than 80 characters."});
  EXPECT_EQ(dialog.EncryptionMethod, std::string(80, 'z'));
}

}  // namespace
}  // namespace quorvane::test
