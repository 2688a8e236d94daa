// The lock-key panes on a real X server (run by ctest under Xvfb; skipped elsewhere).
#include <QtGui/qguiapplication_platform.h>
#include <QGuiApplication>
#include <QLabel>

#include "AppTest.h"
#include "app/CMainFrame.h"
#include "app/LockKeys.h"

#ifdef QUORVANE_HAVE_X11
#include <X11/XKBlib.h>
#include <X11/keysym.h>
#endif

namespace quorvane::test {
namespace {

class LockKeysX11Test : public AppTest {};

TEST_F(LockKeysX11Test, PanesLightWithTheirLocks) {
#ifdef QUORVANE_HAVE_X11
  auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
  if (!x11 || !x11->display()) GTEST_SKIP() << "not on an X server";
  Display* display = x11->display();
  unsigned int numLockMask = XkbKeysymToModifiers(display, XK_Num_Lock);
  ASSERT_NE(numLockMask, 0u);

  Start({});
  CMainFrame& frame = *m_app->MainFrame();
  const struct {
    unsigned int locked;
    bool cap, num;
  } cases[] = {{0, false, false},
               {LockMask, true, false},
               {numLockMask, false, true},
               {LockMask | numLockMask, true, true},
               {0, false, false}};
  for (const auto& c : cases) {
    XkbLockModifiers(display, XkbUseCoreKbd, LockMask | numLockMask, c.locked);
    XSync(display, False);
    ASSERT_TRUE(QueryLockKeys().has_value());
    frame.UpdateIndicators();
    EXPECT_EQ(frame.Indicator(0)->isEnabled(), c.cap) << c.locked;
    EXPECT_EQ(frame.Indicator(1)->isEnabled(), c.num) << c.locked;
    EXPECT_FALSE(frame.Indicator(2)->isEnabled());
  }
#else
  GTEST_SKIP() << "built without X11";
#endif
}

}  // namespace
}  // namespace quorvane::test
