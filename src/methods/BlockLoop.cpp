#include "methods/BlockLoop.h"

#include <cstdint>
#include <cstring>
#include <memory>

#include "methods/MethodRoutines.h"
#include "platform/CFile.h"
#include "platform/Desktop.h"

namespace quorvane::detail {

namespace {

// Fills count bytes from the source. The lengths were taken at the start; should the file
// have shrunk since, the bytes it no longer holds read as zero rather than stale data.
void ReadBlock(CFile& source, unsigned char* buffer, std::size_t count) {
  const std::size_t got = source.Read(buffer, count);
  if (got < count) std::memset(buffer + got, 0, count - got);
}

// Takes the meter's window down when an exception leaves the loop, as destroying the meter
// object would.
class MeterWindow {
 public:
  explicit MeterWindow(ProgressMeter& meter) : m_meter(meter) {}
  ~MeterWindow() {
    if (!m_closed) {
      try {
        m_meter.DestroyWindow();
      } catch (...) {  // an exception is already on its way out
      }
    }
  }
  MeterWindow(const MeterWindow&) = delete;
  MeterWindow& operator=(const MeterWindow&) = delete;

  void Destroy() {
    m_closed = true;
    m_meter.DestroyWindow();
  }

 private:
  ProgressMeter& m_meter;
  bool m_closed = false;
};

}  // namespace

int PercentDone(std::uint64_t remaining, std::uint64_t total) {
  __extension__ using Wide = unsigned __int128;
  const auto left = static_cast<std::uint64_t>(Wide{remaining} * 100u / total);
  return 100 - static_cast<int>(left);
}

int RunBlockLoop(CFile& source, CFile& target, Desktop& desktop, const BlockLoopSpec& spec) {
  const std::unique_ptr<ProgressMeter> meter = desktop.NewProgressMeter();
  int lastPercent = 0;

  const std::uint64_t total = source.GetLength();
  // One buffer for the whole run; a failed allocation propagates as std::bad_alloc.
  const auto buffer =
      std::make_unique_for_overwrite<unsigned char[]>(kCryptBlockSize * kBlocksPerTransfer);
  std::uint64_t remaining = total;
  if (spec.decrypting) {
    const std::uint64_t position = source.GetPosition();
    remaining = position < total ? total - position : 0;
  }
  if (spec.beforeBegin) spec.beforeBegin();

  meter->Begin(spec.decrypting ? "Decrypting File:" : "Encrypting File:", source.GetFilePath(),
               target.GetFilePath(), spec.methodLine);
  MeterWindow window(*meter);

  while (remaining >= kCryptBlockSize) {
    // Gather the blocks up to and including the next one that moves the meter, so every read
    // and write the one-block loop makes before a meter update has been made when it comes.
    const std::uint64_t fullBlocks = remaining / kCryptBlockSize;
    std::size_t blocks = 0;
    int percent = lastPercent;
    while (blocks < kBlocksPerTransfer && blocks < fullBlocks) {
      ++blocks;
      percent = PercentDone(remaining - blocks * kCryptBlockSize, total);
      if (percent > lastPercent) break;
    }
    const std::size_t bytes = blocks * kCryptBlockSize;
    ReadBlock(source, buffer.get(), bytes);
    for (std::size_t b = 0; b < blocks; ++b) {
      spec.transform(buffer.get() + b * kCryptBlockSize, kCryptBlockSize);
    }
    target.Write(buffer.get(), bytes);
    remaining -= bytes;

    if (percent > lastPercent) {
      meter->SetPercent(percent);
      if (meter->IsCancelled()) {
        window.Destroy();
        desktop.Message(spec.decrypting ? "Cancelling Decryption." : "Cancelling Encryption",
                        MessageIcon::Stop);
        return 0;
      }
      lastPercent = percent;
    }
  }

  // The tail, with its own length; also a read and a write of nothing.
  const auto tail = static_cast<std::size_t>(remaining);
  ReadBlock(source, buffer.get(), tail);
  spec.transform(buffer.get(), tail);
  target.Write(buffer.get(), tail);

  meter->SetPercent(100);
  window.Destroy();
  return 1;
}

}  // namespace quorvane::detail
