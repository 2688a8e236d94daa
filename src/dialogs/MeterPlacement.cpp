#include "dialogs/MeterPlacement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <QWindow>

namespace quorvane {

QPoint MeterPosition(QSize mainWindow, QSize meter) {
  // C++ integer division truncates toward zero, as the rule asks.
  return QPoint(mainWindow.width() / 2 + (-meter.width()) / 2,
                mainWindow.height() / 2 + (-meter.height()) / 2);
}

void PlaceMeter(QWidget* meter, const QWidget* mainWindow) {
  QSize main;
  if (mainWindow) {
    main = mainWindow->frameGeometry().size();
  } else if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    main = screen->geometry().size();
  }
  meter->move(MeterPosition(main, meter->frameGeometry().size()));
  meter->raise();
}

void ShowMeter(QWidget* meter, QWidget* mainWindow) {
  meter->winId();  // makes the native window, so that it can be given its owner
  if (mainWindow && mainWindow->window()->windowHandle() && meter->windowHandle())
    meter->windowHandle()->setTransientParent(mainWindow->window()->windowHandle());
  meter->show();
  // Placed once shown, when the size of its frame is known.
  PlaceMeter(meter, mainWindow);
}

}  // namespace quorvane
