#include <QDialog>
#include <QTest>
#include <functional>
#include <memory>

#include "GuiTest.h"
#include "dialogs/CDecryptNamesDlg.h"
#include "dialogs/CDecryptPasswordDlg.h"
#include "dialogs/CEncryptNamesDlg.h"
#include "dialogs/CEncryptPasswordDlg.h"
#include "dialogs/COptionsDlg.h"

namespace quorvane::test {
namespace {

using Dismissing = GuiTest;

// Cancel, Esc and the close box end every modal dialog with Cancel, even after typing, and
// take nothing in.
TEST_F(Dismissing, CancelEscAndTheCloseBoxEndWithCancel) {
  struct Kind {
    const char* name;
    std::function<std::unique_ptr<QDialog>()> make;
    const char* edit;
  };
  const Kind kinds[] = {
      {"encrypt names", [] { return std::make_unique<CEncryptNamesDlg>(); }, "edit1010"},
      {"decrypt names", [] { return std::make_unique<CDecryptNamesDlg>(true); }, "edit1014"},
      {"encrypt password", [] { return std::make_unique<CEncryptPasswordDlg>(); }, "edit1015"},
      {"decrypt password", [] { return std::make_unique<CDecryptPasswordDlg>(); }, "edit1022"},
      {"options", [] { return std::make_unique<COptionsDlg>(); }, "combo1002edit"},
  };
  const std::pair<const char*, std::function<void(QWidget*)>> ways[] = {
      {"Cancel", [](QWidget* w) { Click(w, "IDCANCEL"); }},
      {"Esc", [](QWidget* w) { PressKey(w, Qt::Key_Escape); }},
      {"close box", [](QWidget* w) { w->close(); }},
  };
  for (const Kind& kind : kinds) {
    for (const auto& [wayName, way] : ways) {
      SCOPED_TRACE(std::string(kind.name) + " by " + wayName);
      std::unique_ptr<QDialog> dialog = kind.make();
      ModalScript script;
      script.Dialog(dialog->windowTitle(), [&, way = way](QWidget* w) {
        TypeInto(w, kind.edit, "typed");
        way(w);
      });
      script.Start();
      EXPECT_EQ(dialog->exec(), QDialog::Rejected);
      EXPECT_TRUE(script.Messages().empty());
      if (auto* names = dynamic_cast<CNamesDlg*>(dialog.get())) {
        EXPECT_EQ(names->m_strTarget, "");
      }
      if (auto* password = dynamic_cast<CEncryptPasswordDlg*>(dialog.get())) {
        EXPECT_EQ(password->m_strPassword, "");
      }
      if (auto* password = dynamic_cast<CDecryptPasswordDlg*>(dialog.get())) {
        EXPECT_EQ(password->m_strPassword, "");
      }
    }
  }
}

}  // namespace
}  // namespace quorvane::test
