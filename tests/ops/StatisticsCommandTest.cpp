#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "OpsFixture.h"

namespace quorvane::test {
namespace {

using Lines = std::vector<std::string>;
using StatisticsCommand = OpsTest;

TEST_F(StatisticsCommand, ShowsTheChosenCryptOrTheReasonItCannot) {
  const std::string original = Path("a.txt");
  WriteFileBytes(original, "twelve bytes");
  MakeCrypt(original, Path("a.crp"), "pw", "Quick");
  WriteFileBytes(Path("plain.txt"), "AX0 is no crypt");
  struct Case {
    std::optional<std::string> chosen;
    Lines expected;
    Outcome outcome;
  };
  const std::vector<Case> cases = {
      {std::nullopt, {"statistics file"}, Outcome::Cancelled},
      {Path("a.crp"),
       {"statistics file", StatisticsLine(Path("a.crp"), original, 12, "pw", "Quick (Method 1)")},
       Outcome::Completed},
      {Path("plain.txt"),
       {"statistics file",
        "message exclamation: The file you selected is not a Quorvane encrypted file."},
       Outcome::Refused},
      {Path("missing.crp"),
       {"statistics file", "message stop: Unable to open file to read statistics from."},
       Outcome::Failed},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.chosen.value_or("cancelled"));
    desktop.ClearRecord();
    desktop.AnswerStatisticsFile(c.chosen);
    EXPECT_EQ(OnFileStatistics(app, desktop), c.outcome);
    EXPECT_EQ(desktop.Record(), c.expected);
  }
  EXPECT_EQ(ReadFileBytes(Path("plain.txt")), "AX0 is no crypt");
}

}  // namespace
}  // namespace quorvane::test
