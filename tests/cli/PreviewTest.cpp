// preview: lumenote beside the program makes the page; the temporary script goes away, and
// a failure leaves the page as it was.

#include "CliRun.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace vantor::cli::test {
namespace {

namespace fs = std::filesystem;

const std::string kPageStart = "<HTML>\r\n<HEAD>\r\n";

// The page's title line.
std::string Title(const std::string& page) {
    const auto from = page.find("<TITLE>");
    const auto to = page.find("</TITLE>");
    return from == std::string::npos || to == std::string::npos ? std::string()
                                                                : page.substr(from, to + 8 - from);
}

// A copy of vantor-cli in its own folder of the scratch folder, beside `lumenote` when one
// is given (a shell script standing in for the converter).
std::string InstallCopy(const CliRun& cli, const std::string& folder, const char* lumenote) {
    fs::create_directory(cli.Path(folder));
    const std::string program = cli.Path(folder + "/vantor-cli");
    fs::copy_file(VANTOR_CLI_PROGRAM, program);
    if (lumenote != nullptr) {
        cli.Write(folder + "/lumenote", lumenote);
        fs::permissions(cli.Path(folder + "/lumenote"), fs::perms::owner_all);
    }
    return program;
}

TEST(Preview, GamePageReplacesOutAndLeavesNoTemporaryFile) {
    CliRun cli;
    cli.CopyFixture("library.vtl");
    cli.Write("page.html", "old page");

    const RunResult result =
        cli.Run({"preview", "library.vtl", "--game", "Deathmatch", "page.html"});

    EXPECT_EQ(result.status, 0) << result.err;
    const std::string page = cli.Read("page.html");
    EXPECT_TRUE(page.starts_with(kPageStart)) << page.substr(0, 80);
    EXPECT_EQ(Title(page), "<TITLE>Preview of Script Deathmatch</TITLE>");
    EXPECT_NE(page.find("06-Dec-1998 14:05"), std::string::npos);
    EXPECT_EQ(result.out, "") << "lumenote is not asked to view the page";
    EXPECT_EQ(cli.List("tmp"), std::vector<std::string>{});
    EXPECT_EQ(cli.List("."), (std::vector<std::string>{"bin", "library.vtl", "page.html", "tmp"}));
}

TEST(Preview, ModulePageOpensInTheBrowserWithView) {
    CliRun cli;
    cli.CopyFixture("library.vtl");

    const RunResult result =
        cli.Run({"preview", "library.vtl", "--module", "Mövement", "page.html", "--view"});

    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(Title(cli.Read("page.html")), "<TITLE>Preview of Module M\xF6vement</TITLE>");
    EXPECT_EQ(cli.ViewerArguments(), std::vector<std::string>{"page.html"});
    EXPECT_EQ(cli.List("tmp"), std::vector<std::string>{});
}

struct ConverterFailure {
    const char* name;
    const char* lumenote; ///< the stand-in converter, or nullptr for none
    std::string err;      ///< the last line of standard error
};

void PrintTo(const ConverterFailure& c, std::ostream* os) {
    *os << c.name;
}

class PreviewFailure : public testing::TestWithParam<ConverterFailure> {};

TEST_P(PreviewFailure, LeavesThePageAsItWas) {
    const ConverterFailure& c = GetParam();
    CliRun cli;
    cli.CopyFixture("library.vtl");
    const std::string program = InstallCopy(cli, "alone", c.lumenote);
    for (const bool existed : {true, false}) {
        SCOPED_TRACE(existed ? "page existed" : "no page before");
        if (existed)
            cli.Write("page.html", "old page");
        else
            fs::remove(cli.Path("page.html"));

        const RunResult result = cli.RunProgram(
            program, {"preview", "library.vtl", "--game", "Deathmatch", "page.html"});

        EXPECT_EQ(result.status, 1);
        EXPECT_TRUE(result.err.ends_with(c.err + "\n")) << result.err;
        EXPECT_EQ(cli.Exists("page.html"), existed);
        if (existed) {
            EXPECT_EQ(cli.Read("page.html"), "old page");
        }
        EXPECT_EQ(cli.List("tmp"), std::vector<std::string>{});
        EXPECT_EQ(
            cli.List("."),
            existed ? (std::vector<std::string>{"alone", "bin", "library.vtl", "page.html", "tmp"})
                    : (std::vector<std::string>{"alone", "bin", "library.vtl", "tmp"}));
    }
}

// Writes part of a page to its last argument, as a converter that breaks off does.
constexpr const char* kBreaksOff = "#!/bin/sh\n"
                                   "for last; do :; done\n"
                                   "printf '<HTML>' > \"$last\"\n"
                                   "echo 'fatal error - scanner input buffer overflow' >&2\n"
                                   "exit 2\n";

INSTANTIATE_TEST_SUITE_P(Cli, PreviewFailure,
                         testing::Values(ConverterFailure{"NoConverter", nullptr,
                                                          "Unable to start preview application"},
                                         ConverterFailure{"ConverterBreaksOff", kBreaksOff,
                                                          "lumenote ended with status 2."}));

} // namespace
} // namespace vantor::cli::test
