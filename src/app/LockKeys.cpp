#include "app/LockKeys.h"

#include <QtGui/qguiapplication_platform.h>
#include <QGuiApplication>

#ifdef QUORVANE_HAVE_X11
#include <X11/XKBlib.h>
#include <X11/Xlib.h>
#endif

namespace quorvane {

#ifdef QUORVANE_HAVE_X11
namespace {

// True when the named indicator is lit; the names are those of the keyboard's XKB map.
bool IndicatorOn(Display* display, const char* name) {
  const Atom atom = XInternAtom(display, name, True);
  if (atom == None) return false;
  Bool on = False;
  if (!XkbGetNamedIndicator(display, atom, nullptr, &on, nullptr, nullptr)) return false;
  return on;
}

}  // namespace

std::optional<LockKeys> QueryLockKeys() {
  auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
  Display* display = x11 ? x11->display() : nullptr;
  if (!display) return std::nullopt;
  LockKeys keys;
  keys.capsLock = IndicatorOn(display, "Caps Lock");
  keys.numLock = IndicatorOn(display, "Num Lock");
  keys.scrollLock = IndicatorOn(display, "Scroll Lock");
  return keys;
}

#else

std::optional<LockKeys> QueryLockKeys() {
  return std::nullopt;
}

#endif

}  // namespace quorvane
