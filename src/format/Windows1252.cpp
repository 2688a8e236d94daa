#include "format/Windows1252.h"

#include <iconv.h>

#include <cerrno>
#include <stdexcept>

namespace quorvane {
namespace {

// One iconv conversion descriptor per use; iconv state is not shared between threads.
class Converter {
 public:
  Converter(const char* to, const char* from) : m_cd(iconv_open(to, from)) {
    if (m_cd == reinterpret_cast<iconv_t>(-1)) {
      throw std::runtime_error(std::string("iconv cannot convert from ") + from + " to " + to);
    }
  }
  ~Converter() { iconv_close(m_cd); }
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;

  // Converts all of input; nullopt when some byte sequence cannot be converted.
  std::optional<std::string> Convert(std::string_view input) {
    std::string output(input.size() * 4 + 8, '\0');
    char* in = const_cast<char*>(input.data());
    std::size_t inLeft = input.size();
    char* out = output.data();
    std::size_t outLeft = output.size();
    while (inLeft > 0) {
      if (iconv(m_cd, &in, &inLeft, &out, &outLeft) == static_cast<std::size_t>(-1)) {
        if (errno == E2BIG) {
          const std::size_t used = output.size() - outLeft;
          output.resize(output.size() * 2);
          out = output.data() + used;
          outLeft = output.size() - used;
          continue;
        }
        return std::nullopt;  // EILSEQ or EINVAL: not representable or not valid input
      }
    }
    output.resize(output.size() - outLeft);
    return output;
  }

 private:
  iconv_t m_cd;
};

}  // namespace

bool IsValidUtf8(std::string_view bytes) {
  std::size_t i = 0;
  while (i < bytes.size()) {
    const auto lead = static_cast<unsigned char>(bytes[i]);
    std::size_t length = 0;
    char32_t code = 0;
    if (lead < 0x80) {
      ++i;
      continue;
    } else if (lead >= 0xC2 && lead <= 0xDF) {
      length = 2;
      code = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
      length = 3;
      code = lead & 0x0F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
      length = 4;
      code = lead & 0x07;
    } else {
      return false;
    }
    if (i + length > bytes.size()) return false;
    for (std::size_t k = 1; k < length; ++k) {
      const auto next = static_cast<unsigned char>(bytes[i + k]);
      if ((next & 0xC0) != 0x80) return false;
      code = (code << 6) | (next & 0x3F);
    }
    // Overlong forms, surrogates and values past U+10FFFF are not UTF-8.
    if ((length == 3 && code < 0x800) || (length == 4 && code < 0x10000) || code > 0x10FFFF ||
        (code >= 0xD800 && code <= 0xDFFF)) {
      return false;
    }
    i += length;
  }
  return true;
}

std::optional<std::string> Utf8ToWindows1252(std::string_view utf8) {
  if (!IsValidUtf8(utf8)) return std::nullopt;
  Converter converter("WINDOWS-1252", "UTF-8");
  return converter.Convert(utf8);
}

std::string Windows1252ToUtf8(std::string_view bytes) {
  Converter converter("UTF-8", "WINDOWS-1252");
  std::string result;
  result.reserve(bytes.size() * 2);
  for (char byte : bytes) {
    if (auto converted = converter.Convert(std::string_view(&byte, 1))) {
      result += *converted;
    } else {
      // Undefined in the code page: the C1 control of the same number, two bytes in UTF-8.
      const auto value = static_cast<unsigned char>(byte);
      result += static_cast<char>(0xC0 | (value >> 6));
      result += static_cast<char>(0x80 | (value & 0x3F));
    }
  }
  return result;
}

std::string DisplayName(std::string_view bytes) {
  if (IsValidUtf8(bytes)) return std::string(bytes);
  return Windows1252ToUtf8(bytes);
}

}  // namespace quorvane
