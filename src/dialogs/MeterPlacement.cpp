#include "dialogs/MeterPlacement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

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

}  // namespace quorvane
