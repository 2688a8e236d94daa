#pragma once

#include <QString>

#include "platform/Desktop.h"

class QWidget;

namespace quorvane {

// The caption of every message box.
inline constexpr char kApplicationTitle[] = "Quorvane 1.0";

// A modal message box with the OK button only, owned by owner.
void ShowMessage(QWidget* owner, const QString& text, MessageIcon icon);

// A modal box with the exclamation icon and OK (the default) and Cancel; true for OK. Esc and
// the close box answer Cancel.
bool AskOkCancel(QWidget* owner, const QString& text);

// The refusal of a text longer than its field allows.
void RefuseTooLong(QWidget* owner, int maxCharacters);

}  // namespace quorvane
