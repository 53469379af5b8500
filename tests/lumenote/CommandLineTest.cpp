// The command line, the messages and exit statuses, and viewing the page.
#include "LumenoteRun.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <unistd.h>
#include <vector>

namespace lumenote::test {
namespace {

constexpr const char* kScript = "echo hi\n";
constexpr const char* kBody = "echo hi<BR>\r\n";
constexpr const char* kViewNotice = "You want to view!\n";

std::string converted(const std::string& in, const std::string& out) {
    return "Converted \"" + in + "\" to \"" + out + "\"\n\n";
}

struct LineCase {
    const char* name;
    std::vector<std::string> args;
    std::string out; ///< standard output
    std::string err; ///< standard error after the banner
    int status;
    const char* page;    ///< the page file that must hold the script, or nullptr for none
    std::string title;   ///< the page's title
    bool viewed = false; ///< the stand-in viewer must have been asked to open the page
};

void PrintTo(const LineCase& c, std::ostream* os) {
    *os << c.name;
}

class CommandLine : public testing::TestWithParam<LineCase> {};

TEST_P(CommandLine, GivesItsMessagesStatusAndPage) {
    const LineCase& c = GetParam();
    LumenoteRun lumenote;
    lumenote.Write("in.cfg", kScript);

    const RunResult result = lumenote.Run(c.args);

    EXPECT_EQ(result.status, c.status);
    EXPECT_EQ(result.out, c.out);
    EXPECT_EQ(result.err, kBanner + c.err);
    if (c.page != nullptr) {
        EXPECT_EQ(lumenote.Read(c.page), expectedPage(c.title, kBody));
    } else {
        EXPECT_FALSE(lumenote.Exists("out.htm")) << "no page is written after an error";
    }
    if (c.viewed) {
        EXPECT_EQ(lumenote.ViewerArguments(), std::vector<std::string>{c.page});
    }
}

const std::string kUsage = "usage lumenote [-t <title>] [-v] <infile> <outfile>\n";
const std::string kTooFew = "Too few parameters specified\n";
const std::string kViewing = "Viewing \"out.htm\" in default browser\n";

INSTANTIATE_TEST_SUITE_P(
    Lumenote, CommandLine,
    testing::Values(LineCase{"NoArguments", {}, "", kUsage, 3, nullptr, ""},
                    LineCase{"OneArgument", {"in.cfg"}, "", kUsage, 3, nullptr, ""},
                    LineCase{
                        "ViewAndOneFile", {"-v", "in.cfg"}, kViewNotice, kTooFew, 3, nullptr, ""},
                    LineCase{"TitleAndOneFile", {"-t", "T", "in.cfg"}, "", kTooFew, 3, nullptr, ""},
                    LineCase{"TitleLast",
                             {"-v", "-t"},
                             kViewNotice,
                             "Title name expected after -t\n",
                             3,
                             nullptr,
                             ""},
                    LineCase{"DefaultTitle",
                             {"in.cfg", "out.htm"},
                             "",
                             converted("in.cfg", "out.htm"),
                             0,
                             "out.htm",
                             "out.htm script file"},
                    LineCase{"UnknownOptionSkipped",
                             {"-x", "-", "in.cfg", "out.htm"},
                             "",
                             converted("in.cfg", "out.htm"),
                             0,
                             "out.htm",
                             "out.htm script file"},
                    LineCase{"FurtherArgumentsIgnored",
                             {"in.cfg", "out.htm", "more.htm"},
                             "",
                             converted("in.cfg", "out.htm"),
                             0,
                             "out.htm",
                             "out.htm script file"},
                    LineCase{"EmptyTitleIsATitle",
                             {"-t", "", "in.cfg", "out.htm"},
                             "",
                             converted("in.cfg", "out.htm"),
                             0,
                             "out.htm",
                             ""},
                    LineCase{"LastTitleWinsUnescaped",
                             {"-t", "A", "-T", "<B> & \"C\"", "in.cfg", "out.htm"},
                             "",
                             converted("in.cfg", "out.htm"),
                             0,
                             "out.htm",
                             "<B> & \"C\""},
                    LineCase{"TitleAndView",
                             {"-t", "My page", "-v", "in.cfg", "out.htm"},
                             kViewNotice,
                             converted("in.cfg", "out.htm") + kViewing,
                             0,
                             "out.htm",
                             "My page",
                             true},
                    LineCase{"OnlySecondCharacterCounts",
                             {"-Title", "Mine", "-Verbose", "in.cfg", "out.htm"},
                             kViewNotice,
                             converted("in.cfg", "out.htm") + kViewing,
                             0,
                             "out.htm",
                             "Mine",
                             true},
                    LineCase{"MissingInput",
                             {"nope.cfg", "out.htm"},
                             "",
                             "Unable to open input file \"nope.cfg\"\n",
                             3,
                             nullptr,
                             ""},
                    LineCase{"InputIsAFolder",
                             {"bin", "out.htm"},
                             "",
                             "Unable to open input file \"bin\"\n",
                             3,
                             nullptr,
                             ""},
                    LineCase{"OutputCannotBeCreated",
                             {"in.cfg", "no/such/out.htm"},
                             "",
                             "Unable to open output file\"no/such/out.htm\"\n",
                             3,
                             nullptr,
                             ""},
                    LineCase{"WriteFails",
                             {"in.cfg", "/dev/full"},
                             "",
                             "Unable to write output file \"/dev/full\"\n",
                             3,
                             nullptr,
                             ""}),
    [](const testing::TestParamInfo<LineCase>& param) { return param.param.name; });

TEST(LumenoteFiles, OutputNamingTheInputIsRefusedAndTheScriptKept) {
    LumenoteRun lumenote;
    lumenote.Write("in.cfg", kScript);
    ::symlink("in.cfg", lumenote.Path("link.cfg").c_str());

    for (const char* output : {"in.cfg", "link.cfg"}) {
        const RunResult result = lumenote.Run({"in.cfg", output});
        EXPECT_EQ(result.status, 3);
        EXPECT_EQ(result.err,
                  kBanner + std::string("Unable to open output file\"") + output + "\"\n");
        EXPECT_EQ(lumenote.Read("in.cfg"), kScript);
    }
}

TEST(LumenoteFiles, ReadFailureIsFatalAndLeavesThePageSoFar) {
    LumenoteRun lumenote;
    // Reading a process's own memory at offset 0 fails with an I/O error.
    const RunResult result = lumenote.Run({"-t", "T", "/proc/self/mem", "out.htm"});

    EXPECT_EQ(result.status, 2);
    EXPECT_EQ(result.err, kBanner + std::string("input in flex scanner failed\n"));
    const std::string head = expectedPage("T", "");
    EXPECT_EQ(lumenote.Read("out.htm"), head.substr(0, head.find("</NOBR>")));
}

TEST(LumenoteFiles, LongTitleAndPathsAreWrittenWhole) {
    LumenoteRun lumenote;
    lumenote.Write("in.cfg", kScript);
    std::string folder;
    for (int i = 0; i < 6; ++i) {
        folder += std::string(60, static_cast<char>('a' + i)) + "/";
        std::filesystem::create_directory(lumenote.Path(folder));
    }
    const std::string output = folder + "page.htm";
    const std::string title(100000, 'T');

    RunResult result = lumenote.Run({"-t", title, "in.cfg", output});
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.err, kBanner + converted("in.cfg", output));
    EXPECT_TRUE(SameBytes(lumenote.Read(output), expectedPage(title, kBody)));

    result = lumenote.Run({"in.cfg", output});
    EXPECT_EQ(lumenote.Read(output), expectedPage(output + " script file", kBody));
}

TEST(LumenoteView, MissingViewerIsNotReported) {
    LumenoteRun lumenote;
    lumenote.Write("in.cfg", kScript);

    const RunResult result = lumenote.Run({"-v", "in.cfg", "out.htm"}, /*viewer=*/false);

    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.out, kViewNotice);
    EXPECT_EQ(result.err, kBanner + converted("in.cfg", "out.htm") + kViewing);
    EXPECT_EQ(lumenote.Read("out.htm"), expectedPage("out.htm script file", kBody));
}

} // namespace
} // namespace lumenote::test
