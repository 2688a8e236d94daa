#pragma once

#include <QRect>
#include <QSize>
#include <QString>
#include <initializer_list>

class QFont;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace quorvane {

// Converts dialog units to pixels with the metrics of a dialog's font: a horizontal unit is a
// quarter of the average character width, a vertical unit an eighth of the character height.
// Every dialog of the program is laid out from its template through this one class.
class DialogUnits {
 public:
  explicit DialogUnits(const QFont& font);
  DialogUnits(int baseWidth, int baseHeight);

  int X(int units) const;
  int Y(int units) const;
  QRect Rect(int x, int y, int width, int height) const;
  QSize Size(int width, int height) const;

  int BaseWidth() const { return m_baseWidth; }
  int BaseHeight() const { return m_baseHeight; }

 private:
  int m_baseWidth;
  int m_baseHeight;
};

// Gives a dialog its template size (the client area, in dialog units) and its title.
void SetUpDialog(QWidget* dialog, const DialogUnits& units, int width, int height,
                 const QString& title);

// Puts a control at its template place (dialog units) under its stable object name.
void Place(QWidget* control, const DialogUnits& units, const char* objectName, int x, int y,
           int width, int height);

// Controls as the templates use them, placed and named.
QPushButton* AddButton(QWidget* dialog, const DialogUnits& units, const char* objectName,
                       const QString& text, int x, int y, int width, int height);
// A fixed label. Where the desktop's font sets its text wider than the template allowed, the
// label grows to the right (up to the dialog's edge) rather than cut its text.
QLabel* AddLabel(QWidget* dialog, const DialogUnits& units, const char* objectName,
                 const QString& text, int x, int y, int width, int height);
// A label whose text wraps inside its place.
QLabel* AddWrappedLabel(QWidget* dialog, const DialogUnits& units, const char* objectName,
                        const QString& text, int x, int y, int width, int height);
// A sunken static text that clips what does not fit.
QLabel* AddSunkenLabel(QWidget* dialog, const DialogUnits& units, const char* objectName, int x,
                       int y, int width, int height);
QLineEdit* AddEdit(QWidget* dialog, const DialogUnits& units, const char* objectName, int x, int y,
                   int width, int height);

// Widens a control to the width its text needs, never past the dialog's right edge less
// the 5-unit margin of the templates, nor to within 5 units of a control already placed to its
// right on the same rows (it would lie over it and take its clicks), and never narrower than its
// template width.
void FitWidthToText(QWidget* control, const DialogUnits& units);

// Makes the Tab key visit the controls in the order given (the template order).
void SetTabOrder(std::initializer_list<QWidget*> controls);

}  // namespace quorvane
