// The page body: token rules, line ends, buffer boundaries, long tokens.
#include "LumenoteRun.h"
#include "ReferencePage.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace lumenote::test {
namespace {

using namespace std::string_literals;

const std::string kString = "<FONT COLOR=\"#660066\">";
const std::string kComment = "<I><FONT COLOR=\"#006600\">";
const std::string kBind = "<FONT COLOR=\"#660000\">";
const std::string kAlias = "<FONT COLOR=\"#000099\">";
const std::string kEnd = "</FONT>";
const std::string kCommentEnd = "</FONT></I>";

/// Converts script with a fixed title and returns the body of the page; fails the test when
/// the run or the page around the body is not as it must be.
std::string convertBody(const std::string& script) {
    LumenoteRun lumenote;
    lumenote.Write("in.cfg", script);
    const RunResult result = lumenote.Run({"-t", "T", "in.cfg", "out.htm"});
    EXPECT_EQ(result.status, 0) << result.err;
    const std::string page = lumenote.Read("out.htm");
    const std::string empty = expectedPage("T", "");
    const std::size_t split = empty.find("</NOBR>");
    const std::string head = empty.substr(0, split);
    const std::string tail = empty.substr(split);
    if (page.size() < head.size() + tail.size() || page.compare(0, head.size(), head) != 0 ||
        page.compare(page.size() - tail.size(), tail.size(), tail) != 0) {
        ADD_FAILURE() << "page head or tail wrong";
        return {};
    }
    return page.substr(head.size(), page.size() - head.size() - tail.size());
}

struct BodyCase {
    const char* name;
    std::string script;
    std::string body;
};

void PrintTo(const BodyCase& c, std::ostream* os) {
    *os << c.name;
}

class PageBody : public testing::TestWithParam<BodyCase> {};

TEST_P(PageBody, IsWrittenByTheTokenRules) {
    EXPECT_EQ(convertBody(GetParam().script), GetParam().body);
}

INSTANTIATE_TEST_SUITE_P(
    Lumenote, PageBody,
    testing::Values(
        BodyCase{"EmptyScript", "", ""},
        BodyCase{"AliasLine", "alias +fwd \"+forward; wait\"\n",
                 kAlias + "alias" + kEnd + " +fwd " + kString + "\"+forward; wait\"" + kEnd +
                     "<BR>\r\n"},
        BodyCase{"BindInCapitalsWithQuotedAlias", "BIND x \"alias\" aliasx",
                 kBind + "BIND" + kEnd + " x " + kString + "\"alias\"" + kEnd + " " + kAlias +
                     "alias" + kEnd + "x"},
        BodyCase{"KeywordsInsideWords", "unbind bindbind bbind aalias AlIaS alia bin",
                 "un" + kBind + "bind" + kEnd + " " + kBind + "bind" + kEnd + kBind + "bind" +
                     kEnd + " b" + kBind + "bind" + kEnd + " a" + kAlias + "alias" + kEnd + " " +
                     kAlias + "AlIaS" + kEnd + " alia bin"},
        BodyCase{"NothingEscaped", "a<b&c\t>", "a<b&c\t>"},
        BodyCase{"EchoLine", "echo hi\n", "echo hi<BR>\r\n"},
        BodyCase{"StringSwallowsCommentsKeywordsAndLines", "say \"// bind\nalias\r\nx\" bind",
                 "say " + kString + "\"// bind\r\nalias\r\nx\"" + kEnd + " " + kBind + "bind" +
                     kEnd},
        BodyCase{"EmptyString", "\"\"", kString + "\"\"" + kEnd},
        BodyCase{"CommentSwallowsQuotesAndLoneCarriageReturns", "x // say \"bind\r y\nz",
                 "x " + kComment + "// say \"bind\r y" + kCommentEnd + "<BR>\r\nz"},
        BodyCase{"CommentAtEndOfInput", "//", kComment + "//" + kCommentEnd},
        BodyCase{"SingleSlashes", "a/b /", "a/b /"},
        BodyCase{"UnterminatedQuoteIsPlain", "echo \"hi\nbind x",
                 "echo \"hi<BR>\r\n" + kBind + "bind" + kEnd + " x"},
        BodyCase{"QuoteAfterStringUnterminated", "\"a\" \"b", kString + "\"a\"" + kEnd + " \"b"},
        BodyCase{"LineEnds", "a\r\nb\nc\rd\r\r\ne\n\rf\r",
                 "a<BR>\r\nb<BR>\r\nc<BR>\rd<BR>\r<BR>\r\ne<BR>\r\n<BR>\rf<BR>\r"},
        BodyCase{"NulAndHighBytesCopied", "a\0b\xff\"\0\"\n"s,
                 "a\0b\xff"s + kString + "\"\0\""s + kEnd + "<BR>\r\n"}),
    [](const testing::TestParamInfo<BodyCase>& param) { return param.param.name; });

// Tokens placed so that they straddle the ends of the 8192-byte read blocks and of the first
// 16384-byte buffer: a CR LF pair split between two reads must still be one line end.
TEST(LumenoteBoundaries, TokensAcrossReadBlocksAndBuffer) {
    const std::vector<std::pair<std::string, std::string>> tokens = {
        {"\r\n", "<BR>\r\n"},
        {"\ry", "<BR>\ry"},
        {"bind", kBind + "bind" + kEnd},
        {"ALIAS", kAlias + "ALIAS" + kEnd},
        {"\"q\r\n//\"", kString + "\"q\r\n//\"" + kEnd},
        {"//c\"x", kComment + "//c\"x" + kCommentEnd},
        {"\"", "\""},
    };
    for (std::size_t block : {8192u, 16384u}) {
        for (std::size_t start = block - 4; start <= block + 1; ++start) {
            for (const auto& [token, output] : tokens) {
                const std::string pad(start, 'x');
                EXPECT_EQ(convertBody(pad + token + "\n"), pad + output + "<BR>\r\n")
                    << "token " << testing::PrintToString(token) << " at " << start;
            }
        }
    }
}

TEST(LumenoteLongTokens, StringAndCommentOfMoreThan100kB) {
    std::string inside;
    std::string insideOut;
    while (inside.size() < 150000) {
        inside += "bind x // y alias\n";
        insideOut += "bind x // y alias\r\n";
    }
    EXPECT_TRUE(SameBytes(convertBody("s \"" + inside + "\"\n"),
                          "s " + kString + "\"" + insideOut + "\"" + kEnd + "<BR>\r\n"));

    const std::string comment = "// " + std::string(150000, 'c') + " \"bind\" \r alias";
    EXPECT_TRUE(SameBytes(convertBody(comment + "\r\nbind"),
                          kComment + comment + kCommentEnd + "<BR>\r\n" + kBind + "bind" + kEnd));
}

/// A script of the given size from pieces that exercise every rule.
std::string generatedScript(unsigned seed, std::size_t size) {
    static const std::vector<std::string> pieces = {
        "\n",
        "\r",
        "\r\n",
        "\"",
        "/",
        "//",
        "bind",
        "BiNd",
        "alias",
        "ALIAS",
        "ali",
        "bin",
        "a",
        "b",
        "x",
        " ",
        "\t",
        "<&>",
        std::string(1, '\0'),
        "\xff",
        "bind \"MOUSE1\" \"+attack\"\r\n",
        "alias +jd \"+jump; +duck\" // jump and duck\r\n"};
    std::mt19937 random(seed);
    std::uniform_int_distribution<std::size_t> pick(0, pieces.size() - 1);
    std::string script;
    while (script.size() < size) {
        script += pieces[pick(random)];
    }
    return script;
}

TEST(LumenoteReference, GeneratedScriptsMatchTheRules) {
    for (unsigned seed = 1; seed <= 12; ++seed) {
        const std::string script = generatedScript(seed, 3000 * seed * seed);
        EXPECT_TRUE(SameBytes(convertBody(script), referenceBody(script))) << "seed " << seed;
    }
}

TEST(LumenoteReference, UnterminatedQuoteFarFromTheEnd) {
    std::string rest;
    for (int line = 0; rest.size() < 400000; ++line) {
        rest += "bind k" + std::to_string(line) + " +attack // fire\r\nalias a" +
                std::to_string(line) + " echo / done\r\n";
    }
    // The quote finds no partner, so it is a plain byte and the rest reads as without it.
    EXPECT_TRUE(SameBytes(convertBody("echo \"" + rest), "echo \"" + referenceBody(rest)));
}

} // namespace
} // namespace lumenote::test
