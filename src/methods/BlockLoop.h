#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>

namespace quorvane {

class CFile;
class Desktop;

namespace detail {

using BlockTransform = std::function<void(unsigned char* buffer, std::size_t count)>;

// What distinguishes one routine's run of the block loop from another's.
struct BlockLoopSpec {
  bool decrypting = false;  // caption, cancel text, and whether the source's position counts
  const char* methodLine = "";
  BlockTransform transform;
  // Called after the buffer is allocated and before the meter is shown (the Trashed seed).
  std::function<void()> beforeBegin;
};

// How many 16384-byte blocks one read and one write move at most. The blocks are still
// transformed one by one and the meter sees the same updates; only the system calls are fewer.
inline constexpr std::size_t kBlocksPerTransfer = 64;

// 100 - floor(remaining * 100 / total), exact for any 64-bit lengths (remaining <= total,
// total > 0).
int PercentDone(std::uint64_t remaining, std::uint64_t total);

// The block loop shared by every routine: 1 when every byte was copied, 0 on cancel.
int RunBlockLoop(CFile& source, CFile& target, Desktop& desktop, const BlockLoopSpec& spec);

}  // namespace detail
}  // namespace quorvane
