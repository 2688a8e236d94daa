#include "dialogs/Widgets.h"

#include <QFont>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

namespace quorvane {
namespace {

// Rounds a * b / c to the nearest integer, halves away from zero, for non-negative a and b.
int MulDiv(int a, int b, int c) {
  return (2 * a * b + c) / (2 * c);
}

}  // namespace

DialogUnits::DialogUnits(const QFont& font) {
  const QFontMetrics metrics(font);
  // The average width is that of the 52 letters, rounded, as the templates were drawn with.
  const QString letters = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
  m_baseWidth = (metrics.horizontalAdvance(letters) / 26 + 1) / 2;
  m_baseHeight = metrics.height();
  if (m_baseWidth < 1) m_baseWidth = 1;
  if (m_baseHeight < 1) m_baseHeight = 1;
}

DialogUnits::DialogUnits(int baseWidth, int baseHeight)
    : m_baseWidth(baseWidth), m_baseHeight(baseHeight) {}

int DialogUnits::X(int units) const {
  return MulDiv(units, m_baseWidth, 4);
}
int DialogUnits::Y(int units) const {
  return MulDiv(units, m_baseHeight, 8);
}

QRect DialogUnits::Rect(int x, int y, int width, int height) const {
  return QRect(X(x), Y(y), X(width), Y(height));
}

QSize DialogUnits::Size(int width, int height) const {
  return QSize(X(width), Y(height));
}

void SetUpDialog(QWidget* dialog, const DialogUnits& units, int width, int height,
                 const QString& title) {
  dialog->setFixedSize(units.Size(width, height));
  dialog->setWindowTitle(title);
}

void Place(QWidget* control, const DialogUnits& units, const char* objectName, int x, int y,
           int width, int height) {
  control->setObjectName(QString::fromLatin1(objectName));
  control->setGeometry(units.Rect(x, y, width, height));
}

QPushButton* AddButton(QWidget* dialog, const DialogUnits& units, const char* objectName,
                       const QString& text, int x, int y, int width, int height) {
  auto* button = new QPushButton(text, dialog);
  Place(button, units, objectName, x, y, width, height);
  return button;
}

namespace {

QLabel* NewLabel(QWidget* dialog, const DialogUnits& units, const char* objectName,
                 const QString& text, int x, int y, int width, int height) {
  auto* label = new QLabel(text, dialog);
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  label->setTextFormat(Qt::PlainText);
  Place(label, units, objectName, x, y, width, height);
  return label;
}

}  // namespace

QLabel* AddLabel(QWidget* dialog, const DialogUnits& units, const char* objectName,
                 const QString& text, int x, int y, int width, int height) {
  QLabel* label = NewLabel(dialog, units, objectName, text, x, y, width, height);
  FitWidthToText(label, units);
  return label;
}

QLabel* AddWrappedLabel(QWidget* dialog, const DialogUnits& units, const char* objectName,
                        const QString& text, int x, int y, int width, int height) {
  QLabel* label = NewLabel(dialog, units, objectName, text, x, y, width, height);
  label->setWordWrap(true);
  return label;
}

void FitWidthToText(QWidget* control, const DialogUnits& units) {
  const QWidget* dialog = control->parentWidget();
  int room = dialog ? dialog->width() - units.X(5) - control->x() : control->width();
  if (dialog) {
    const QRect own = control->geometry();
    for (const QWidget* other : dialog->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
      const QRect place = other->geometry();
      const bool sameRows = place.top() <= own.bottom() && own.top() <= place.bottom();
      if (other != control && sameRows && place.left() >= own.right())
        room = qMin(room, place.left() - units.X(5) - control->x());
    }
  }
  const int wanted = qMin(control->sizeHint().width(), room);
  if (wanted > control->width()) control->resize(wanted, control->height());
}

QLabel* AddSunkenLabel(QWidget* dialog, const DialogUnits& units, const char* objectName, int x,
                       int y, int width, int height) {
  QLabel* label = NewLabel(dialog, units, objectName, QString(), x, y, width, height);
  label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  label->setLineWidth(1);
  label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  // The text is clipped by the control, never widens it.
  label->setMinimumSize(label->size());
  label->setMaximumSize(label->size());
  return label;
}

QLineEdit* AddEdit(QWidget* dialog, const DialogUnits& units, const char* objectName, int x, int y,
                   int width, int height) {
  auto* edit = new QLineEdit(dialog);
  Place(edit, units, objectName, x, y, width, height);
  return edit;
}

void SetTabOrder(std::initializer_list<QWidget*> controls) {
  QWidget* previous = nullptr;
  for (QWidget* control : controls) {
    if (previous) QWidget::setTabOrder(previous, control);
    previous = control;
  }
}

}  // namespace quorvane
