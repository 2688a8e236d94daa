// stats and options of the built program: text and JSON listings on stdout.
#include <QByteArray>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStringList>

#include "CliFixture.h"

namespace quorvane::test {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;

QJsonDocument ParseJson(const std::string& text) {
  QJsonParseError error{};
  QJsonDocument document =
      QJsonDocument::fromJson(QByteArray(text.data(), static_cast<qsizetype>(text.size())), &error);
  EXPECT_EQ(error.error, QJsonParseError::NoError) << text;
  return document;
}

std::string Utf8(const QJsonValue& value) {
  return value.toString().toStdString();
}

using CliListings = CliTest;

TEST_F(CliListings, StatsPrintsTheSevenLabels) {
  WriteFileBytes(Path("a.txt"), SampleBytes(1234));
  EncryptOk({"-m", "maximum", "a.txt"});
  const std::size_t cryptSize = ReadFileBytes(Path("a.crp")).size();

  const CliResult result = Cli({"stats", "a.crp"});
  EXPECT_EQ(result.status, 0);
  EXPECT_THAT(result.err, IsEmpty());
  EXPECT_EQ(result.out, "Crypt Name:             " + Path("a.crp") +
                            "\n"
                            "Crypt Size (bytes):     " +
                            std::to_string(cryptSize) +
                            "\n"
                            "Original Name:          " +
                            Path("a.txt") +
                            "\n"
                            "Original Size (bytes):  1234\n"
                            "Encryption Method:      Maximum (Method 3)\n"
                            "Header Size:            " +
                            std::to_string(cryptSize - 1234) +
                            "\n"
                            "Quorvane Version:       1.0, 32-Bit (Win95/NT)\n");
}

TEST_F(CliListings, StatsJsonGivesAnObjectOrAnArray) {
  WriteFileBytes(Path("a.txt"), SampleBytes(1234));
  WriteFileBytes(Path("empty"), "");
  EncryptOk({"a.txt", "empty"});
  const std::size_t cryptSize = ReadFileBytes(Path("a.crp")).size();

  const CliResult one = Cli({"stats", "--json", "a.crp"});
  EXPECT_EQ(one.status, 0);
  const QJsonObject object = ParseJson(one.out).object();
  EXPECT_EQ(object.keys(), QStringList({"crypt_name", "crypt_size", "header_size", "method",
                                        "original_name", "original_size", "version"}));
  EXPECT_EQ(Utf8(object["crypt_name"]), Path("a.crp"));
  EXPECT_TRUE(object["crypt_size"].isDouble());
  EXPECT_EQ(object["crypt_size"].toInteger(), static_cast<qint64>(cryptSize));
  EXPECT_EQ(Utf8(object["original_name"]), Path("a.txt"));
  EXPECT_EQ(object["original_size"].toInteger(), 1234);
  EXPECT_EQ(Utf8(object["method"]), "Secure (Method 2)");
  EXPECT_EQ(object["header_size"].toInteger(), static_cast<qint64>(cryptSize - 1234));
  EXPECT_EQ(Utf8(object["version"]), "1.0, 32-Bit (Win95/NT)");

  // Several files give an array of those that could be read; the others report on stderr.
  WriteFileBytes(Path("plain.txt"), "not a crypt");
  const CliResult several = Cli({"stats", "--json", "a.crp", "plain.txt", "empty.crp"});
  EXPECT_EQ(several.status, 1);
  EXPECT_THAT(several.ErrLines(),
              ElementsAre("The file you selected is not a Quorvane encrypted file."));
  const QJsonArray array = ParseJson(several.out).array();
  ASSERT_EQ(array.size(), 2);
  EXPECT_EQ(array[0].toObject(), object);
  EXPECT_EQ(array[1].toObject()["original_size"].toInteger(), 0);
  EXPECT_EQ(array[1].toObject()["crypt_size"].toInteger(),
            array[1].toObject()["header_size"].toInteger());
}

TEST_F(CliListings, StatsOfAMissingFileFails) {
  const CliResult result = Cli({"stats", "--json", "nothing.crp"});
  EXPECT_EQ(result.status, 1);
  EXPECT_THAT(result.ErrLines(), ElementsAre("Unable to open file to read statistics from."));
  EXPECT_THAT(result.out, IsEmpty());
}

TEST_F(CliListings, OptionsListTheProfileAsItStands) {
  // Nothing stored: the defaults, and no profile is made.
  const CliResult defaults = Cli({"options"});
  EXPECT_EQ(defaults.status, 0);
  EXPECT_EQ(defaults.out,
            "AllowNewDecryptionName=0\n"
            "AlwaysAskOptions=0\n"
            "AlwaysShowStats=1\n"
            "DeleteCryptAfterDecryption=1\n"
            "ForceCryptToHaveCRPExtention=0\n"
            "MarkCryptAsHiddenFile=0\n"
            "WipeandDeleteOriginalFile=0\n"
            "EncryptionMethod=Secure\n");
  EXPECT_FALSE(FileExists(ProfilePath()));

  WriteProfile("[Options]\nAlwaysAskOptions=5\nEncryptionMethod=Trashed (See Help)\n");
  const CliResult json = Cli({"options", "--json"});
  EXPECT_EQ(json.status, 0);
  EXPECT_EQ(json.out,
            "{\n"
            "  \"AllowNewDecryptionName\": 0,\n"
            "  \"AlwaysAskOptions\": 5,\n"
            "  \"AlwaysShowStats\": 1,\n"
            "  \"DeleteCryptAfterDecryption\": 1,\n"
            "  \"ForceCryptToHaveCRPExtention\": 0,\n"
            "  \"MarkCryptAsHiddenFile\": 0,\n"
            "  \"WipeandDeleteOriginalFile\": 0,\n"
            "  \"EncryptionMethod\": \"Trashed (See Help)\"\n"
            "}\n");
  EXPECT_EQ(ParseJson(json.out).object()["AlwaysAskOptions"].toInt(), 5);
}

}  // namespace
}  // namespace quorvane::test
