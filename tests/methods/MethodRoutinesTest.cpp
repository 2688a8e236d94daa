#include <gtest/gtest.h>

#include <cstdint>
#include <numeric>
#include <random>
#include <string>
#include <vector>

#include "format/CryptHeader.h"
#include "methods/BlockLoop.h"
#include "methods/BlockTransforms.h"
#include "methods/MethodRoutines.h"
#include "platform/CFile.h"
#include "support/ScriptedDesktop.h"
#include "support/TempDir.h"

namespace quorvane {
namespace {

using test::MessageLine;
using test::ReadFileBytes;
using test::ScriptedDesktop;
using test::TempDir;
using test::WriteFileBytes;

constexpr std::size_t kBlock = kCryptBlockSize;
const std::string kTrashedWarning =
    "WARNING: A file encrypted using the TRASHED method can NEVER BE DECRYPTED. Are you SURE?";

std::string RandomContent(std::size_t size, std::uint32_t seed) {
  std::mt19937 engine(seed);
  std::string bytes(size, '\0');
  for (auto& b : bytes) b = static_cast<char>(engine());
  return bytes;
}

// The body a block transform makes of content: each full block, then the tail on its own.
std::string BlockwiseBody(std::string content, void (*transform)(unsigned char*, std::size_t)) {
  auto* p = reinterpret_cast<unsigned char*>(content.data());
  std::size_t done = 0;
  for (; content.size() - done >= kBlock; done += kBlock) transform(p + done, kBlock);
  transform(p + done, content.size() - done);
  return content;
}

void Trashed47(unsigned char* p, std::size_t n) {
  std::uint32_t state = 47;
  for (std::size_t i = 0; i < n; ++i) {
    state = state * 214013u + 2531011u;
    p[i] = static_cast<unsigned char>(p[i] | ((state >> 16) & 0xFF));
  }
}

std::string TrashedBody(std::string content) {
  Trashed47(reinterpret_cast<unsigned char*>(content.data()), content.size());
  return content;
}

class MethodRoutinesTest : public ::testing::Test {
 protected:
  void TearDown() override { CFile::SetWriteFaultForTesting(std::nullopt); }

  // Runs an encrypting routine from source content into a target that already holds prefix.
  int Encrypt(MethodRoutine routine, const std::string& content, const std::string& prefix = "") {
    WriteFileBytes(Source(), content);
    CFile source;
    CFile target;
    EXPECT_TRUE(source.Open(Source(), CFile::modeRead));
    EXPECT_TRUE(target.Open(Crypt(), CFile::modeCreate | CFile::modeWrite));
    if (!prefix.empty()) target.Write(prefix.data(), prefix.size());
    return routine(source, target, desktop);
  }

  // Runs a decrypting routine over a crypt of header + body, from the first body byte.
  int Decrypt(MethodRoutine routine, const std::string& header, const std::string& body) {
    WriteFileBytes(Crypt(), header + body);
    CFile source;
    CFile target;
    EXPECT_TRUE(source.Open(Crypt(), CFile::modeRead));
    EXPECT_TRUE(target.Open(Restored(), CFile::modeCreate | CFile::modeWrite));
    source.Seek(static_cast<std::int64_t>(header.size()), CFile::begin);
    return routine(source, target, desktop);
  }

  std::string Source() const { return dir / "report.txt"; }
  std::string Crypt() const { return dir / "report.crp"; }
  std::string Restored() const { return dir / "restored.txt"; }

