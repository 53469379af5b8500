// Commands that fail: the message on standard error, status 1, and every file as it was.

#include "CliRun.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace vantor::cli::test {
namespace {

namespace fs = std::filesystem;

// Every file below the scratch folder with its bytes (links by their target).
std::map<std::string, std::string> Snapshot(const CliRun& cli) {
    std::map<std::string, std::string> files;
    const fs::path root = cli.Path("");
    for (const auto& entry : fs::recursive_directory_iterator(root)) {
        const std::string name = fs::relative(entry.path(), root).string();
        if (entry.is_symlink())
            files[name] = "-> " + fs::read_symlink(entry.path()).string();
        else if (entry.is_regular_file())
            files[name] = cli.Read(name);
        else
            files[name] = "(folder)";
    }
    return files;
}

struct FailureCase {
    const char* name;
    std::vector<std::string> args;
    std::string err; ///< all of standard error
};

void PrintTo(const FailureCase& c, std::ostream* os) {
    *os << c.name;
}

class Failure : public testing::TestWithParam<FailureCase> {};

TEST_P(Failure, ReportsAndLeavesEveryFileAsItWas) {
    const FailureCase& c = GetParam();
    CliRun cli;
    for (const char* fixture : {"library.vtl", "malformed.vtl", "broken.vtm", "movement.vtm"})
        cli.CopyFixture(fixture);
    cli.Write("good.cfg", "bind w +forward\n");
    cli.Write("日本.cfg", "echo hi\n");
    fs::create_directory(cli.Path("folder"));
    const auto before = Snapshot(cli);

    const RunResult result = cli.Run(c.args);

    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err, c.err + "\n");
    EXPECT_EQ(Snapshot(cli), before);
}

const std::string kMalformed = "Unexpected file format.";

