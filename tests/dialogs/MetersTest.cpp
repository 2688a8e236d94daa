#include <QCoreApplication>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QWindow>

#include "GuiTest.h"
#include "dialogs/CProgressDlg.h"
#include "dialogs/CWipeDlg.h"
#include "dialogs/MeterPlacement.h"

namespace quorvane::test {
namespace {

using Meters = GuiTest;

QString Text(QWidget* meter, const char* name) {
  return Child<QLabel>(meter, name)->text();
}

TEST(MeterPosition, IsHalfTheMainWindowLessHalfTheMeterTruncatedTowardZero) {
  struct Case {
    QSize main, meter;
    QPoint expected;
  };
  const Case cases[] = {
      {{800, 600}, {400, 150}, {200, 225}},
      {{801, 600}, {400, 150}, {200, 225}},  // 801 / 2 gives 400
      {{800, 600}, {401, 151}, {200, 225}},  // -401 / 2 gives -200, -151 / 2 gives -75
      {{801, 601}, {401, 151}, {200, 225}},
      {{300, 200}, {401, 151}, {-50, 25}},  // a meter wider than the window
      {{0, 0}, {5, 5}, {-2, -2}},
  };
  for (const Case& c : cases) EXPECT_EQ(MeterPosition(c.main, c.meter), c.expected);
}

TEST_F(Meters, BothMetersArePlacedFromTheScreensOriginNotTheMainWindows) {
  QWidget main;
  main.resize(800, 600);
  std::vector<QPoint> progressPlaces, wipePlaces;
  for (const QPoint origin : {QPoint(0, 0), QPoint(100, 100)}) {
    SCOPED_TRACE(origin.x());
    main.move(origin);
    main.show();
    CProgressDlg progress(&main);
    progress.Begin("Encrypting File:", "/a", "/b", "Using Quick Encryption Method");
    EXPECT_EQ(progress.frameGeometry().topLeft(),
              MeterPosition(main.frameGeometry().size(), progress.frameGeometry().size()));
    progressPlaces.push_back(progress.frameGeometry().topLeft());
    progress.DestroyWindow();
    CWipeDlg wipe(&main);
    wipe.Begin();
    EXPECT_EQ(wipe.frameGeometry().topLeft(),
              MeterPosition(main.frameGeometry().size(), wipe.frameGeometry().size()));
    wipePlaces.push_back(wipe.frameGeometry().topLeft());
    wipe.Close();
  }
  // Moving the main window does not move the meters.
  EXPECT_EQ(progressPlaces[0], progressPlaces[1]);
  EXPECT_EQ(wipePlaces[0], wipePlaces[1]);
}

TEST_F(Meters, ProgressMeterShowsItsFourTextsAndTheBar) {
  QWidget main;
  main.resize(640, 480);
  main.show();
  CProgressDlg meter(&main);
  EXPECT_FALSE(meter.isVisible());  // no window before Begin
  meter.Begin("Decrypting File:", "/data/report.crp", "/data/report.txt",
              "Using Secure Decryption Method");
  EXPECT_TRUE(meter.isVisible());
  EXPECT_FALSE(meter.isModal());
  ASSERT_NE(meter.windowHandle(), nullptr);
  EXPECT_EQ(meter.windowHandle()->transientParent(), main.windowHandle());
  EXPECT_EQ(meter.windowTitle(), "Operation Progress Meter");
  EXPECT_EQ(Text(&meter, "static1017"), "Decrypting File:");
  EXPECT_EQ(Text(&meter, "static1018"), "/data/report.crp");
  EXPECT_EQ(Text(&meter, "toFileLabel"), "To File:");
  EXPECT_EQ(Text(&meter, "static1021"), "/data/report.txt");
  EXPECT_EQ(Text(&meter, "static1020"), "Using Secure Decryption Method");
  auto* bar = Child<QProgressBar>(&meter, "progress1019");
  EXPECT_EQ(bar->minimum(), 0);
  EXPECT_EQ(bar->maximum(), 100);
  EXPECT_EQ(bar->value(), 0);
  EXPECT_EQ(Child<QPushButton>(&meter, "IDCANCEL")->text(), "Cancel");
  EXPECT_EQ(meter.focusWidget(), Child<QWidget>(&meter, "IDCANCEL"));
  meter.SetPercent(37);
  EXPECT_EQ(bar->value(), 37);
  // A long path is clipped by its control; the meter keeps its size.
  const QSize size = meter.size();
  meter.Begin("Encrypting File:", "/" + std::string(600, 'n'), "/b", "x");
  EXPECT_EQ(meter.size(), size);
  meter.DestroyWindow();
  EXPECT_FALSE(meter.isVisible());
}

TEST_F(Meters, CancelOnlyRaisesTheFlagWhichTakesEffectInTheNextPump) {
  const std::pair<const char*, std::function<void(CProgressDlg&)>> ways[] = {
      {"Cancel button",
       [](CProgressDlg& m) {
         QMetaObject::invokeMethod(
             &m, [&m] { Click(&m, "IDCANCEL"); }, Qt::QueuedConnection);
       }},
      {"Esc",
       [](CProgressDlg& m) {
         QMetaObject::invokeMethod(
             &m, [&m] { PressKey(&m, Qt::Key_Escape); }, Qt::QueuedConnection);
       }},
      {"close box",
       [](CProgressDlg& m) { QMetaObject::invokeMethod(&m, "close", Qt::QueuedConnection); }},
  };
  for (const auto& [name, cancel] : ways) {
    SCOPED_TRACE(name);
    CProgressDlg meter;
    meter.Begin("Encrypting File:", "/a", "/b", "Using Quick Encryption Method");
    meter.SetPercent(1);
    EXPECT_FALSE(meter.IsCancelled());
    cancel(meter);  // a click waiting in the queue, as between two blocks
    EXPECT_FALSE(meter.IsCancelled());
    meter.SetPercent(2);
    EXPECT_TRUE(meter.IsCancelled());
    EXPECT_EQ(meter.m_bCancel, 1);
    EXPECT_TRUE(meter.isVisible()) << "cancel must not close the meter";
    cancel(meter);  // a second cancel changes nothing
    meter.SetPercent(3);
    EXPECT_EQ(meter.m_bCancel, 1);
    EXPECT_TRUE(meter.isVisible());
    meter.DestroyWindow();
  }
}

// The main window can be closed and destroyed from inside the pump while a routine still holds
// its meter; the meter must stay the routine's to destroy.
TEST_F(Meters, AMeterOutlivesItsMainWindow) {
  auto main = std::make_unique<QWidget>();
  main->show();
  auto progress = std::make_unique<CProgressDlg>(main.get());
  auto wipe = std::make_unique<CWipeDlg>(main.get());
  progress->Begin("Encrypting File:", "/a", "/b", "Using Quick Encryption Method");
  wipe->Begin();
  main.reset();
  progress->SetPercent(50);
  wipe->SetBar(50);
  progress->DestroyWindow();
  wipe->Close();
  progress.reset();
  wipe.reset();
}

// An object that posts itself a new event every time it gets one: an endless queue.
class Flood : public QObject {
 public:
  int handled = 0;
  bool event(QEvent* e) override {
    if (e->type() != QEvent::User) return QObject::event(e);
    ++handled;
    QCoreApplication::postEvent(this, new QEvent(QEvent::User));
    return true;
  }
};

TEST_F(Meters, ThePumpIsBoundedEvenWhenEventsNeverStop) {
  Flood flood;
  QCoreApplication::postEvent(&flood, new QEvent(QEvent::User));
  CProgressDlg meter;
  meter.Begin("Encrypting File:", "/a", "/b", "Using Quick Encryption Method");
  meter.SetPercent(1);  // must return
  const int afterFirst = flood.handled;
  EXPECT_GT(afterFirst, 0);
  meter.SetPercent(2);
  EXPECT_GT(flood.handled, afterFirst);
  meter.DestroyWindow();
  QCoreApplication::removePostedEvents(&flood);
}

TEST_F(Meters, WipeMeterHasNoButtonShowsItsPassAndPumpsNothing) {
  QWidget main;
  main.resize(640, 480);
  main.show();
  CWipeDlg meter(&main);
  EXPECT_EQ(meter.windowTitle(), "Wiping Original File");
  EXPECT_TRUE(meter.findChildren<QPushButton*>().isEmpty());
  bool ran = false;
  QMetaObject::invokeMethod(
      &meter, [&ran] { ran = true; }, Qt::QueuedConnection);
  meter.Begin();
  EXPECT_TRUE(meter.isVisible());
  ASSERT_NE(meter.windowHandle(), nullptr);
  EXPECT_EQ(meter.windowHandle()->transientParent(), main.windowHandle());
  EXPECT_EQ(Text(&meter, "static1024"), "Pass 1");
  auto* bar = Child<QProgressBar>(&meter, "progress1023");
  EXPECT_EQ(bar->minimum(), 0);
  EXPECT_EQ(bar->maximum(), 100);
  EXPECT_EQ(bar->value(), 0);
  meter.SetBar(33);
  meter.SetPassLabel("Pass 2");
  EXPECT_EQ(bar->value(), 33);
  EXPECT_EQ(Text(&meter, "static1024"), "Pass 2");
  EXPECT_FALSE(ran) << "the wipe meter ran pending events";
  // Neither Esc nor the close box interrupts the wipe.
  PressKey(&meter, Qt::Key_Escape);
  meter.close();
  EXPECT_TRUE(meter.isVisible());
  meter.Close();
  EXPECT_FALSE(meter.isVisible());
  QCoreApplication::processEvents();
  EXPECT_TRUE(ran);
}

}  // namespace
}  // namespace quorvane::test
