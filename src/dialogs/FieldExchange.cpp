#include "dialogs/FieldExchange.h"

#include <QLineEdit>
#include <algorithm>

#include "dialogs/MessageBoxes.h"

namespace quorvane {
namespace {

const char kLimitProperty[] = "quorvaneLimit";

// Lowers a raised limit back to the field's own once its text fits.
void RestoreLimitWhenFits(QLineEdit* field) {
  const int limit = field->property(kLimitProperty).toInt();
  if (field->maxLength() > limit && field->text().size() <= limit) field->setMaxLength(limit);
}

}  // namespace

void PutText(QLineEdit* field, const QString& text, int maxCharacters) {
  if (!field->property(kLimitProperty).isValid()) {
    QObject::connect(field, &QLineEdit::textChanged, field,
                     [field](const QString&) { RestoreLimitWhenFits(field); });
  }
  field->setProperty(kLimitProperty, maxCharacters);
  field->setMaxLength(std::max<int>(maxCharacters, static_cast<int>(text.size())));
  field->setText(text);
  RestoreLimitWhenFits(field);
}

bool CheckLength(QWidget* dialog, QLineEdit* field, int maxCharacters) {
  if (field->text().size() <= maxCharacters) return true;
  RefuseTooLong(dialog, maxCharacters);
  field->setFocus(Qt::OtherFocusReason);
  field->selectAll();
  return false;
}

}  // namespace quorvane
