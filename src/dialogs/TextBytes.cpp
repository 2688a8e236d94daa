#include "dialogs/TextBytes.h"

#include <QByteArray>
#include <QFile>

namespace quorvane {
namespace {

std::string ToStd(const QByteArray& bytes) {
  return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

QByteArray ToQt(const std::string& bytes) {
  return QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

}  // namespace

QString NameText(const std::string& bytes) {
  return QFile::decodeName(ToQt(bytes));
}

std::string NameBytes(const QString& text) {
  return ToStd(QFile::encodeName(text));
}

std::string TakeNameBytes(const QString& text, const std::string& previous) {
  if (NameText(previous) == text) return previous;
  return NameBytes(text);
}

std::string PasswordBytes(const QString& typed) {
  return ToStd(typed.toUtf8());
}

QString DisplayText(const std::string& bytes) {
  return QString::fromUtf8(ToQt(bytes));
}

std::string TakeTextBytes(const QString& text, const std::string& previous) {
  if (DisplayText(previous) == text) return previous;
  return ToStd(text.toUtf8());
}

}  // namespace quorvane
