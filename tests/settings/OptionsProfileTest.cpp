#include <gtest/gtest.h>
#include <stdlib.h>

#include <optional>
#include <string>

#include "settings/OptionKeys.h"
#include "settings/OptionsProfile.h"
#include "support/TempDir.h"

namespace quorvane::test {
namespace {

// Sets an environment variable for one scope and puts the old value back.
class ScopedEnv {
 public:
  ScopedEnv(const char* name, std::optional<std::string> value) : m_name(name) {
    if (const char* old = getenv(name)) m_old = old;
    if (value) {
      setenv(name, value->c_str(), 1);
    } else {
      unsetenv(name);
    }
  }
  ~ScopedEnv() {
    if (m_old) {
      setenv(m_name, m_old->c_str(), 1);
    } else {
      unsetenv(m_name);
    }
  }

 private:
  const char* m_name;
  std::optional<std::string> m_old;
};

TEST(OptionsProfile, NoProfileGivesTheDefaultsAndWritesNothing) {
  TempDir dir;
  const OptionsProfile profile(dir / "none/quorvane.ini");
  const AppOptions options = profile.Load();
  EXPECT_EQ(options.AllowNewDecryptionName, 0);
  EXPECT_EQ(options.AlwaysAskOptions, 0);
  EXPECT_EQ(options.AlwaysShowStats, 1);
  EXPECT_EQ(options.DeleteCryptAfterDecryption, 1);
  EXPECT_EQ(options.ForceCryptToHaveCRPExtention, 0);
  EXPECT_EQ(options.MarkCryptAsHiddenFile, 0);
  EXPECT_EQ(options.WipeandDeleteOriginalFile, 0);
  EXPECT_EQ(options.EncryptionMethod, "Secure");
  EXPECT_FALSE(FileExists(dir / "none"));

  // The table's defaults are the record's defaults.
  const AppOptions defaults;
  for (const OptionKey& key : kOptionKeys) {
    if (key.type == OptionKey::Type::Flag) {
      EXPECT_EQ(defaults.*key.flag, key.flagDefault) << key.name;
    } else {
      EXPECT_EQ(defaults.*key.text, key.textDefault) << key.name;
    }
  }
}

TEST(OptionsProfile, ReadsTheEightKeysOfTheOptionsSection) {
  TempDir dir;
  WriteFileBytes(dir / "q.ini",
                 "[Other]\nAlwaysAskOptions=7\n"
                 "[Options]\n"
                 "AllowNewDecryptionName=5\n"
                 "AlwaysAskOptions=1\n"
                 "AlwaysShowStats=0\n"
                 "DeleteCryptAfterDecryption=0\n"
                 "ForceCryptToHaveCRPExtention=2\n"
                 "MarkCryptAsHiddenFile=-1\n"
                 "WipeandDeleteOriginalFile=1\n"
                 "EncryptionMethod=Trashed (See Help)\n");
  AppOptions expected;
  expected.AllowNewDecryptionName = 5;
  expected.AlwaysAskOptions = 1;
  expected.AlwaysShowStats = 0;
  expected.DeleteCryptAfterDecryption = 0;
  expected.ForceCryptToHaveCRPExtention = 2;
  expected.MarkCryptAsHiddenFile = -1;
  expected.WipeandDeleteOriginalFile = 1;
  expected.EncryptionMethod = "Trashed (See Help)";
  EXPECT_EQ(OptionsProfile(dir / "q.ini").Load(), expected);
}

TEST(OptionsProfile, AMalformedFlagReadsAsItsDefault) {
  const struct {
    const char* stored;
    int expected;  // for AlwaysShowStats, default 1
  } cases[] = {
      {"0", 0},
      {"42", 42},
      {"-7", -7},
      {" 3 ", 3},
      {"abc", 1},
      {"5x", 1},
      {"", 1},
      {"0x10", 1},
      {"1.5", 1},
      {"4294967296", 1},
      {"-2147483648", -2147483648},
  };
  for (const auto& c : cases) {
    TempDir dir;
    WriteFileBytes(dir / "q.ini", std::string("[Options]\nAlwaysShowStats=") + c.stored + "\n");
    EXPECT_EQ(OptionsProfile(dir / "q.ini").Load().AlwaysShowStats, c.expected)
        << "stored \"" << c.stored << "\"";
  }
}

TEST(OptionsProfile, SaveWritesAllEightKeysAndKeepsTheRest) {
  TempDir dir;
  // The folders are made on save; the path's bytes are the file system's.
  const std::string ini = dir / "caf\xc3\xa9 \xe2\x82\xac/quorvane/quorvane.ini";
  OptionsProfile(ini).Save(AppOptions{});
  ASSERT_TRUE(FileExists(ini));
  const std::string written = ReadFileBytes(ini);
  for (const char* line : {"[Options]\n", "AllowNewDecryptionName=0\n", "AlwaysAskOptions=0\n",
                           "AlwaysShowStats=1\n", "DeleteCryptAfterDecryption=1\n",
                           "ForceCryptToHaveCRPExtention=0\n", "MarkCryptAsHiddenFile=0\n",
                           "WipeandDeleteOriginalFile=0\n", "EncryptionMethod=Secure\n"}) {
    EXPECT_NE(written.find(line), std::string::npos) << line << " missing from\n" << written;
  }

  TempDir other;
  WriteFileBytes(other / "q.ini", "[Window]\nWidth=640\n[Options]\nUnknown=x\n");
  AppOptions options;
  options.WipeandDeleteOriginalFile = 5;
  options.EncryptionMethod = "My method, with commas = and \"quotes\" \xc3\xa9";
  OptionsProfile(other / "q.ini").Save(options);
  EXPECT_EQ(OptionsProfile(other / "q.ini").Load(), options);
  const std::string kept = ReadFileBytes(other / "q.ini");
  EXPECT_NE(kept.find("Width=640"), std::string::npos) << kept;
  EXPECT_NE(kept.find("Unknown=x"), std::string::npos) << kept;
}

TEST(OptionsProfile, DefaultPathFollowsTheConfigConvention) {
  const ScopedEnv home("HOME", "/home/someone");
  {
    const ScopedEnv config("XDG_CONFIG_HOME", "/cfg/here");
    EXPECT_EQ(DefaultProfilePath(), "/cfg/here/quorvane/quorvane.ini");
  }
  for (const std::optional<std::string>& unusable :
       {std::optional<std::string>{}, std::optional<std::string>{""},
        std::optional<std::string>{"relative/dir"}}) {
    const ScopedEnv config("XDG_CONFIG_HOME", unusable);
    EXPECT_EQ(DefaultProfilePath(), "/home/someone/.config/quorvane/quorvane.ini");
  }
  const ScopedEnv config("XDG_CONFIG_HOME", "/x");
  EXPECT_EQ(OptionsProfile().path(), "/x/quorvane/quorvane.ini");
}

}  // namespace
}  // namespace quorvane::test
