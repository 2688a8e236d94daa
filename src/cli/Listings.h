#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/Desktop.h"
#include "settings/AppOptions.h"

namespace quorvane {

// Listings on stdout: the statistics of crypts and the options, as text or as JSON.

// A JSON string literal for bytes. Valid UTF-8 passes unchanged; quotes, backslashes and control
// characters (the C1 controls U+0080 to U+009F too) are escaped; a byte that is not part of valid
// UTF-8 (a name need not be) becomes U+FFFD, so the output is always valid JSON.
std::string JsonString(std::string_view bytes);

// The statistics of one crypt as an object with the keys crypt_name, crypt_size, original_name,
// original_size, method, header_size and version; the sizes as numbers, the rest as the texts.
std::string StatisticsJson(const StatisticsTexts& texts, int indent = 0);
// One object for one crypt asked for, an array when several were.
std::string StatisticsListJson(const std::vector<StatisticsTexts>& list, bool asArray);

// The eight options as an object keyed by the profile keys, in the order of loading: the flags
// as numbers, EncryptionMethod as text.
std::string OptionsJson(const AppOptions& options);
// The eight options as "Key=value" lines, in the order of loading.
std::string OptionsText(const AppOptions& options);

// The seven labels of the statistics dialog with their values, one per line.
std::string StatisticsText(const StatisticsTexts& texts);

}  // namespace quorvane
