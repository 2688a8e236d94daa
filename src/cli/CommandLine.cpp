#include "cli/CommandLine.h"

#include <CLI/CLI.hpp>
#include <cctype>

namespace quorvane {

namespace {

constexpr const char* kExitStatusText =
    "Exit status: 0 when every file was completed, 1 when an operation was refused, failed or\n"
    "cancelled (Ctrl-C cancels the running operation and removes its partial output), 2 for a\n"
    "usage error. Several files run one after the other; the status is that of the worst.\n"
    "Passwords are asked on the terminal with the echo off, or read from the first line of a\n"
    "file or descriptor; never from the command line or the environment.\n";

#ifndef QUORVANE_VERSION
#define QUORVANE_VERSION "1.0.0"
#endif

// Help without CLI11's type and exclusion notes: each option shows only its value's name.
class HelpFormatter : public CLI::Formatter {
 public:
  std::string make_option_opts(const CLI::Option* option) const override {
    if (!option->nonpositional() || option->get_type_size() == 0) return {};
    return " " + option->get_type_name();
  }
};

struct Switches {
  bool on = false;
  bool off = false;
  std::optional<int> Value() const {
    if (on) return 1;
    if (off) return 0;
    return std::nullopt;
  }
};

// --name and --no-name, which exclude each other.
void AddSwitch(CLI::App& command, Switches& value, const std::string& name,
               const std::string& onText, const std::string& offText) {
  CLI::Option* on = command.add_flag("--" + name, value.on, onText);
  CLI::Option* off = command.add_flag("--no-" + name, value.off, offText);
  on->excludes(off);
}

struct PasswordFlags {
  std::string file;
  int descriptor = -1;
  CLI::Option* fileOption = nullptr;
  CLI::Option* descriptorOption = nullptr;
};

void AddPasswordFlags(CLI::App& command, PasswordFlags& flags) {
  flags.fileOption = command
                         .add_option("--password-file", flags.file,
                                     "Read the password from the first line of FILE")
                         ->type_name("FILE")
                         ->check(CLI::Validator(CLI::ExistingFile).description(""));
  flags.descriptorOption = command
                               .add_option("--password-fd", flags.descriptor,
                                           "Read the password from the first line of descriptor N")
                               ->type_name("N")
                               ->check(CLI::Validator(CLI::NonNegativeNumber).description(""));
  flags.fileOption->excludes(flags.descriptorOption);
}

PasswordInput ToPasswordInput(const PasswordFlags& flags) {
  PasswordInput input;
  if (flags.fileOption->count() > 0) {
    input.kind = PasswordInput::Kind::File;
    input.fileName = flags.file;
  } else if (flags.descriptorOption->count() > 0) {
    input.kind = PasswordInput::Kind::Descriptor;
    input.descriptor = flags.descriptor;
  }
  return input;
}

}  // namespace

std::optional<std::string> CanonicalMethodName(const std::string& name) {
  std::string lower;
  for (char c : name) lower += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  if (lower == "quick") return "Quick";
  if (lower == "secure") return "Secure";
  if (lower == "maximum") return "Maximum";
  if (lower == "trashed") return "Trashed (See Help)";
  return std::nullopt;
}

std::variant<CliRequest, int> ParseCommandLine(int argc, char** argv) {
  CLI::App app{"Turns files into password-guarded crypts (.crp) and back.", "quorvane-cli"};
  app.formatter(std::make_shared<HelpFormatter>());
  app.set_version_flag("--version", "quorvane-cli " QUORVANE_VERSION);
  app.require_subcommand(1);
  app.footer(kExitStatusText);

  CliRequest request;
  std::string output;
  std::string method;

  CLI::App* encrypt = app.add_subcommand("encrypt", "Make a crypt of each SOURCE");
  encrypt->footer(kExitStatusText);
  CLI::Option* encryptOutput =
      encrypt
          ->add_option("-o,--output", output,
                       "Name of the crypt (one SOURCE only); default: SOURCE with its last "
                       "extension replaced by .crp")
          ->type_name("CRYPT");
  CLI::Option* methodOption =
      encrypt
          ->add_option("-m,--method", method,
                       "Quick, Secure, Maximum or Trashed, in any case (default: the profile's)")
          ->type_name("METHOD")
          ->check(CLI::Validator(
              [](std::string& value) {
                return CanonicalMethodName(value) ? std::string()
                                                  : "unknown method '" + value +
                                                        "': use Quick, Secure, Maximum or Trashed";
              },
              ""));
  Switches wipe, hidden, crp;
  AddSwitch(*encrypt, wipe, "wipe", "Wipe and delete the original after encryption",
            "Keep the original");
  AddSwitch(*encrypt, hidden, "hidden", "Mark the crypt hidden (listed in the folder's .hidden)",
            "Do not mark the crypt hidden");
  AddSwitch(*encrypt, crp, "crp", "Force the crypt's name to end in .CRP",
            "Use the crypt's name as given");
  encrypt->add_flag("-y,--yes", request.yes, "Answer OK to the Trashed warning");
  PasswordFlags encryptPassword;
  AddPasswordFlags(*encrypt, encryptPassword);
  encrypt->add_flag("-q,--quiet", request.quiet,
                    "Show no information messages, statistics or progress");
  std::vector<std::string> sources;
  encrypt->add_option("SOURCE", sources, "Files to encrypt")->required();

  CLI::App* decrypt = app.add_subcommand("decrypt", "Turn each CRYPT back into its file");
  decrypt->footer(kExitStatusText);
  CLI::Option* decryptOutput =
      decrypt
          ->add_option("-o,--output", output,
                       "Name of the decrypted file (one CRYPT only); default: the name the "
                       "crypt records")
          ->type_name("TARGET");
  Switches keep;  // "on" keeps the crypt, "off" deletes it
  CLI::Option* keepOption = decrypt->add_flag("--keep", keep.on, "Keep the crypt after decryption");
  CLI::Option* deleteOption =
      decrypt->add_flag("--delete", keep.off, "Delete the crypt after decryption");
  keepOption->excludes(deleteOption);
  PasswordFlags decryptPassword;
  AddPasswordFlags(*decrypt, decryptPassword);
  decrypt->add_flag("-q,--quiet", request.quiet, "Show no information messages or progress");
  std::vector<std::string> crypts;
  decrypt->add_option("CRYPT", crypts, "Crypts to decrypt")->required();

  CLI::App* stats = app.add_subcommand("stats", "Show what each CRYPT's header records");
  stats->footer(kExitStatusText);
  stats->add_flag("--json", request.json, "Print JSON: one object, or an array for several");
  std::vector<std::string> statsFiles;
  stats->add_option("CRYPT", statsFiles, "Crypts to describe")->required();

  CLI::App* options = app.add_subcommand("options", "Show the options the profile holds");
  options->footer(kExitStatusText);
  options->add_flag("--json", request.json, "Print JSON keyed by the profile keys");

  try {
    app.parse(argc, argv);
    if (encrypt->parsed()) {
      if (encryptOutput->count() > 0 && sources.size() > 1) {
        throw CLI::ValidationError("-o", "-o names one crypt: give a single SOURCE");
      }
      request.command = CliRequest::Command::Encrypt;
      request.files = sources;
      if (encryptOutput->count() > 0) request.output = output;
      if (methodOption->count() > 0) request.method = CanonicalMethodName(method);
      request.wipe = wipe.Value();
      request.hidden = hidden.Value();
      request.forceCrp = crp.Value();
      request.password = ToPasswordInput(encryptPassword);
    } else if (decrypt->parsed()) {
      if (decryptOutput->count() > 0 && crypts.size() > 1) {
        throw CLI::ValidationError("-o", "-o names one file: give a single CRYPT");
      }
      request.command = CliRequest::Command::Decrypt;
      request.files = crypts;
      if (decryptOutput->count() > 0) request.output = output;
      if (keep.on) request.deleteCrypt = 0;
      if (keep.off) request.deleteCrypt = 1;
      request.password = ToPasswordInput(decryptPassword);
    } else if (stats->parsed()) {
      request.command = CliRequest::Command::Stats;
      request.files = statsFiles;
    } else {
      request.command = CliRequest::Command::Options;
    }
  } catch (const CLI::ParseError& error) {
    const int status = app.exit(error);
    return status == 0 ? kExitCompleted : kExitUsage;
  }
  return request;
}

}  // namespace quorvane
