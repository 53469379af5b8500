// The script text stream and the locale-free text helpers.

#include "model/TextOutput.h"

#include "model/TextUtil.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <unistd.h>

namespace vantor {
namespace {

TEST(TextOutput, EveryLineFeedBecomesCrLf) {
    std::string text = "kept ";
    TextOutput out(text);
    out.Write("a\nb");
    out.Write("\n\n");
    out.Write("c\r\n");
    out.Write("");
    EXPECT_FALSE(out.Failed());
    EXPECT_TRUE(out.Close());
    EXPECT_EQ(text, "kept a\r\nb\r\n\r\nc\r\r\n");
}

TEST(TextOutput, WritesFilesAndReportsFailures) {
    const std::string path =
        testing::TempDir() + "vantor_text_output_" + std::to_string(::getpid()) + ".cfg";
    {
        TextOutput out;
        ASSERT_TRUE(out.Open(path));
        out.Write("bind x \"y\"\n");
        EXPECT_TRUE(out.Close());
    }
    std::ifstream in(path, std::ios::binary);
    std::stringstream content;
    content << in.rdbuf();
    EXPECT_EQ(content.str(), "bind x \"y\"\r\n");
    std::remove(path.c_str());

    TextOutput missingFolder;
    EXPECT_FALSE(missingFolder.Open("/nonexistent-folder/x.cfg"));
    missingFolder.Write("lost\n");
    EXPECT_TRUE(missingFolder.Failed());
    EXPECT_FALSE(missingFolder.Close());

    TextOutput noTarget;
    noTarget.Write("x");
    EXPECT_FALSE(noTarget.Close());

    // A device that is always full: the loss shows at the latest when closing.
    TextOutput full;
    if (full.Open("/dev/full")) {
        full.Write(std::string(100000, 'x'));
        EXPECT_FALSE(full.Close());
    }
}

TEST(TextUtil, NumbersAsTheCLibraryWritesThem) {
    EXPECT_EQ(FormatInt(-32768), "-32768");
    EXPECT_EQ(FormatFixed6(0.0), "0.000000");
    EXPECT_EQ(FormatFixed6(-0.5), "-0.500000");
    EXPECT_EQ(FormatFixed6(0.1f), "0.100000");
    EXPECT_EQ(FormatFixed6(1e10), "10000000000.000000");
    EXPECT_EQ(FormatFixed6(2.0000005), "2.000001");
}

TEST(TextUtil, ScanStopsAtTheFirstNonNumber) {
    std::int32_t i = 0;
    EXPECT_EQ(ScanInt("\v\f 0012x", i), ScanResult::Ok);
    EXPECT_EQ(i, 12);
    EXPECT_EQ(ScanInt("-2147483648", i), ScanResult::Ok);
    EXPECT_EQ(i, INT32_MIN);
    EXPECT_EQ(ScanInt("0x10", i), ScanResult::Ok);
    EXPECT_EQ(i, 0);
    EXPECT_EQ(ScanInt("--1", i), ScanResult::NoNumber);

    float f = 0;
    EXPECT_EQ(ScanFloat("1.5e3xyz", f), ScanResult::Ok);
    EXPECT_EQ(f, 1500.0f);
    EXPECT_EQ(ScanFloat("-.25", f), ScanResult::Ok);
    EXPECT_EQ(f, -0.25f);
    EXPECT_EQ(ScanFloat("7.", f), ScanResult::Ok);
    EXPECT_EQ(f, 7.0f);
    EXPECT_EQ(ScanFloat("2,5", f), ScanResult::Ok); // a decimal comma ends the number
    EXPECT_EQ(f, 2.0f);
    EXPECT_EQ(ScanFloat(".", f), ScanResult::NoNumber);
    EXPECT_EQ(ScanFloat("1e-50", f), ScanResult::Ok);
    EXPECT_EQ(f, 0.0f);
    EXPECT_EQ(ScanFloat("-3.5e38", f), ScanResult::OutOfRange);
}

TEST(TextUtil, FormatText) {
    EXPECT_EQ(FormatText("ALIAS %s %s\n", {"+zoom", "\"fov 30\""}), "ALIAS +zoom \"fov 30\"\n");
    EXPECT_EQ(FormatText("New Game%d", {"12"}), "New Game12");
    EXPECT_EQ(FormatText("100%% %s%x %", {}), "100% %x %");
}

} // namespace
} // namespace vantor
