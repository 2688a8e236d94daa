#include <gtest/gtest.h>

#include <QMimeData>
#include <QUrl>

#include "app/DroppedFiles.h"

namespace quorvane {
namespace {

std::optional<std::string> FromUriList(const QByteArray& list) {
  QMimeData data;
  data.setData("text/uri-list", list);
  return FirstDroppedFile(data);
}

TEST(DroppedFilesTest, TheFirstLocalFileOfAUriList) {
  const struct {
    QByteArray list;
    std::optional<std::string> expected;
  } cases[] = {
      {"file:///tmp/a.txt\r\nfile:///tmp/b.txt\r\n", "/tmp/a.txt"},
      {"# a comment\r\nhttps://example.org/x\r\nfile://localhost/tmp/b%20c.crp\r\n",
       "/tmp/b c.crp"},
      // Bytes that are not UTF-8 come through unchanged.
      {"file:///tmp/caf%E9.txt\r\n", "/tmp/caf\xe9.txt"},
      {"file:///tmp/a%3Fb%23c\r\n", "/tmp/a?b#c"},
      {"file:///tmp/q.txt?query#frag\r\n", "/tmp/q.txt"},
      {"file://otherhost/tmp/a.txt\r\n", std::nullopt},
      {"https://example.org/a.crp\r\n", std::nullopt},
      {"", std::nullopt},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(FromUriList(c.list), c.expected) << c.list.toStdString();
  }
}

TEST(DroppedFilesTest, LongNamesAreNotCut) {
  const std::string longName = "/tmp/" + std::string(300, 'n') + ".txt";
  QMimeData data;
  data.setUrls({QUrl::fromLocalFile(QString::fromStdString(longName))});
  EXPECT_EQ(FirstDroppedFile(data), longName);
}

}  // namespace
}  // namespace quorvane
