#include "app/DroppedFiles.h"

#include <QByteArray>
#include <QFile>
#include <QList>
#include <QMimeData>
#include <QUrl>

namespace quorvane {
namespace {

// The local path of one line of a text/uri-list, percent-decoded to raw bytes.
std::optional<std::string> LocalPathOf(QByteArray line) {
  line = line.trimmed();
  if (line.isEmpty() || line.startsWith('#')) return std::nullopt;
  static const QByteArray scheme = "file://";
  if (!line.toLower().startsWith(scheme)) return std::nullopt;
  QByteArray rest = line.mid(scheme.size());
  const qsizetype slash = rest.indexOf('/');
  if (slash < 0) return std::nullopt;
  const QByteArray host = rest.left(slash).toLower();
  if (!host.isEmpty() && host != "localhost") return std::nullopt;
  QByteArray encoded = rest.mid(slash);
  // A raw '?' or '#' begins a query or fragment; in a name they come percent-encoded.
  for (const char mark : {'?', '#'}) {
    const qsizetype end = encoded.indexOf(mark);
    if (end >= 0) encoded.truncate(end);
  }
  const QByteArray path = QByteArray::fromPercentEncoding(encoded);
  if (path.isEmpty()) return std::nullopt;
  return path.toStdString();
}

}  // namespace

std::optional<std::string> FirstDroppedFile(const QMimeData& data) {
  static const QString uriList = QStringLiteral("text/uri-list");
  if (data.hasFormat(uriList)) {
    for (const QByteArray& line : data.data(uriList).split('\n')) {
      if (auto path = LocalPathOf(line)) return path;
    }
    return std::nullopt;
  }
  for (const QUrl& url : data.urls()) {
    if (url.isLocalFile() && !url.toLocalFile().isEmpty()) {
      return QFile::encodeName(url.toLocalFile()).toStdString();
    }
  }
  return std::nullopt;
}

}  // namespace quorvane
