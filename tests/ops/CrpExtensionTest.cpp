#include "ops/CrpExtension.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace quorvane::test {
namespace {

TEST(ForceCrpExtension, CutsAtTheFirstDotOfTheWholeName) {
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"/data/report.doc", "/data/report.CRP"},
      {"/data/report", "/data/report.CRP"},
      {"/data/report.crp", "/data/report.CRP"},
      {"/data/report.CRP", "/data/report.CRP"},
      {"/data/a.b.c", "/data/a.CRP"},
      {"/my.dir/report.doc", "/my.CRP"},
      {"/home/me/.config/notes", "/home/me/.CRP"},
      {"./report.doc", ".CRP"},
      {"/data/\xe9t\xe9.txt", "/data/\xe9t\xe9.CRP"},  // not UTF-8: bytes as they are
  };
  for (const auto& [name, expected] : cases) {
    EXPECT_EQ(ForceCrpExtension(name), expected) << name;
  }
}

}  // namespace
}  // namespace quorvane::test
