// The command line itself: help, version, and the usage errors (status 2, nothing done).

#include "CliRun.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vantor::cli::test {
namespace {

TEST(CommandLine, HelpNamesEveryCommand) {
    CliRun cli;
    const RunResult result = cli.Run({"--help"});
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.err, "");
    for (const char* line : {
             "  dump FILE\n",
             "  new LIBRARY [--engine DIR]\n",
             "  add-game LIBRARY NAME SCRIPTFILE\n",
             "  use LIBRARY GAME MODULE...\n",
             "  import-script LIBRARY SCRIPT...\n",
             "  import-module LIBRARY FILE.vtm...\n",
             "  import-defs LIBRARY DEFS...\n",
             "  export-module LIBRARY MODULE OUT.vtm\n",
             "  rematch LIBRARY\n",
             "  write-scripts LIBRARY\n",
             "  write-game LIBRARY GAME [OUT]\n",
             "  write-module LIBRARY MODULE OUT\n",
             "  add-exec SCRIPTPATH\n",
             "  preview LIBRARY (--game NAME | --module NAME) OUT.html [--view]\n",
             "  help COMMAND\n",
             "Exit status: 0 done, 1 the operation failed, 2 usage error.\n",
         })
        EXPECT_NE(result.out.find(line), std::string::npos) << line;
}

TEST(CommandLine, HelpOfOneCommandAndVersion) {
    CliRun cli;
    const RunResult help = cli.Run({"help", "write-game"});
    EXPECT_EQ(help.status, 0);
    EXPECT_TRUE(help.out.starts_with("Usage: vantor-cli write-game LIBRARY GAME [OUT]\n"))
        << help.out;

    const RunResult version = cli.Run({"--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out, "vantor-cli 1.02\n");
}

struct UsageCase {
    const char* name;
    std::vector<std::string> args;
    std::string err; ///< the first line of standard error
};

void PrintTo(const UsageCase& c, std::ostream* os) {
    *os << c.name;
}

class Usage : public testing::TestWithParam<UsageCase> {};

TEST_P(Usage, FailsWithStatusTwoAndChangesNothing) {
    const UsageCase& c = GetParam();
    CliRun cli;
    cli.CopyFixture("library.vtl");
    const std::string before = cli.Read("library.vtl");

    const RunResult result = cli.Run(c.args);

    EXPECT_EQ(result.status, 2);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err.substr(0, result.err.find('\n') + 1), c.err + "\n") << result.err;
    EXPECT_NE(result.err.find("Usage: vantor-cli"), std::string::npos) << result.err;
    EXPECT_EQ(cli.Read("library.vtl"), before);
    EXPECT_EQ(cli.List("."), (std::vector<std::string>{"bin", "library.vtl", "tmp"}));
}

INSTANTIATE_TEST_SUITE_P(
    Cli, Usage,
    testing::Values(
        UsageCase{"NoArguments", {}, "Usage: vantor-cli COMMAND ARGUMENTS..."},
        UsageCase{"UnknownCommand", {"frobnicate", "x"}, "Unknown command \"frobnicate\"."},
        UsageCase{
            "HelpOfUnknownCommand", {"help", "frobnicate"}, "Unknown command \"frobnicate\"."},
        UsageCase{"TooFew", {"add-game", "library.vtl", "G"}, "Too few arguments."},
        UsageCase{"TooMany", {"rematch", "library.vtl", "other.vtl"}, "Too many arguments."},
        UsageCase{"UseWithoutModule", {"use", "library.vtl", "Deathmatch"}, "Too few arguments."},
        UsageCase{"UnknownOption", {"new", "new.vtl", "--engin", "/g"}, "Unknown option --engin."},
        UsageCase{"OptionWithoutValue",
                  {"new", "new.vtl", "--engine"},
                  "The option --engine needs a value."},
        UsageCase{"RepeatedOption",
                  {"preview", "library.vtl", "--game", "Deathmatch", "--game", "Spare", "p.html"},
                  "The option --game is given twice."},
        UsageCase{"PreviewOfNothing",
                  {"preview", "library.vtl", "p.html"},
                  "Give either --game NAME or --module NAME."},
        UsageCase{
            "PreviewOfBoth",
            {"preview", "library.vtl", "--game", "Deathmatch", "--module", "Mövement", "p.html"},
            "Give either --game NAME or --module NAME."}));

} // namespace
} // namespace vantor::cli::test
