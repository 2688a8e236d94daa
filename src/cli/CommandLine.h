#pragma once

#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "cli/PasswordInput.h"

namespace quorvane {

// What the command line asks for.
struct CliRequest {
  enum class Command { Encrypt, Decrypt, Stats, Options };
  Command command = Command::Options;
  std::vector<std::string> files;
  std::optional<std::string> output;  // -o, as given
  std::optional<std::string> method;  // -m, as the canonical method text
  // Options set for this run; nullopt keeps the profile's value.
  std::optional<int> wipe;
  std::optional<int> hidden;
  std::optional<int> forceCrp;
  std::optional<int> deleteCrypt;
  bool yes = false;
  bool quiet = false;
  bool json = false;
  PasswordInput password;
};

// The exit status: 0 completed, 1 refused, failed or cancelled, 2 usage.
inline constexpr int kExitCompleted = 0;
inline constexpr int kExitNotCompleted = 1;
inline constexpr int kExitUsage = 2;

// The canonical method text for a name given to -m in any case: "Quick", "Secure", "Maximum",
// or "Trashed (See Help)" for Trashed. nullopt for anything else.
std::optional<std::string> CanonicalMethodName(const std::string& name);

// Parses the command line. --help, --version and usage errors are handled here (printed on
// stdout, or on stderr for an error); the variant then holds the exit status.
std::variant<CliRequest, int> ParseCommandLine(int argc, char** argv);

}  // namespace quorvane
