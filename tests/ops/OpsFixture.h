#pragma once

#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "ops/AppState.h"
#include "ops/Commands.h"
#include "support/ScriptedDesktop.h"
#include "support/TempDir.h"

namespace quorvane::test {

// A fresh folder, the application state with default options, and the scripted desktop of one
// test. Crypts the test needs as input are made on desktops of their own, so that Record()
// holds only what the command under test showed.
class OpsTest : public ::testing::Test {
 protected:
  void TearDown() override;

  std::string Path(const std::string& name) const { return dir / name; }

  // Encrypts original into crypt through the Encrypt command (the Trashed warning answered OK).
  void MakeCrypt(const std::string& original, const std::string& crypt, const std::string& password,
                 const std::string& method = "Secure");
  // Decrypts crypt into target through the Decrypt command, keeping the crypt; the outcome.
  Outcome DecryptInto(const std::string& crypt, const std::string& target,
                      const std::string& password);

  TempDir dir;
  AppState app;
  ScriptedDesktop desktop;
};

// size bytes holding every byte value, in no simple order.
std::string SampleBytes(std::size_t size);

// What Record() holds for a progress meter's Begin.
std::string MeterLine(const std::string& caption, const std::string& source,
                      const std::string& target, const std::string& methodLine);

// What Record() holds for the statistics of a crypt made from an original of originalSize
// bytes under originalName with the password, the crypt being cryptSize bytes long.
std::string StatisticsLine(const std::string& cryptName, const std::string& originalName,
                           std::uint64_t originalSize, const std::string& password,
                           const std::string& methodLabel);

// The length of the header a crypt of originalName with the password gets.
std::size_t HeaderLength(const std::string& originalName, const std::string& password);

// The lines Record() holds for a whole wipe.
std::vector<std::string> WipeLines();

// True when the file can be opened exclusively now, that is, no one holds it open.
bool NotHeldOpen(const std::string& fileName);

}  // namespace quorvane::test
