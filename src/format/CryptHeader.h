#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace quorvane {

class CFile;

inline constexpr std::size_t kCryptFirstBytes = 16;  // what is read before the whole header
inline constexpr std::size_t kCryptFixedPart = 17;   // magic, method, sizes, name offset
inline constexpr std::size_t kMaxCryptHeaderSize = 0xFFFF;

// Builds the complete header: "AX1", method byte, 8 hex digits of the size, 4 hex digits of the
// header size, name offset byte, signature, name. nullopt when the header would pass 65535
// bytes (the name is too long for the format), or when the signature is longer than 110 bytes,
// so that the name offset would read back as a negative byte (never for a signature of a
// password of at most 32 characters).
std::optional<std::string> BuildCryptHeader(std::string_view originalName,
                                            std::uint32_t originalSize, std::string_view signature,
                                            std::string_view methodName);

// Lenient hexadecimal parsing of a header field: leading white space, an optional sign, an
// optional 0x prefix, digits up to the first other character; no digit reads as 0.
std::int32_t ParseHexSigned(std::string_view field);
std::uint32_t ParseHexUnsigned(std::string_view field);

// The bytes from start, count of them, clamped to the string: a negative start counts as 0, a
// start beyond the end gives an empty slice, a slice running past the end stops there.
std::string ClampedSlice(std::string_view bytes, std::int64_t start, std::int64_t count);

// A header as read from a crypt: the first 16 bytes (zero-padded) and the header's bytes.
// Fields are taken out on demand; no slice reaches past the bytes actually read.
class CryptHeader {
 public:
  CryptHeader() = default;
  CryptHeader(const std::array<unsigned char, kCryptFirstBytes>& firstBytes, std::string bytes);
  // A header from bytes in memory, its first 16 bytes taken from them.
  static CryptHeader FromBytes(std::string bytes);

  int Method() const;                  // offset 3, signed 8-bit
  std::uint32_t OriginalSize() const;  // offsets 4..11, unsigned hex
  std::int32_t HeaderSize() const;     // offsets 12..15, signed hex
  int NameOffset() const;              // offset 16, signed 8-bit
  std::string OriginalName() const;    // from the name offset to the end of the header
  std::string SignatureSlice(std::size_t count) const;  // from offset 17
  char VersionDigit() const;                            // offset 2

  const std::array<unsigned char, kCryptFirstBytes>& FirstBytes() const noexcept {
    return m_firstBytes;
  }
  const std::string& Bytes() const noexcept { return m_bytes; }

 private:
  std::array<unsigned char, kCryptFirstBytes> m_firstBytes{};
  std::string m_bytes;
};

// Reads the first 16 bytes, parses the header size H, reads min(H, what the file holds) bytes
// from offset 0 and leaves the file positioned after them (at the body for a sound crypt).
// File errors propagate as CFileException.
CryptHeader ReadCryptHeader(CFile& file);

// The dispatch's crypt test on the first four bytes (zero-padded): "AX1" and a method byte of
// 1 to 4 read as signed.
bool IsCryptProbe(const std::array<unsigned char, 4>& firstFour);

}  // namespace quorvane
