#pragma once

#include <cstddef>
#include <string>

#include "platform/Secret.h"

namespace quorvane {

// Where the CLI takes passwords from. Never the command line or the environment.
struct PasswordInput {
  enum class Kind { Terminal, File, Descriptor };
  Kind kind = Kind::Terminal;
  std::string fileName;  // Kind::File
  int descriptor = -1;   // Kind::Descriptor
};

// The longest line kept in memory; anything longer is refused as too long anyway.
inline constexpr std::size_t kMaxSecretLine = 1024;
// The longest password the dialogs take.
inline constexpr std::size_t kMaxPasswordLength = 32;

// One line read from a descriptor.
struct SecretLine {
  enum class Status { Ok, Interrupted, Error };
  Status status = Status::Ok;
  std::string text;           // the bytes before the line end, at most kMaxSecretLine of them
  bool sawLineEnd = false;    // false when the input ended first
  std::size_t bytesRead = 0;  // every byte taken from the descriptor, the line end included
  int error = 0;              // errno for Status::Error

  SecretLine();
  ~SecretLine();
  SecretLine(const SecretLine&) = delete;
  SecretLine& operator=(const SecretLine&) = delete;
};

// Reads the first line of a descriptor byte by byte, so nothing after it is consumed, and gives
// it without its "\n" or "\r\n". Interrupted when Ctrl-C arrives while the read waits.
void ReadSecretLine(int descriptor, SecretLine& line);

}  // namespace quorvane
