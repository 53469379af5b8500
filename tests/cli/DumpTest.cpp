// dump: the JSON of Module files and Libraries, compared whole with expected files.

#include "CliRun.h"

#include <gtest/gtest.h>

namespace vantor::cli::test {
namespace {

// A Module file with every kind of node (its README lists them), a name outside ASCII, a
// real range of 0.1 (the shortest form that reads back) and +infinity (null).
TEST(Dump, ModuleFile) {
    CliRun cli;
    cli.CopyFixture("movement.vtm");
    // The extension decides, in any case.
    cli.Write("MOVEMENT.VTM", cli.Read("movement.vtm"));
    for (const char* file : {"movement.vtm", "MOVEMENT.VTM"}) {
        const RunResult result = cli.Run({"dump", file});
        EXPECT_EQ(result.status, 0) << result.err;
        EXPECT_TRUE(SameBytes(result.out, Fixture("movement.json"))) << file;
    }
}

// The Library's fields and its Games: text in UTF-8 with quotes, backslashes and control
// characters escaped, Module positions in ascending order whatever order `use` named them.
TEST(Dump, Library) {
    CliRun cli;
    cli.Write("view.txt", "fov;I;Field of view\n");
    cli.Write("mouse.txt", "sensitivity;R;Mouse \"speed\"\n");
    cli.MustRun({"new", "lib.vtl", "--engine", "/games/Zürich"});
    cli.MustRun({"import-defs", "lib.vtl", "view.txt", "mouse.txt"});
    cli.MustRun({"add-game", "lib.vtl", "Duel \"1\"\t\\", "/games/€.cfg"});
    cli.MustRun({"add-game", "lib.vtl", "Spare", ""});
    cli.MustRun({"use", "lib.vtl", "Duel \"1\"\t\\", "mouse.txt", "view.txt"});

    const RunResult result = cli.Run({"dump", "lib.vtl"});
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_TRUE(SameBytes(result.out, Fixture("library.json")));
}

} // namespace
} // namespace vantor::cli::test