  TempDir dir;
  ScriptedDesktop desktop;
};

const std::string kHeader =
    *BuildCryptHeader("/home/user/report.txt", 0, "\x01\x16\x11", "Secure");  // 41 bytes

const struct ReversibleMethod {
  const char* name;
  MethodRoutine encrypt;
  MethodRoutine decrypt;
  void (*transform)(unsigned char*, std::size_t);
} kReversible[] = {
    {"quick", EncryptQuick, DecryptQuick, SwapNibbles},
    {"secure", EncryptSecure, DecryptSecure, SecureScramble},
    {"maximum", EncryptMaximum, DecryptMaximum, MaximumScramble},
};

TEST_F(MethodRoutinesTest, WholeFilesRoundTripThroughEachReversibleMethod) {
  for (const std::size_t size : {std::size_t{0}, std::size_t{1}, kBlock - 1, kBlock, kBlock + 1,
                                 3 * kBlock + 7, 70 * kBlock + 5}) {
    const std::string content = RandomContent(size, static_cast<std::uint32_t>(size));
    for (const auto& method : kReversible) {
      SCOPED_TRACE(std::string(method.name) + " size " + std::to_string(size));
      ASSERT_EQ(Encrypt(method.encrypt, content, kHeader), 1);
      const std::string crypt = ReadFileBytes(Crypt());
      ASSERT_EQ(crypt.substr(0, kHeader.size()), kHeader);
      const std::string body = crypt.substr(kHeader.size());
      EXPECT_EQ(body, BlockwiseBody(content, method.transform));
      ASSERT_EQ(Decrypt(method.decrypt, kHeader, body), 1);
      EXPECT_EQ(ReadFileBytes(Restored()), content);
      desktop.ClearRecord();
    }
  }
}

TEST_F(MethodRoutinesTest, TrashedBodyFollowsTheGeneratorFromSeed47InEveryRun) {
  const std::string content = RandomContent(3 * kBlock + 7, 9);
  for (int run = 0; run < 2; ++run) {
    desktop.AnswerConfirm(true);
    ASSERT_EQ(Encrypt(EncryptTrashed, content), 1);
    EXPECT_EQ(ReadFileBytes(Crypt()), TrashedBody(content)) << "run " << run;
  }
  desktop.AnswerConfirm(true);
  ASSERT_EQ(Encrypt(EncryptTrashed, "abc"), 1);
  EXPECT_EQ(ReadFileBytes(Crypt()), "\xE1\x7E\xF7");
}

// A drop can start a second run while the meter of the first pumps events; each run keeps its
// own generator.
TEST_F(MethodRoutinesTest, ANestedTrashedRunLeavesTheOuterBodyIntact) {
  const std::string outer = RandomContent(4 * kBlock, 12);
  const std::string inner = RandomContent(2 * kBlock + 5, 13);
  WriteFileBytes(dir / "inner.txt", inner);
  bool nested = false;
  desktop.OnPercent([&](int percent) {
    if (nested || percent != 50) return;
    nested = true;
    CFile source;
    CFile target;
    ASSERT_TRUE(source.Open(dir / "inner.txt", CFile::modeRead));
    ASSERT_TRUE(target.Open(dir / "inner.crp", CFile::modeCreate | CFile::modeWrite));
    EXPECT_EQ(EncryptTrashed(source, target, desktop), 1);
  });
  desktop.AnswerConfirm(true);
  desktop.AnswerConfirm(true);
  ASSERT_EQ(Encrypt(EncryptTrashed, outer), 1);
  EXPECT_TRUE(nested);
  EXPECT_EQ(ReadFileBytes(Crypt()), TrashedBody(outer));
  EXPECT_EQ(ReadFileBytes(dir / "inner.crp"), TrashedBody(inner));
}

TEST_F(MethodRoutinesTest, EachRoutineShowsItsCaptionAndMethodLine) {
  const struct {
    MethodRoutine routine;
    bool decrypting;
    const char* line;
  } cases[] = {
      {EncryptQuick, false, "Using Quick Encryption Method"},
      {DecryptQuick, true, "Using Quick Decryption Method"},
      {EncryptSecure, false, "Using Secure Encryption Method"},
      {DecryptSecure, true, "Using Secure Decryption Method"},
      {EncryptMaximum, false, "Using Maximum Encryption Method"},
      {DecryptMaximum, true, "Using Secure Decryption Method"},
      {EncryptTrashed, false, "Using Trashed Encryption Method"},
  };
  for (const auto& c : cases) {
    desktop.ClearRecord();
    std::vector<std::string> expected;
    if (c.routine == EncryptTrashed) {
      desktop.AnswerConfirm(true);
      expected.push_back("confirm: " + kTrashedWarning);
    }
    if (c.decrypting) {
      ASSERT_EQ(Decrypt(c.routine, kHeader, "body"), 1);
      expected.push_back("meter: Decrypting File: | " + Crypt() + " | " + Restored() + " | " +
                         c.line);
    } else {
      ASSERT_EQ(Encrypt(c.routine, "body"), 1);
      expected.push_back("meter: Encrypting File: | " + Source() + " | " + Crypt() + " | " +
                         c.line);
    }
    expected.push_back("meter closed");
    EXPECT_EQ(desktop.Record(), expected) << c.line;
  }
}

std::vector<int> OneTo100ThenFinal() {
  std::vector<int> percents(100);
  std::iota(percents.begin(), percents.end(), 1);
  percents.push_back(100);
  return percents;
}

TEST_F(MethodRoutinesTest, MeterMovesOnlyWhenThePercentageGrows) {
  const struct {
    std::size_t size;
    std::vector<int> percents;
  } cases[] = {
      {0, {100}},
      {kBlock - 1, {100}},
      {kBlock, {100, 100}},
      {2 * kBlock, {50, 100, 100}},
      // floor(remaining * 100 / total) taken from 100: 71.4 -> 29, 42.9 -> 58, 14.3 -> 86.
      {3 * kBlock + kBlock / 2, {29, 58, 86, 100}},
      // 200 blocks: each per cent takes two blocks; 100 updates plus the final 100.
      {200 * kBlock, OneTo100ThenFinal()},
  };
  for (const auto& c : cases) {
    desktop.ClearRecord();
    ASSERT_EQ(Encrypt(EncryptQuick, std::string(c.size, 'x')), 1);
    EXPECT_EQ(desktop.Percents(), c.percents) << "size " << c.size;
  }
}

TEST_F(MethodRoutinesTest, DecryptionCountsTheHeaderAsDone) {
  const struct {
    std::size_t body;
    std::vector<int> percents;
  } cases[] = {
      // total 41 + 32768: after the first block 16384 of 32809 remain, 49.9 % -> 51.
      {2 * kBlock, {51, 100, 100}},
      {kBlock, {100, 100}},
      {0, {100}},
  };
  for (const auto& c : cases) {
    desktop.ClearRecord();
    ASSERT_EQ(Decrypt(DecryptSecure, kHeader, std::string(c.body, 'x')), 1);
    EXPECT_EQ(desktop.Percents(), c.percents) << "body " << c.body;
  }
}

TEST_F(MethodRoutinesTest, CancelSeenAfterAnUpdateStopsWithTheBlocksWrittenSoFar) {
  const std::string content = RandomContent(5 * kBlock, 1);
  desktop.CancelMeterAtPercent(40);
  EXPECT_EQ(Encrypt(EncryptSecure, content, kHeader), 0);
  EXPECT_EQ(desktop.Percents(), (std::vector<int>{20, 40}));
  EXPECT_EQ(desktop.Record(),
            (std::vector<std::string>{"meter: Encrypting File: | " + Source() + " | " + Crypt() +
                                          " | Using Secure Encryption Method",
                                      "meter closed",
                                      MessageLine("Cancelling Encryption", MessageIcon::Stop)}));
  EXPECT_EQ(ReadFileBytes(Crypt()),
            kHeader + BlockwiseBody(content.substr(0, 2 * kBlock), SecureScramble));

  desktop.ClearRecord();
  desktop.CancelMeterAtPercent(1);
  EXPECT_EQ(Decrypt(DecryptMaximum, kHeader, content), 0);
  // 65536 of 81961 bytes (header included) remain after the first block: 79.96 % -> 21.
  EXPECT_EQ(desktop.Percents(), (std::vector<int>{21}));
  EXPECT_EQ(desktop.Record().back(), MessageLine("Cancelling Decryption.", MessageIcon::Stop));
  EXPECT_EQ(ReadFileBytes(Restored()), BlockwiseBody(content.substr(0, kBlock), MaximumUnscramble));
}

TEST_F(MethodRoutinesTest, CancelBetweenSparseUpdatesKeepsExactlyTheBlocksBeforeIt) {
  // 200 blocks: per cent p is first reached after block 2p - 1, so a cancel at 37 is seen after
  // block 73, in the middle of a run of blocks moved together.
  const std::string content = RandomContent(200 * kBlock + 3, 2);
  desktop.AnswerConfirm(true);
  desktop.CancelMeterAtPercent(37);
  EXPECT_EQ(Encrypt(EncryptTrashed, content), 0);
  EXPECT_EQ(desktop.Percents().back(), 37);
  EXPECT_EQ(desktop.Percents().size(), 37u);
  EXPECT_EQ(ReadFileBytes(Crypt()), TrashedBody(content.substr(0, 73 * kBlock)));
  EXPECT_EQ(desktop.Record().back(), MessageLine("Cancelling Encryption", MessageIcon::Stop));
}

TEST_F(MethodRoutinesTest, CancelDuringTheFinalUpdateHasNoEffect) {
  const struct {
    std::size_t size;
    int result;
  } cases[] = {
      {kBlock - 1, 1},               // never looked at
      {3 * kBlock + kBlock / 2, 1},  // the last in-loop update is 86
      {kBlock, 0},                   // after the one block percent is 100 and the flag is read
  };
  for (const auto& c : cases) {
    ScriptedDesktop fresh;
    fresh.CancelMeterAtPercent(100);
    const std::string content(c.size, 'c');
    WriteFileBytes(Source(), content);
    CFile source;
    CFile target;
    ASSERT_TRUE(source.Open(Source(), CFile::modeRead));
    ASSERT_TRUE(target.Open(Crypt(), CFile::modeCreate | CFile::modeWrite));
    EXPECT_EQ(EncryptQuick(source, target, fresh), c.result) << "size " << c.size;
    EXPECT_EQ(target.GetLength(), c.size);
  }
}

TEST_F(MethodRoutinesTest, DecliningTheTrashedWarningReadsAndWritesNothing) {
  desktop.AnswerConfirm(false);
  WriteFileBytes(Source(), "secret");
  CFile source;
  CFile target;
  ASSERT_TRUE(source.Open(Source(), CFile::modeRead));
  ASSERT_TRUE(target.Open(Crypt(), CFile::modeCreate | CFile::modeWrite));
  target.Write(kHeader.data(), kHeader.size());
  EXPECT_EQ(EncryptTrashed(source, target, desktop), 0);
  EXPECT_EQ(desktop.Record(),
            (std::vector<std::string>{
                "confirm: " + kTrashedWarning,
                MessageLine("Cancelling Encryption Operation.", MessageIcon::Information)}));
  EXPECT_TRUE(desktop.Percents().empty());
  EXPECT_EQ(source.GetPosition(), 0u);
  EXPECT_EQ(target.GetLength(), kHeader.size());
}

TEST_F(MethodRoutinesTest, TrashedEmptySourceStillAsksAndCompletes) {
  desktop.AnswerConfirm(true);
  EXPECT_EQ(Encrypt(EncryptTrashed, ""), 1);
  EXPECT_EQ(desktop.Percents(), (std::vector<int>{100}));
  EXPECT_EQ(ReadFileBytes(Crypt()), "");
}

TEST_F(MethodRoutinesTest, AWriteFailureEndsTheRunAfterTheUpdatesBeforeIt) {
  const std::string content = RandomContent(5 * kBlock, 4);
  CFile::SetWriteFaultForTesting(2 * kBlock + 100);
  try {
    Encrypt(EncryptQuick, content);
    ADD_FAILURE() << "no exception";
  } catch (const CFileException& e) {
    EXPECT_EQ(e.cause(), CFileException::diskFull);
    EXPECT_EQ(e.fileName(), Crypt());
  }
  CFile::SetWriteFaultForTesting(std::nullopt);
  // The third block's write fails before the meter could show 60.
  EXPECT_EQ(desktop.Percents(), (std::vector<int>{20, 40}));
  EXPECT_EQ(desktop.Record().back(), "meter closed");
  EXPECT_EQ(ReadFileBytes(Crypt()),
            BlockwiseBody(content, SwapNibbles).substr(0, 2 * kBlock + 100));
}

// Files past 4 GiB: the product remaining * 100 passes 64 bits long before the lengths do.
TEST(PercentDone, IsExactForLengthsBeyond32And64BitProducts) {
  constexpr std::uint64_t k5GiB = std::uint64_t{5} << 30;
  constexpr std::uint64_t kHuge = std::uint64_t{1} << 62;
  const struct {
    std::uint64_t remaining;
    std::uint64_t total;
    int percent;
  } cases[] = {
      {k5GiB - kBlock, k5GiB, 1},
      {k5GiB / 2, k5GiB, 50},
      {k5GiB / 100 - 1, k5GiB, 100},
      {k5GiB / 100 + 1, k5GiB, 99},
      {kHuge - kBlock, kHuge, 1},
      {kHuge / 4, kHuge, 75},
      {0, kHuge, 100},
      {UINT64_MAX - 1, UINT64_MAX, 1},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(detail::PercentDone(c.remaining, c.total), c.percent)
        << c.remaining << " of " << c.total;
  }
}

TEST(RoutineDispatch, PicksTheRoutineForEachMethodByte) {
  const struct {
    int method;
    MethodRoutine encrypt;
    MethodRoutine decrypt;
  } cases[] = {
      {0, EncryptQuick, DecryptQuick},   {1, EncryptQuick, DecryptQuick},
      {2, EncryptSecure, DecryptSecure}, {3, EncryptMaximum, DecryptMaximum},
      {4, EncryptTrashed, nullptr},      {5, EncryptQuick, nullptr},
      {-1, EncryptQuick, nullptr},       {0x7F, EncryptQuick, nullptr},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(EncryptRoutineFor(c.method), c.encrypt) << c.method;
    EXPECT_EQ(DecryptRoutineFor(c.method), c.decrypt) << c.method;
  }
}

}  // namespace
}  // namespace quorvane
