#include <QLabel>
#include <QPushButton>

#include "GuiTest.h"
#include "dialogs/CStatsDlg.h"
#include "dialogs/Widgets.h"

namespace quorvane::test {
namespace {

using StatsDialog = GuiTest;

TEST_F(StatsDialog, ShowsTheSevenValuesClippedByTheirControls) {
  const std::string longName = "/very/" + std::string(300, 'd') + "/report.crp";
  CStatsDlg dialog;
  dialog.m_strCryptName = longName;
  dialog.m_strCryptSize = "4242";
  dialog.m_strOriginalName = "C:\\DATA\\REPORT.TXT";
  dialog.m_strOriginalSize = "4200";
  dialog.m_strMethod = "Maximum (Method 3)";
  dialog.m_strHeaderSize = "-17";
  dialog.m_strVersion = "1.0, 32-Bit (Win95/NT)";
  const DialogUnits units(dialog.font());
  ModalScript script;
  script.Dialog("Encrypted File Information", [&](QWidget* w) {
    const std::pair<const char*, QString> values[] = {
        {"static1025", QString::fromStdString(longName)},
        {"static1026", "4242"},
        {"static1027", "C:\\DATA\\REPORT.TXT"},
        {"static1028", "4200"},
        {"static1029", "Maximum (Method 3)"},
        {"static1030", "-17"},
        {"static1031", "1.0, 32-Bit (Win95/NT)"},
    };
    for (const auto& [name, text] : values) {
      auto* label = Child<QLabel>(w, name);
      EXPECT_EQ(label->text(), text) << name;
      EXPECT_EQ(label->width(), units.X(90)) << name;  // clipped, not widened
    }
    const std::pair<const char*, QString> labels[] = {
        {"labelFor1025", "Crypt Name:"},        {"labelFor1026", "Crypt Size (bytes):"},
        {"labelFor1027", "Original Name:"},     {"labelFor1028", "Original Size (bytes):"},
        {"labelFor1029", "Encryption Method:"}, {"labelFor1030", "Header Size:"},
        {"labelFor1031", "Quorvane Version:"},
    };
    for (const auto& [name, text] : labels) EXPECT_EQ(Child<QLabel>(w, name)->text(), text);
    EXPECT_EQ(w->size(), units.Size(185, 138));
    EXPECT_TRUE(Child<QPushButton>(w, "IDOK")->isDefault());
    Click(w, "IDOK");
  });
  script.Start();
  EXPECT_EQ(dialog.exec(), QDialog::Accepted);
}

}  // namespace
}  // namespace quorvane::test
