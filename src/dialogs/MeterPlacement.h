#pragma once

#include <QPoint>
#include <QSize>

class QWidget;

namespace quorvane {

// Where a meter goes: half the main window's size less half the meter's, each half truncated
// toward zero on its own, measured from the screen's origin (the main window's own position
// is not added).
QPoint MeterPosition(QSize mainWindow, QSize meter);

// Moves the meter there and raises it. Without a main window the primary screen stands in.
void PlaceMeter(QWidget* meter, const QWidget* mainWindow);

}  // namespace quorvane
