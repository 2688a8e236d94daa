#pragma once

#include <QString>

class QLineEdit;
class QWidget;

namespace quorvane {

// Puts a text out to a field limited to maxCharacters typed characters. A longer text (a preset
// name, a path chosen in a file dialog) is shown whole rather than cut; the limit takes hold
// again as soon as the text fits.
void PutText(QLineEdit* field, const QString& text, int maxCharacters);

// Checks a field being taken in: false, after the refusal, with the focus on the field and its
// text selected, when it holds more than maxCharacters characters.
bool CheckLength(QWidget* dialog, QLineEdit* field, int maxCharacters);

}  // namespace quorvane
