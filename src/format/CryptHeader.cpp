#include "format/CryptHeader.h"

#include <algorithm>
#include <cstdio>

#include "format/CryptMethod.h"
#include "platform/CFile.h"

namespace quorvane {

namespace {

constexpr std::size_t kNameOffsetPosition = 16;
// The name offset byte is read back as a signed byte, so a larger offset would be misread.
constexpr std::size_t kMaxNameOffset = 127;

std::string LowerHex(std::uint32_t value, int width) {
  char text[16];
  std::snprintf(text, sizeof text, "%0*x", width, static_cast<unsigned>(value));
  return text;
}

int SignedByte(unsigned char byte) {
  return static_cast<signed char>(byte);
}

// Reads until count bytes are in or the file ends; returns the count read.
std::size_t ReadUpTo(CFile& file, unsigned char* buffer, std::size_t count) {
  std::size_t done = 0;
  while (done < count) {
    const std::size_t got = file.Read(buffer + done, count - done);
    if (got == 0) break;
    done += got;
  }
  return done;
}

}  // namespace

std::optional<std::string> BuildCryptHeader(std::string_view originalName,
                                            std::uint32_t originalSize, std::string_view signature,
                                            std::string_view methodName) {
  const std::size_t nameOffset = kCryptFixedPart + signature.size();
  const std::size_t headerSize = nameOffset + originalName.size();
  if (headerSize > kMaxCryptHeaderSize || nameOffset > kMaxNameOffset) return std::nullopt;

  std::string header;
  header.reserve(headerSize);
  header += "AX1";
  header += static_cast<char>(MethodNumberFromName(methodName));
  header += LowerHex(originalSize, 8);
  header += LowerHex(static_cast<std::uint32_t>(headerSize), 4);
  header += static_cast<char>(nameOffset);
  header += signature;
  header += originalName;
  return header;
}

std::string ClampedSlice(std::string_view bytes, std::int64_t start, std::int64_t count) {
  const auto size = static_cast<std::int64_t>(bytes.size());
  start = std::max<std::int64_t>(start, 0);
  if (start >= size || count <= 0) return {};
  const std::int64_t length = std::min(count, size - start);
  return std::string(
      bytes.substr(static_cast<std::size_t>(start), static_cast<std::size_t>(length)));
}

CryptHeader::CryptHeader(const std::array<unsigned char, kCryptFirstBytes>& firstBytes,
                         std::string bytes)
    : m_firstBytes(firstBytes), m_bytes(std::move(bytes)) {}

CryptHeader CryptHeader::FromBytes(std::string bytes) {
  std::array<unsigned char, kCryptFirstBytes> first{};
  std::copy_n(bytes.begin(), std::min(bytes.size(), first.size()), first.begin());
  return CryptHeader(first, std::move(bytes));
}

int CryptHeader::Method() const {
  return SignedByte(m_firstBytes[3]);
}

std::uint32_t CryptHeader::OriginalSize() const {
  return ParseHexUnsigned(
      std::string_view(reinterpret_cast<const char*>(m_firstBytes.data()) + 4, 8));
}

std::int32_t CryptHeader::HeaderSize() const {
  return ParseHexSigned(
      std::string_view(reinterpret_cast<const char*>(m_firstBytes.data()) + 12, 4));
}

int CryptHeader::NameOffset() const {
  // A header cut short before offset 16 has no name offset; its name is then empty.
  if (m_bytes.size() <= kNameOffsetPosition) return static_cast<int>(m_bytes.size());
  return SignedByte(static_cast<unsigned char>(m_bytes[kNameOffsetPosition]));
}

std::string CryptHeader::OriginalName() const {
  const std::int64_t start = NameOffset();
  return ClampedSlice(m_bytes, start, static_cast<std::int64_t>(m_bytes.size()));
}

std::string CryptHeader::SignatureSlice(std::size_t count) const {
  return ClampedSlice(m_bytes, kCryptFixedPart, static_cast<std::int64_t>(count));
}

char CryptHeader::VersionDigit() const {
  return static_cast<char>(m_firstBytes[2]);
}

CryptHeader ReadCryptHeader(CFile& file) {
  std::array<unsigned char, kCryptFirstBytes> first{};
  file.SeekToBegin();
  ReadUpTo(file, first.data(), first.size());

  CryptHeader probe(first, {});
  const std::int32_t headerSize = probe.HeaderSize();
  std::string bytes;
  file.SeekToBegin();
  if (headerSize > 0) {
    // Never ask for more than the file holds: a corrupt size field must not cost memory.
    const std::uint64_t wanted =
        std::min<std::uint64_t>(static_cast<std::uint64_t>(headerSize), file.GetLength());
    bytes.resize(static_cast<std::size_t>(wanted));
    bytes.resize(ReadUpTo(file, reinterpret_cast<unsigned char*>(bytes.data()), bytes.size()));
  }
  return CryptHeader(first, std::move(bytes));
}

bool IsCryptProbe(const std::array<unsigned char, 4>& firstFour) {
  const int method = SignedByte(firstFour[3]);
  return firstFour[0] == 'A' && firstFour[1] == 'X' && firstFour[2] == '1' && method >= 1 &&
         method <= 4;
}

}  // namespace quorvane
