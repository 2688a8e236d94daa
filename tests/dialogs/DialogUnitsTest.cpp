#include <QApplication>
#include <QFont>
#include <QFontMetrics>
#include <QGroupBox>
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
#include "dialogs/Widgets.h"

namespace quorvane::test {
namespace {

TEST(DialogUnits, RoundToTheNearestPixel) {
  const DialogUnits units(6, 13);
  struct Case {
    int units, x, y;
  };
  // x = units * 6 / 4, y = units * 13 / 8, halves rounded up.
  const Case cases[] = {{0, 0, 0},   {1, 2, 2},    {3, 5, 5},    {4, 6, 7},
                        {8, 12, 13}, {14, 21, 23}, {35, 53, 57}, {285, 428, 463}};
  for (const Case& c : cases) {
    EXPECT_EQ(units.X(c.units), c.x) << c.units;
    EXPECT_EQ(units.Y(c.units), c.y) << c.units;
  }
  EXPECT_EQ(units.Rect(5, 20, 185, 14), QRect(8, 33, 278, 23));
}

TEST(DialogUnits, ComeFromTheFontsMetrics) {
  EnsureGuiApp();
  const QFont font(QStringLiteral("DejaVu Sans"), 9);
  const QFontMetrics metrics(font);
  const DialogUnits units(font);
  EXPECT_EQ(units.BaseHeight(), metrics.height());
  const double letters = metrics.horizontalAdvance(QStringLiteral(
                             "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz")) /
                         52.0;
  EXPECT_NEAR(units.BaseWidth(), letters, 0.5 + 1e-9);
}

TEST(DialogUnits, EveryDialogHasItsTemplateSizeInItsOwnFont) {
  EnsureGuiApp();
  struct Kind {
    const char* name;
    int width, height;
    std::function<std::unique_ptr<QWidget>(QWidget*)> make;
  };
  const Kind kinds[] = {
      {"encrypt names", 285, 98, [](QWidget* p) { return std::make_unique<CEncryptNamesDlg>(p); }},
      {"decrypt names", 285, 98,
       [](QWidget* p) { return std::make_unique<CDecryptNamesDlg>(true, p); }},
      {"encrypt password", 215, 78,
       [](QWidget* p) { return std::make_unique<CEncryptPasswordDlg>(p); }},
      {"decrypt password", 215, 43,
       [](QWidget* p) { return std::make_unique<CDecryptPasswordDlg>(p); }},
      {"progress", 255, 88, [](QWidget* p) { return std::make_unique<CProgressDlg>(p); }},
      {"wipe", 189, 38, [](QWidget* p) { return std::make_unique<CWipeDlg>(p); }},
      {"statistics", 185, 138, [](QWidget* p) { return std::make_unique<CStatsDlg>(p); }},
      {"options", 295, 143, [](QWidget* p) { return std::make_unique<COptionsDlg>(p); }},
  };
  const QFont normal = QApplication::font();
  for (const int points : {9, 16}) {
    // A window takes the application's font, the desktop's dialog font.
    QApplication::setFont(QFont(QStringLiteral("DejaVu Sans"), points));
    QWidget owner;
    const DialogUnits units(QApplication::font());
    for (const Kind& kind : kinds) {
      SCOPED_TRACE(std::string(kind.name) + " at " + std::to_string(points) + " points");
      const auto dialog = kind.make(&owner);
      EXPECT_EQ(dialog->size(), units.Size(kind.width, kind.height));
      // Every control lies inside the dialog, and none covers another (a label widened over
      // a button would take its clicks); only a group box holds other controls.
      const auto controls = dialog->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
      for (QWidget* control : controls) {
        EXPECT_TRUE(dialog->rect().contains(control->geometry()))
            << control->objectName().toStdString();
        if (qobject_cast<QGroupBox*>(control)) continue;
        for (QWidget* other : controls) {
          if (other == control || qobject_cast<QGroupBox*>(other)) continue;
          // Template places next to each other may share a row of pixels after rounding.
          const QRect shared = control->geometry().intersected(other->geometry());
          EXPECT_TRUE(shared.width() <= 1 || shared.height() <= 1)
              << control->objectName().toStdString() << " covers "
              << other->objectName().toStdString();
        }
      }
    }
  }
  QApplication::setFont(normal);
}

}  // namespace
}  // namespace quorvane::test
