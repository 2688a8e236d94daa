#pragma once

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "CliProcess.h"
#include "support/TempDir.h"

namespace quorvane::test {

// A fresh folder for each test, with a private config home under it and the program run with
// that folder as its current folder.
class CliTest : public ::testing::Test {
 protected:
  std::string Path(const std::string& name) const { return m_dir / name; }
  const std::string& Folder() const { return m_dir.path(); }
  std::string ProfilePath() const { return m_dir / "config/quorvane/quorvane.ini"; }

  // Writes the profile INI file.
  void WriteProfile(const std::string& text) const;
  // A password file holding exactly these bytes; returns its path.
  std::string PasswordFile(const std::string& bytes, const std::string& name = "pw") const;

  CliResult Cli(std::vector<std::string> args,
                std::optional<std::string> descriptor3 = std::nullopt) const;
  CliInvocation Invocation(std::vector<std::string> args) const;

  // encrypt -q --password-file with the password "secret" (plus extra args), asserted to complete
  // with nothing on stderr.
  void EncryptOk(const std::vector<std::string>& args) const;

 private:
  TempDir m_dir;
};

// Bytes that no transform leaves alone: every value, in a scrambled order.
std::string SampleBytes(std::size_t size, unsigned seed = 1);
// The method byte (offset 3) of a crypt on disk.
int MethodByte(const std::string& cryptName);
// The lines of a file's contents.
std::vector<std::string> FileLines(const std::string& fileName);

}  // namespace quorvane::test
