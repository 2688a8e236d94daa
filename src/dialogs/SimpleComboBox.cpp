#include "dialogs/SimpleComboBox.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>

namespace quorvane {

SimpleComboBox::SimpleComboBox(QWidget* parent) : QWidget(parent) {
  m_edit = new QLineEdit(this);
  m_edit->setObjectName(QStringLiteral("comboEdit"));
  m_list = new QListWidget(this);
  m_list->setObjectName(QStringLiteral("comboList"));
  m_list->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  m_list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  m_list->setFocusPolicy(Qt::NoFocus);
  m_list->setSelectionMode(QAbstractItemView::SingleSelection);
  setFocusProxy(m_edit);
  m_edit->installEventFilter(this);
  connect(m_list, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
    m_edit->setText(item->text());
    m_edit->selectAll();
    m_edit->setFocus(Qt::MouseFocusReason);
  });
}

void SimpleComboBox::AddItems(const QStringList& items) {
  m_list->addItems(items);
}

int SimpleComboBox::FindPrefix(const QString& text) const {
  for (int row = 0; row < m_list->count(); ++row)
    if (m_list->item(row)->text().startsWith(text, Qt::CaseInsensitive)) return row;
  return -1;
}

void SimpleComboBox::SetCurrentIndex(int index) {
  if (index < 0 || index >= m_list->count()) {
    m_list->clearSelection();
    m_list->setCurrentRow(-1);
    return;
  }
  m_list->setCurrentRow(index);
  m_list->scrollToItem(m_list->item(index));
  m_edit->setText(m_list->item(index)->text());
}

int SimpleComboBox::CurrentIndex() const {
  const auto selected = m_list->selectedItems();
  return selected.isEmpty() ? -1 : m_list->row(selected.front());
}

QString SimpleComboBox::Text() const {
  return m_edit->text();
}

void SimpleComboBox::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  LayOut();
}

void SimpleComboBox::LayOut() {
  const int editHeight = m_edit->sizeHint().height();
  m_edit->setGeometry(0, 0, width(), editHeight);
  // The list shows whole rows only, as list boxes do, leaving the rest of the place empty.
  const int frame = 2 * m_list->frameWidth();
  const int row =
      m_list->count() > 0 ? qMax(1, m_list->sizeHintForRow(0)) : m_list->fontMetrics().height();
  const int room = qMax(0, height() - editHeight - frame);
  const int rows = qMax(1, room / row);
  m_list->setGeometry(0, editHeight, width(), qMin(height() - editHeight, rows * row + frame));
}

bool SimpleComboBox::eventFilter(QObject* watched, QEvent* event) {
  if (watched == m_edit && event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Up || key == Qt::Key_Down) {
      const int count = m_list->count();
      if (count > 0) {
        int row = CurrentIndex();
        row = key == Qt::Key_Up ? qMax(0, row - 1) : qMin(count - 1, row + 1);
        SetCurrentIndex(row);
        m_edit->selectAll();
      }
      return true;
    }
  }
  return QWidget::eventFilter(watched, event);
}

}  // namespace quorvane
