#include "cli/Listings.h"

#include <array>
#include <cstdio>
#include <utility>

#include "cli/ConsoleText.h"
#include "settings/OptionKeys.h"

namespace quorvane {

namespace {

// The length of the valid UTF-8 sequence that starts at text[i], or 0 when none does.
std::size_t Utf8SequenceLength(std::string_view text, std::size_t i) {
  const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
  const unsigned char lead = byte(i);
  std::size_t length = 0;
  unsigned char low = 0x80, high = 0xBF;  // the allowed range of the second byte
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    if (lead == 0xE0) low = 0xA0;   // no overlong forms
    if (lead == 0xED) high = 0x9F;  // no surrogates
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    if (lead == 0xF0) low = 0x90;
    if (lead == 0xF4) high = 0x8F;  // nothing above U+10FFFF
  } else {
    return 0;
  }
  if (i + length > text.size()) return 0;
  if (byte(i + 1) < low || byte(i + 1) > high) return 0;
  for (std::size_t k = 2; k < length; ++k) {
    if ((byte(i + k) & 0xC0) != 0x80) return 0;
  }
  return length;
}

// A decimal integer literal as JSON takes it: an optional minus, then digits without a leading
// zero (unless the number is 0).
bool IsJsonInteger(std::string_view text) {
  if (!text.empty() && text.front() == '-') text.remove_prefix(1);
  if (text.empty() || (text.size() > 1 && text.front() == '0')) return false;
  for (char c : text) {
    if (c < '0' || c > '9') return false;
  }
  return true;
}

std::string JsonNumber(const std::string& text) {
  return IsJsonInteger(text) ? text : JsonString(text);
}

}  // namespace

std::string JsonString(std::string_view bytes) {
  std::string out = "\"";
  for (std::size_t i = 0; i < bytes.size();) {
    const auto c = static_cast<unsigned char>(bytes[i]);
    if (c < 0x80) {
      switch (c) {
        case '"':
          out += "\\\"";
          break;
        case '\\':
          out += "\\\\";
          break;
        case '\b':
          out += "\\b";
          break;
        case '\f':
          out += "\\f";
          break;
        case '\n':
          out += "\\n";
          break;
        case '\r':
          out += "\\r";
          break;
        case '\t':
          out += "\\t";
          break;
        default:
          if (c < 0x20 || c == 0x7F) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\u%04x", c);
            out += escape;
          } else {
            out += static_cast<char>(c);
          }
      }
      ++i;
      continue;
    }
    const std::size_t length = Utf8SequenceLength(bytes, i);
    if (length == 0) {
      out += "\xEF\xBF\xBD";  // U+FFFD REPLACEMENT CHARACTER
      ++i;
    } else if (c == 0xC2 && static_cast<unsigned char>(bytes[i + 1]) < 0xA0) {
      // A C1 control (U+0080 to U+009F): escaped like the other controls, so the text never
      // carries a terminal sequence.
      char escape[8];
      std::snprintf(escape, sizeof escape, "\\u%04x", static_cast<unsigned char>(bytes[i + 1]));
      out += escape;
      i += length;
    } else {
      out.append(bytes.substr(i, length));
      i += length;
    }
  }
  out += '"';
  return out;
}

std::string StatisticsJson(const StatisticsTexts& texts, int indent) {
  const std::string pad(static_cast<std::size_t>(indent), ' ');
  const std::array<std::pair<const char*, std::string>, 7> fields{{
      {"crypt_name", JsonString(texts.cryptName)},
      {"crypt_size", JsonNumber(texts.cryptSize)},
      {"original_name", JsonString(texts.originalName)},
      {"original_size", JsonNumber(texts.originalSize)},
      {"method", JsonString(texts.method)},
      {"header_size", JsonNumber(texts.headerSize)},
      {"version", JsonString(texts.version)},
  }};
  std::string out = pad + "{\n";
  for (std::size_t i = 0; i < fields.size(); ++i) {
    out += pad + "  \"" + fields[i].first + "\": " + fields[i].second;
    out += i + 1 < fields.size() ? ",\n" : "\n";
  }
  out += pad + "}";
  return out;
}

std::string StatisticsListJson(const std::vector<StatisticsTexts>& list, bool asArray) {
  if (!asArray) return list.empty() ? std::string() : StatisticsJson(list.front()) + "\n";
  if (list.empty()) return "[]\n";
  std::string out = "[\n";
  for (std::size_t i = 0; i < list.size(); ++i) {
    out += StatisticsJson(list[i], 2);
    out += i + 1 < list.size() ? ",\n" : "\n";
  }
  out += "]\n";
  return out;
}

std::string OptionsJson(const AppOptions& options) {
  std::string out = "{\n";
  for (std::size_t i = 0; i < kOptionKeys.size(); ++i) {
    const OptionKey& key = kOptionKeys[i];
    out += "  \"" + std::string(key.name) + "\": ";
    out += key.type == OptionKey::Type::Flag ? std::to_string(options.*key.flag)
                                             : JsonString(options.*key.text);
    out += i + 1 < kOptionKeys.size() ? ",\n" : "\n";
  }
  out += "}\n";
  return out;
}

std::string OptionsText(const AppOptions& options) {
  std::string out;
  for (const OptionKey& key : kOptionKeys) {
    out += key.name;
    out += '=';
    out += key.type == OptionKey::Type::Flag ? std::to_string(options.*key.flag)
                                             : OneLine(options.*key.text);
    out += '\n';
  }
  return out;
}

std::string StatisticsText(const StatisticsTexts& texts) {
  const std::array<std::pair<const char*, const std::string*>, 7> rows{{
      {"Crypt Name:", &texts.cryptName},
      {"Crypt Size (bytes):", &texts.cryptSize},
      {"Original Name:", &texts.originalName},
      {"Original Size (bytes):", &texts.originalSize},
      {"Encryption Method:", &texts.method},
      {"Header Size:", &texts.headerSize},
      {"Quorvane Version:", &texts.version},
  }};
  constexpr std::size_t kLabelColumn = 24;  // the longest label and two blanks
  std::string out;
  for (const auto& [label, value] : rows) {
    std::string row = label;
    row.resize(kLabelColumn, ' ');
    out += row + OneLine(*value) + '\n';
  }
  return out;
}

}  // namespace quorvane
