#include <gtest/gtest.h>

#include "app/CommandLine.h"

namespace quorvane {
namespace {

using Shell = CommandLineInfo::ShellCommand;

TEST(CommandLineTest, SwitchesAndNames) {
  const struct {
    std::vector<std::string> parameters;
    Shell command;
    std::string fileName;
    std::string printer, driver, port;
  } cases[] = {
      {{}, Shell::FileNew, "", "", "", ""},
      {{"/home/me/a.crp"}, Shell::FileNew, "/home/me/a.crp", "", "", ""},
      {{"a.crp", "b.crp"}, Shell::FileNew, "a.crp", "", "", ""},
      {{"-p", "/x/a"}, Shell::FilePrint, "/x/a", "", "", ""},
      {{"/x/a", "-p"}, Shell::FilePrint, "/x/a", "", "", ""},
      // The shell's print-to form: the file first, then printer, driver and port.
      {{"-pt", "/x/a", "Laser", "drv", "lp0", "more"},
       Shell::FilePrintTo,
       "/x/a",
       "Laser",
       "drv",
       "lp0"},
      {{"-pt", "/x/a", "Laser"}, Shell::FilePrintTo, "/x/a", "Laser", "", ""},
      {{"-dde"}, Shell::FileDDE, "", "", "", ""},
      {{"-Unregister"}, Shell::AppUnregister, "", "", "", ""},
      {{"-Unregister", "/x/a"}, Shell::AppUnregister, "/x/a", "", "", ""},
      // Compared exactly: other spellings are unknown switches, and are ignored.
      {{"-unregister"}, Shell::FileNew, "", "", "", ""},
      {{"-P", "/x/a"}, Shell::FileNew, "/x/a", "", "", ""},
      {{"/p", "/x/a"}, Shell::FileNew, "/p", "", "", ""},
      {{"--", "-p"}, Shell::FileNew, "-p", "", "", ""},
      {{"-"}, Shell::FileNew, "-", "", "", ""},
      {{"-Embedding"}, Shell::FileNothing, "", "", "", ""},
      {{"-Automation", "/x/a"}, Shell::FileNothing, "/x/a", "", "", ""},
  };
  for (const auto& c : cases) {
    std::string shown;
    for (const auto& p : c.parameters) shown += "[" + p + "]";
    const CommandLineInfo info = ParseCommandLine(c.parameters);
    EXPECT_EQ(info.command, c.command) << shown;
    EXPECT_EQ(info.fileName, c.fileName) << shown;
    EXPECT_EQ(info.printerName, c.printer) << shown;
    EXPECT_EQ(info.driverName, c.driver) << shown;
    EXPECT_EQ(info.portName, c.port) << shown;
  }
  EXPECT_TRUE(ParseCommandLine({"-Embedding"}).runEmbedded);
  EXPECT_TRUE(ParseCommandLine({"-Automation"}).runAutomation);
}

TEST(CommandLineTest, NamesAreKeptAsTheirBytes) {
  const std::string latin1 = "/tmp/caf\xe9.txt";  // not valid UTF-8
  EXPECT_EQ(ParseCommandLine({latin1}).fileName, latin1);
}

}  // namespace
}  // namespace quorvane
