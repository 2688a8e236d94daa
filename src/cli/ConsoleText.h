#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace quorvane {

// The text as one printable line: every control character (a line break, an escape, a tab, ...,
// and the C1 controls U+0080 to U+009F written in UTF-8) becomes '?', so a name taken from a crypt
// header can neither split a message line nor send escape sequences to a terminal. Other bytes pass
// unchanged.
std::string OneLine(std::string_view text);

// The number of characters a UTF-8 text takes on a terminal, counting one per code point.
std::size_t DisplayWidth(std::string_view text);

// Writes the text and a line end on stderr.
void WriteErrorLine(std::string_view text);
// Writes the text on stdout as it stands.
void WriteOutput(std::string_view text);

}  // namespace quorvane
