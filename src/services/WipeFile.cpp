#include "services/WipeFile.h"

#include <array>
#include <cstdint>
#include <memory>

#include "platform/CFile.h"
#include "platform/Desktop.h"

namespace quorvane {

namespace {

constexpr std::size_t kWipeBlock = 16384;
constexpr int kPasses = 3;

// Closes the meter on every way out, a file error included.
class MeterCloser {
 public:
  explicit MeterCloser(WipeMeter& meter) : m_meter(meter) {}
  ~MeterCloser() { m_meter.Close(); }
  MeterCloser(const MeterCloser&) = delete;
  MeterCloser& operator=(const MeterCloser&) = delete;

 private:
  WipeMeter& m_meter;
};

}  // namespace

void WipeFile(std::string fileName, Desktop& desktop) {
  static const std::array<char, kWipeBlock> zeros{};

  CFile file;
  if (!file.Open(fileName, CFile::modeWrite | CFile::shareExclusive)) {
    desktop.Message("Unable to open original file to wipe.", MessageIcon::Stop);
    return;
  }
  // The whole length, read once: every pass overwrites exactly these bytes, so the file keeps
  // its length (64 bits, so a file past 4 GiB is wiped to its end too).
  const std::uint64_t length = file.GetLength();

  const std::unique_ptr<WipeMeter> meter = desktop.NewWipeMeter();
  meter->Begin();
  const MeterCloser closer(*meter);
  for (int pass = 1; pass <= kPasses; ++pass) {
    file.SeekToBegin();
    std::uint64_t remainder = length;
    for (; remainder >= kWipeBlock; remainder -= kWipeBlock) file.Write(zeros.data(), kWipeBlock);
    if (remainder > 0) file.Write(zeros.data(), static_cast<std::size_t>(remainder));
    meter->SetBar(100 / (4 - pass));
    if (pass < kPasses) meter->SetPassLabel("Pass " + std::to_string(pass + 1));
    file.Flush();
  }
  file.Flush();
  file.Close();
}

}  // namespace quorvane
