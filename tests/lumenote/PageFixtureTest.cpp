// Whole pages for the scripts under tests/fixtures/lumenote/pages/<case>/: input.cfg is
// converted with the default title and must give expected.html byte for byte.
#include "LumenoteRun.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace lumenote::test {
namespace {

namespace fs = std::filesystem;

std::string readFile(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

TEST(LumenotePages, FixtureScriptsGiveTheirPages) {
    const fs::path pages = fs::path(LUMENOTE_FIXTURES) / "pages";
    int cases = 0;
    for (const auto& entry : fs::directory_iterator(pages)) {
        SCOPED_TRACE(entry.path().filename().string());
        LumenoteRun lumenote;
        lumenote.Write("input.cfg", readFile(entry.path() / "input.cfg"));

        const RunResult result = lumenote.Run({"input.cfg", "page.htm"});

        EXPECT_EQ(result.status, 0);
        EXPECT_EQ(result.err, kBanner + std::string("Converted \"input.cfg\" to \"page.htm\"\n\n"));
        EXPECT_EQ(lumenote.Read("page.htm"), readFile(entry.path() / "expected.html"));
        ++cases;
    }
    EXPECT_GT(cases, 0) << "no fixture folders under " << pages;
}

} // namespace
} // namespace lumenote::test
