#include "cli/ConsoleText.h"

#include <cstdio>

namespace quorvane {

std::string OneLine(std::string_view text) {
  std::string line;
  line.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto byte = static_cast<unsigned char>(text[i]);
    if (byte < 0x20 || byte == 0x7F) {
      line += '?';
    } else if (byte == 0xC2 && i + 1 < text.size() &&
               static_cast<unsigned char>(text[i + 1]) < 0xA0 &&
               static_cast<unsigned char>(text[i + 1]) >= 0x80) {
      line += '?';  // U+0080 to U+009F, the C1 controls (U+009B is CSI, U+009D OSC)
      ++i;
    } else {
      line += text[i];
    }
  }
  return line;
}

std::size_t DisplayWidth(std::string_view text) {
  std::size_t width = 0;
  for (char c : text) {
    if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++width;  // not a continuation byte
  }
  return width;
}

void WriteErrorLine(std::string_view text) {
  std::string line(text);
  line += '\n';
  std::fwrite(line.data(), 1, line.size(), stderr);
  std::fflush(stderr);
}

void WriteOutput(std::string_view text) {
  std::fwrite(text.data(), 1, text.size(), stdout);
}

}  // namespace quorvane
