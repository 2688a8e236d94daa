#pragma once

#include <QString>
#include <string>

namespace quorvane {

// The one place where the dialogs turn the core's byte strings into Qt text and back.

// A file name's bytes as text for a field, and a field's text as the bytes of a file name.
QString NameText(const std::string& bytes);
std::string NameBytes(const QString& text);

// The bytes of a field taken in: the previous bytes when the field still shows exactly what
// they were put out as (so a name that is not valid UTF-8 survives a dialog untouched),
// otherwise the bytes of the text.
std::string TakeNameBytes(const QString& text, const std::string& previous);

// A typed password as the operations take it: its UTF-8 bytes (they pick the byte form that
// goes into a crypt, Windows-1252 where the password has one).
std::string PasswordBytes(const QString& typed);

// Any other text of the core (messages, statistics values, the method text).
QString DisplayText(const std::string& bytes);
std::string TakeTextBytes(const QString& text, const std::string& previous);

}  // namespace quorvane
