// The road from nothing to a game script: new, import-script, add-game, use, write-scripts.

#include "CliRun.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace vantor::cli::test {
namespace {

TEST(Pipeline, WritesTheGameScriptByteForByte) {
    CliRun cli;
    for (const char* script : {"movement.cfg", "weapons.cfg", "unused.cfg"})
        cli.Write(script, Fixture(std::string("pipeline/") + script));
    std::filesystem::create_directory(cli.Path("out"));

    cli.MustRun({"new", "lib.vtl"});
    cli.MustRun({"import-script", "lib.vtl", "movement.cfg", "weapons.cfg", "unused.cfg"});
    cli.MustRun({"add-game", "lib.vtl", "Deathmatch", "out/autoexec.cfg"});
    // Named in the other order: the script follows the Library's order.
    cli.MustRun({"use", "lib.vtl", "Deathmatch", "weapons.cfg", "movement.cfg"});
    EXPECT_EQ(cli.List("out"), std::vector<std::string>{}) << "only write-scripts writes scripts";

    const RunResult result = cli.Run({"write-scripts", "lib.vtl"});
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.out + result.err, "");
    EXPECT_TRUE(SameBytes(cli.Read("out/autoexec.cfg"), Fixture("pipeline/expected.cfg")));

    // Writing again keeps the previous version as the backup.
    cli.MustRun({"write-scripts", "lib.vtl"});
    EXPECT_EQ(cli.List("out"), (std::vector<std::string>{"autoexec.bak", "autoexec.cfg"}));
    EXPECT_TRUE(SameBytes(cli.Read("out/autoexec.bak"), Fixture("pipeline/expected.cfg")));
}

// A Game without script file (Spare) is skipped; the others are written.
TEST(Pipeline, WriteScriptsSkipsGamesWithoutScriptFile) {
    CliRun cli;
    cli.CopyFixture("library.vtl");
    std::filesystem::create_directory(cli.Path("out"));
    cli.MustRun({"add-game", "library.vtl", "Second", "out/second.cfg"});

    cli.MustRun({"write-scripts", "library.vtl"});

    EXPECT_EQ(cli.List("out"), (std::vector<std::string>{"dm.cfg", "second.cfg"}));
    EXPECT_NE(cli.Read("out/dm.cfg").find("// Module: M\xF6vement\r\n"), std::string::npos);
    EXPECT_EQ(cli.Read("out/second.cfg").find("// Module:"), std::string::npos);
}

} // namespace
} // namespace vantor::cli::test