INSTANTIATE_TEST_SUITE_P(
    Cli, Failure,
    testing::Values(
        FailureCase{"DumpMissingLibrary", {"dump", "missing.vtl"}, "missing.vtl was not found."},
        FailureCase{"DumpMalformedLibrary", {"dump", "malformed.vtl"}, kMalformed},
        FailureCase{"DumpFolder", {"dump", "folder"}, "Failed to open document."},
        FailureCase{"DumpMissingModuleFile", {"dump", "missing.vtm"}, "missing.vtm was not found."},
        FailureCase{"DumpBrokenModuleFile",
                    {"dump", "broken.vtm"},
                    "Error encountered reading Vantor module."},
        FailureCase{"NewOverExisting", {"new", "library.vtl"}, "library.vtl already exists."},
        FailureCase{"NewInMissingFolder", {"new", "nowhere/lib.vtl"}, "Failed to save document."},
        FailureCase{"AddGameToMalformed", {"add-game", "malformed.vtl", "G", "g.cfg"}, kMalformed},
        FailureCase{"AddGameToMissing",
                    {"add-game", "missing.vtl", "G", "g.cfg"},
                    "missing.vtl was not found."},
        FailureCase{"AddGameWithoutName",
                    {"add-game", "library.vtl", "", "g.cfg"},
                    "Game must have a name."},
        FailureCase{"AddGameNameOutsideCodePage",
                    {"add-game", "library.vtl", "日本", "g.cfg"},
                    "\"日本\" has characters that Windows-1252 cannot hold."},
        FailureCase{"AddGameNameNotUtf8",
                    {"add-game", "library.vtl", "G\xE9", "g.cfg"},
                    "\"G\xE9\" is not UTF-8 text."},
        FailureCase{"NewEngineOutsideCodePage",
                    {"new", "new.vtl", "--engine", "/spiele/日本"},
                    "\"/spiele/日本\" has characters that Windows-1252 cannot hold."},
        FailureCase{
            "UseOnMalformed", {"use", "malformed.vtl", "Deathmatch", "Mövement"}, kMalformed},
        FailureCase{"UseUnknownGame",
                    {"use", "library.vtl", "Nobody", "Mövement"},
                    "There is no Game named \"Nobody\"."},
        FailureCase{"UseUnknownModule",
                    {"use", "library.vtl", "Spare", "Mövement", "Nothing"},
                    "There is no Module named \"Nothing\"."},
        FailureCase{"ImportScriptIntoMalformed",
                    {"import-script", "malformed.vtl", "good.cfg"},
                    kMalformed},
        FailureCase{"ImportScriptsOneMissing",
                    {"import-script", "library.vtl", "good.cfg", "missing.cfg"},
                    "missing.cfg: Error encountered importing script file"},
        FailureCase{"ImportScriptCreatesNothing",
                    {"import-script", "new.vtl", "missing.cfg"},
                    "missing.cfg: Error encountered importing script file"},
        FailureCase{"ImportScriptNamedOutsideCodePage",
                    {"import-script", "library.vtl", "日本.cfg"},
                    "\"日本.cfg\" has characters that Windows-1252 cannot hold."},
        FailureCase{"ImportFolderAsScript",
                    {"import-script", "library.vtl", "folder"},
                    "folder: Error encountered importing script file"},
        FailureCase{"ImportScriptIntoMissingFolder",
                    {"import-script", "nowhere/lib.vtl", "good.cfg"},
                    "Failed to save document."},
        FailureCase{"ImportBrokenModuleFile",
                    {"import-module", "library.vtl", "movement.vtm", "broken.vtm"},
                    "broken.vtm: Error encountered importing Vantor Module from selected file."},
        FailureCase{"ImportModuleIntoMalformed",
                    {"import-module", "malformed.vtl", "movement.vtm"},
                    kMalformed},
        FailureCase{"ImportMissingDefinitions",
                    {"import-defs", "library.vtl", "missing.txt"},
                    "missing.txt: Cannot import from the definition file."},
        FailureCase{"ExportUnknownModule",
                    {"export-module", "library.vtl", "Nothing", "o.vtm"},
                    "There is no Module named \"Nothing\"."},
        FailureCase{"ExportIntoMissingFolder",
                    {"export-module", "library.vtl", "Mövement", "nowhere/o.vtm"},
                    "Error encountered exporting this Vantor Module."},
        FailureCase{"RematchMalformed", {"rematch", "malformed.vtl"}, kMalformed},
        FailureCase{"WriteScriptsOfMalformed", {"write-scripts", "malformed.vtl"}, kMalformed},
        FailureCase{"WriteScriptsIntoMissingFolder",
                    {"write-scripts", "library.vtl"},
                    "Error encountered writing script \"Deathmatch\"\nto file \"out/dm.cfg\"."},
        FailureCase{"WriteUnknownGame",
                    {"write-game", "library.vtl", "Nobody"},
                    "There is no Game named \"Nobody\"."},
        FailureCase{"WriteGameWithoutScriptFile",
                    {"write-game", "library.vtl", "Spare"},
                    "The Game \"Spare\" has no script file."},
        FailureCase{"WriteGameIntoMissingFolder",
                    {"write-game", "library.vtl", "Deathmatch", "nowhere/x.cfg"},
                    "Error encountered writing script \"Deathmatch\"\nto file \"nowhere/x.cfg\"."},
        FailureCase{"WriteUnknownModule",
                    {"write-module", "library.vtl", "Nothing", "x.cfg"},
                    "There is no Module named \"Nothing\"."},
        FailureCase{"WriteModuleIntoMissingFolder",
                    {"write-module", "library.vtl", "Mövement", "nowhere/x.cfg"},
                    "Error encountered writing script \"Mövement\"\nto file \"nowhere/x.cfg\"."},
        FailureCase{"AddExecInMissingFolder",
                    {"add-exec", "nowhere/x.cfg"},
                    "The EXEC line could not be added to nowhere/autoexec.cfg."},
        FailureCase{"PreviewUnknownGame",
                    {"preview", "library.vtl", "--game", "Nobody", "page.html"},
                    "There is no Game named \"Nobody\"."},
        FailureCase{"PreviewOfMalformed",
                    {"preview", "malformed.vtl", "--module", "Mövement", "page.html"},
                    kMalformed}));

} // namespace
} // namespace vantor::cli::test
