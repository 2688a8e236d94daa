#pragma once

#include <QStringList>
#include <QWidget>

class QLineEdit;
class QListWidget;

namespace quorvane {

// A combo box whose list is always shown under its editable field, with a vertical scroll bar
// that is always there. Choosing an item puts its text into the field; Up and Down in the field
// move through the list.
class SimpleComboBox : public QWidget {
  Q_OBJECT

 public:
  explicit SimpleComboBox(QWidget* parent = nullptr);

  void AddItems(const QStringList& items);
  // The first item that begins with text, compared without regard to case; -1 for none.
  int FindPrefix(const QString& text) const;
  // Selects an item and shows its text in the field; -1 selects nothing.
  void SetCurrentIndex(int index);
  int CurrentIndex() const;

  QString Text() const;
  QLineEdit* Edit() const { return m_edit; }
  QListWidget* List() const { return m_list; }

 protected:
  void resizeEvent(QResizeEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void LayOut();

  QLineEdit* m_edit;
  QListWidget* m_list;
};

}  // namespace quorvane
