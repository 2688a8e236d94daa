#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace quorvane {

// Conversions between UTF-8 and the Windows-1252 code page, through the C library's iconv.
// Crypts made on Western Windows systems carry names and password signatures in that page.

bool IsValidUtf8(std::string_view bytes);

// The Windows-1252 bytes of valid UTF-8 text, or nullopt when the text is not valid UTF-8 or
// holds a character that Windows-1252 cannot represent.
std::optional<std::string> Utf8ToWindows1252(std::string_view utf8);

// UTF-8 text from Windows-1252 bytes. The five bytes that page leaves undefined (0x81, 0x8D,
// 0x8F, 0x90, 0x9D) become the control characters of the same number, as Windows does.
std::string Windows1252ToUtf8(std::string_view bytes);

// A name as shown to a person: valid UTF-8 as it is, anything else read as Windows-1252.
std::string DisplayName(std::string_view bytes);

}  // namespace quorvane
