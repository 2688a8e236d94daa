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

// Shows a meter as a window owned by the main window (kept above it by the window system) and
// places it. The main window is the meter's owner, not its Qt parent, so the meter's life stays
// with the routine that made it even if the main window goes first.
void ShowMeter(QWidget* meter, QWidget* mainWindow);

}  // namespace quorvane
