// Throughput of the block transforms on one 16 KiB block (in cache), in every variant this
// processor runs, and of each method routine over a 64 MiB file.

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "methods/BlockTransforms.h"
#include "methods/MethodRoutines.h"
#include "methods/TransformVariants.h"
#include "platform/CFile.h"
#include "platform/Desktop.h"

namespace quorvane {
namespace {

using detail::TransformVariant;

std::vector<unsigned char> RandomBlock() {
  std::mt19937 engine(1);
  std::vector<unsigned char> block(kCryptBlockSize);
  for (auto& b : block) b = static_cast<unsigned char>(engine());
  return block;
}

void BlockBench(benchmark::State& state, detail::BlockFunction transform) {
  std::vector<unsigned char> block = RandomBlock();
  for (auto _ : state) {
    transform(block.data(), block.size());
    benchmark::DoNotOptimize(block.data());
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * block.size()));
}

void TrashBench(benchmark::State& state, detail::TrashFunction trash) {
  std::vector<unsigned char> block = RandomBlock();
  std::uint32_t generator = 47;
  for (auto _ : state) {
    trash(block.data(), block.size(), &generator);
    benchmark::DoNotOptimize(block.data());
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * block.size()));
}

// A meter that shows nothing and is never cancelled.
class SilentMeter : public ProgressMeter {
 public:
  void Begin(const std::string&, const std::string&, const std::string&,
             const std::string&) override {}
  void SetPercent(int) override {}
  bool IsCancelled() const override { return false; }
  void DestroyWindow() override {}
};

// A desktop that confirms the Trashed warning and otherwise answers nothing.
class SilentDesktop : public Desktop {
 public:
  void Message(const std::string&, MessageIcon) override {}
  bool ConfirmTrashed(const std::string&) override { return true; }
  std::optional<FileNames> AskEncryptNames(const std::string&) override { return {}; }
  std::optional<FileNames> AskDecryptNames(const std::string&, bool) override { return {}; }
  std::optional<std::string> AskEncryptPassword() override { return {}; }
  std::optional<std::string> AskDecryptPassword() override { return {}; }
  std::optional<std::string> AskStatisticsFile() override { return {}; }
  bool EditOptions(AppOptions&) override { return false; }
  void ShowStatistics(const StatisticsTexts&) override {}
  std::unique_ptr<ProgressMeter> NewProgressMeter() override {
    return std::make_unique<SilentMeter>();
  }
  std::unique_ptr<WipeMeter> NewWipeMeter() override { return nullptr; }
  void ReportFileError(const CFileException&) override {}
};

// A 64 MiB source file in a folder of its own, removed at exit.
class BenchFiles {
 public:
  static constexpr std::size_t kSourceSize = std::size_t{64} << 20;

  BenchFiles() {
    const char* tmp = std::getenv("TMPDIR");
    std::string pattern = std::string(tmp && *tmp ? tmp : "/tmp") + "/quorvane-bench-XXXXXX";
    if (!mkdtemp(pattern.data())) std::abort();
    m_dir = pattern;
    std::vector<unsigned char> content(kSourceSize);
    std::mt19937 engine(2);
    for (auto& b : content) b = static_cast<unsigned char>(engine());
    CFile file;
    if (!file.Open(Source(), CFile::modeCreate | CFile::modeWrite)) std::abort();
    file.Write(content.data(), content.size());
  }
  ~BenchFiles() { std::filesystem::remove_all(m_dir); }

  std::string Source() const { return m_dir + "/source.bin"; }
  std::string Target() const { return m_dir + "/target.bin"; }

 private:
  std::string m_dir;
};

BenchFiles& Files() {
  static BenchFiles files;
  return files;
}

void RoutineBench(benchmark::State& state, MethodRoutine routine) {
  SilentDesktop desktop;
  Files();  // made before the clock starts
  for (auto _ : state) {
    CFile source;
    CFile target;
    if (!source.Open(Files().Source(), CFile::modeRead) ||
        !target.Open(Files().Target(), CFile::modeCreate | CFile::modeWrite)) {
      state.SkipWithError("cannot open the bench files");
      return;
    }
    benchmark::DoNotOptimize(routine(source, target, desktop));
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * BenchFiles::kSourceSize));
}

int RegisterAll() {
  const struct {
    const char* name;
    detail::BlockFunction TransformVariant::*function;
  } transforms[] = {
      {"SwapNibbles", &TransformVariant::swapNibbles},
      {"SecureScramble", &TransformVariant::secureScramble},
      {"SecureUnscramble", &TransformVariant::secureUnscramble},
      {"MaximumScramble", &TransformVariant::maximumScramble},
      {"MaximumUnscramble", &TransformVariant::maximumUnscramble},
  };
  for (const TransformVariant* variant : detail::AllTransformVariants()) {
    if (!variant->isSupported()) continue;
    for (const auto& t : transforms) {
      benchmark::RegisterBenchmark((std::string(t.name) + "/" + variant->name).c_str(), BlockBench,
                                   variant->*t.function);
    }
    benchmark::RegisterBenchmark((std::string("TrashBytes/") + variant->name).c_str(), TrashBench,
                                 variant->trashBytes);
  }

  const struct {
    const char* name;
    MethodRoutine routine;
  } routines[] = {
      {"EncryptQuick", EncryptQuick},     {"DecryptQuick", DecryptQuick},
      {"EncryptSecure", EncryptSecure},   {"DecryptSecure", DecryptSecure},
      {"EncryptMaximum", EncryptMaximum}, {"DecryptMaximum", DecryptMaximum},
      {"EncryptTrashed", EncryptTrashed},
  };
  for (const auto& r : routines) {
    benchmark::RegisterBenchmark((std::string(r.name) + "/64MiB").c_str(), RoutineBench, r.routine)
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime();
  }
  return 0;
}

const int kRegistered = RegisterAll();

}  // namespace
}  // namespace quorvane
