#include "ops/HeaderSoundness.h"

#include "format/CryptHeader.h"
#include "format/CryptMethod.h"

namespace quorvane {

namespace {
constexpr std::int64_t kSmallestHeader = kCryptFixedPart + 1;
}

bool HeaderIsDecryptable(const CryptHeader& header, std::uint64_t cryptLength) {
  const std::int64_t headerSize = header.HeaderSize();
  if (headerSize < kSmallestHeader || static_cast<std::uint64_t>(headerSize) > cryptLength) {
    return false;
  }
  if (header.Bytes().size() != static_cast<std::size_t>(headerSize)) return false;
  const int nameOffset = header.NameOffset();
  if (nameOffset < kSmallestHeader || nameOffset > headerSize) return false;
  const int method = header.Method();
  return method >= MethodNone && method <= MethodMaximum;
}

}  // namespace quorvane
