#include "cli/ConsoleText.h"

#include <cstdio>

namespace quorvane {

std::string OneLine(std::string_view text) {
  std::string line(text);
  for (char& c : line) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x20 || byte == 0x7F) c = '?';
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
