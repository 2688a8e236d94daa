// The CLI's own small pieces: names, password lines, JSON strings, the meter line.
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <QByteArray>
#include <QJsonArray>
#include <QJsonDocument>

#include "cli/ConsoleMeters.h"
#include "cli/ConsoleText.h"
#include "cli/CryptNames.h"
#include "cli/Listings.h"
#include "cli/PasswordInput.h"
#include "support/TempDir.h"

namespace quorvane::test {
namespace {

TEST(CryptNames, DefaultCryptNameReplacesTheLastExtensionOfTheFileName) {
  const struct {
    const char* source;
    const char* crypt;
  } cases[] = {
      {"/d/report.txt", "/d/report.crp"},
      {"/d/notes", "/d/notes.crp"},
      {"/d/archive.tar.gz", "/d/archive.tar.crp"},
      {"/d/a.crp", "/d/a.crp"},
      {"/d/.profile", "/d/.profile.crp"},
      {"/my.dir/report", "/my.dir/report.crp"},
      {"report.", "report.crp"},
  };
  for (const auto& c : cases) EXPECT_EQ(DefaultCryptName(c.source), c.crypt) << c.source;
}

TEST(CryptNames, AbsoluteNameResolvesAgainstTheCurrentFolder) {
  TempDir dir;
  char previous[4096];
  ASSERT_NE(getcwd(previous, sizeof previous), nullptr);
  ASSERT_EQ(chdir(dir.path().c_str()), 0);
  const std::string here = dir.path();
  EXPECT_EQ(AbsoluteName("a.txt"), here + "/a.txt");
  EXPECT_EQ(AbsoluteName("./a.txt"), here + "/a.txt");
  EXPECT_EQ(AbsoluteName("sub//./b"), here + "/sub/b");
  EXPECT_EQ(AbsoluteName("../x"), here + "/../x");
  EXPECT_EQ(AbsoluteName("sub/"), here + "/sub/");
  EXPECT_EQ(AbsoluteName("/abs//x"), "/abs//x") << "absolute names are used as given";
  EXPECT_EQ(AbsoluteName(""), "");
  ASSERT_EQ(chdir(previous), 0);
}

TEST(PasswordLine, FirstLineWithoutItsLineEnd) {
  const struct {
    std::string input;
    std::string line;
    bool sawLineEnd;
    std::size_t consumed;  // nothing after the first line is taken
  } cases[] = {
      {"pw\n", "pw", true, 3},     {"pw\r\nnext\n", "pw", true, 4},
      {"pw", "pw", false, 2},      {"", "", false, 0},
      {"\n", "", true, 1},         {"pw\r", "pw\r", false, 3},  // only "\r\n" is a line end
      {"a\rb\n", "a\rb", true, 4}, {std::string("n\0ul\n", 5), std::string("n\0ul", 4), true, 5},
  };
  for (const auto& c : cases) {
    int fds[2];
    ASSERT_EQ(pipe(fds), 0);
    ASSERT_EQ(write(fds[1], c.input.data(), c.input.size()), static_cast<ssize_t>(c.input.size()));
    close(fds[1]);
    SecretLine line;
    ReadSecretLine(fds[0], line);
    EXPECT_EQ(line.status, SecretLine::Status::Ok);
    EXPECT_EQ(line.text, c.line) << c.input;
    EXPECT_EQ(line.sawLineEnd, c.sawLineEnd) << c.input;
    char rest[16];
    EXPECT_EQ(read(fds[0], rest, sizeof rest), static_cast<ssize_t>(c.input.size() - c.consumed))
        << c.input;
    close(fds[0]);
  }
}

TEST(PasswordLine, BadDescriptorIsAnError) {
  SecretLine line;
  ReadSecretLine(-1, line);
  EXPECT_EQ(line.status, SecretLine::Status::Error);
  EXPECT_NE(line.error, 0);
}

TEST(PasswordLine, ClearSecretZeroesTheBuffer) {
  std::string secret;
  secret.reserve(64);
  secret = "hunter2";
  const char* data = secret.data();
  ClearSecret(secret);
  EXPECT_TRUE(secret.empty());
  EXPECT_EQ(secret.data(), data) << "cleared in place";
  for (int i = 0; i < 7; ++i) EXPECT_EQ(data[i], '\0');
}

TEST(JsonText, StringsAreValidJsonForAnyBytes) {
  const struct {
    std::string bytes;
    std::string json;
  } cases[] = {
      {"plain", "\"plain\""},
      {"q\"b\\", "\"q\\\"b\\\\\""},
      {"a\nb\tc\x01\x7f", "\"a\\nb\\tc\\u0001\\u007f\""},
      {"caf\xC3\xA9", "\"caf\xC3\xA9\""},
      {"\xE2\x82\xAC \xF0\x9F\x98\x80", "\"\xE2\x82\xAC \xF0\x9F\x98\x80\""},
      {"bad\xE9", "\"bad\xEF\xBF\xBD\""},                            // Latin-1 byte
      {"\xC0\xAF", "\"\xEF\xBF\xBD\xEF\xBF\xBD\""},                  // overlong
      {"\xED\xA0\x80", "\"\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD\""},  // surrogate
      {"\xE2\x82", "\"\xEF\xBF\xBD\xEF\xBF\xBD\""},                  // cut short
      {"\xC2\x9D\xC2\x80\xC2\xA0", "\"\\u009d\\u0080\xC2\xA0\""},    // C1 controls
  };
  for (const auto& c : cases) {
    const std::string json = JsonString(c.bytes);
    EXPECT_EQ(json, c.json);
    const std::string wrapped = "[" + json + "]";
    QJsonParseError error{};
    QJsonDocument::fromJson(QByteArray(wrapped.data(), static_cast<qsizetype>(wrapped.size())),
                            &error);
    EXPECT_EQ(error.error, QJsonParseError::NoError) << json;
  }
}

TEST(ConsoleLines, ControlCharactersCannotBreakALine) {
  EXPECT_EQ(OneLine("a\nb\x1b[2Jc\td"), "a?b?[2Jc?d");
  EXPECT_EQ(OneLine("caf\xC3\xA9"), "caf\xC3\xA9");
  // The C1 controls in UTF-8 (U+0080 to U+009F) start sequences too: U+009B is CSI, U+009D OSC.
  EXPECT_EQ(OneLine("a\xC2\x9B"
                    "2Jb\xC2\x9D"
                    "0;t\xC2\x80\xC2\x9F\xC2\xA0"),
            "a?2Jb?0;t??\xC2\xA0");
}

TEST(ConsoleLines, MeterLineFitsTheTerminal) {
  const std::string line = MeterLine("Encrypting File:", "/home/user/report.txt",
                                     "Using Secure Encryption Method", 42, 80);
  EXPECT_EQ(line, "Encrypting File: /home/user/report.txt  Using Secure Encryption Method  42%");

  const std::string longPath = "/" + std::string(200, 'x') + "/tail.txt";
  const std::string fitted =
      MeterLine("Encrypting File:", longPath, "Using Secure Encryption Method", 7, 80);
  EXPECT_EQ(DisplayWidth(fitted), 79u);
  EXPECT_EQ(fitted.rfind("Encrypting File: ...", 0), 0u);
  EXPECT_NE(fitted.find("tail.txt  Using Secure Encryption Method  7%"), std::string::npos);

  // A multi-byte name is shortened on character boundaries.
  const std::string wide = "/" + std::string(60, 'a') + "\xC3\xA9\xC3\xA9\xC3\xA9";
  EXPECT_EQ(MeterLine("Decrypting File:", wide, "Using Quick Decryption Method", 100, 60),
            "Decrypting File: ...\xC3\xA9\xC3\xA9  Using Quick Decryption Method  100%");
}

}  // namespace
}  // namespace quorvane::test
