#include "document/ScriptFiles.h"

#include "ScratchFolder.h"
#include "document/AtomicFile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;
using namespace vantor;

namespace {

class ScriptFilesTest : public ::testing::Test {
protected:
    void SetUp() override { dir = test::MakeScratchFolder("vantor-scriptfiles"); }
    void TearDown() override { fs::remove_all(dir); }

    std::string Path(const std::string& name) const { return (dir / name).string(); }
    void Put(const std::string& name, const std::string& bytes) const {
        fs::create_directories(fs::path(Path(name)).parent_path());
        std::ofstream(Path(name), std::ios::binary) << bytes;
    }
    std::string Get(const std::string& name) const {
        std::string bytes;
        EXPECT_TRUE(ReadWholeFile(Path(name), bytes)) << name;
        return bytes;
    }
    fs::path dir;
};

TEST(BackupPath, UsesTheLastDotOfTheFileNameOnly) {
    const struct {
        const char* path;
        const char* backup;
    } cases[] = {
        {"/games/id1/autoexec.cfg", "/games/id1/autoexec.bak"},
        {"/games/id1/my.game.cfg", "/games/id1/my.game.bak"},
        {"/games/v1.2/autoexec", ""},
        {"/games/id1/noext", ""},
        {"relative.rc", "relative.bak"},
        {"/games/id1/.cfg", "/games/id1/.bak"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(BackupPathFor(c.path), c.backup) << c.path;
}

TEST_F(ScriptFilesTest, MakeBackupCopiesAndReplacesAnOlderBackup) {
    Put("game/autoexec.cfg", "new\r\n");
    Put("game/autoexec.bak", "older");
    MakeBackup(Path("game/autoexec.cfg"));
    EXPECT_EQ(Get("game/autoexec.bak"), "new\r\n");

    MakeBackup(Path("game/missing.cfg"));
    EXPECT_FALSE(fs::exists(Path("game/missing.bak")));
}

TEST_F(ScriptFilesTest, MakeBackupIgnoresADotInAFolderName) {
    Put("v1.2/autoexec", "data");
    MakeBackup(Path("v1.2/autoexec"));
    EXPECT_FALSE(fs::exists(Path("v1.bak")));
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), {}), 1);
}

TEST_F(ScriptFilesTest, AddExecLineCreatesAutoexecWithExactlyTheTwoLines) {
    fs::create_directories(Path("quake"));
    ASSERT_TRUE(AddExecLine(Path("quake/Vantor.cfg")));
    EXPECT_EQ(Get("quake/autoexec.cfg"),
              "// The following line added by Vantor\r\nEXEC Vantor.cfg");
    EXPECT_FALSE(fs::exists(Path("quake/autoexec.bak")));
}

TEST_F(ScriptFilesTest, AddExecLineKeepsTheOldTextBacksItUpAndAddsAgainWhenRunTwice) {
    Put("quake/autoexec.cfg", "bind x jump\nexec other.cfg\r\nlast line");
    ASSERT_TRUE(AddExecLine(Path("quake/Vantor.cfg")));
    EXPECT_EQ(Get("quake/autoexec.bak"), "bind x jump\nexec other.cfg\r\nlast line");
    EXPECT_EQ(Get("quake/autoexec.cfg"), "bind x jump\r\nexec other.cfg\r\nlast line"
                                         "// The following line added by Vantor\r\n"
                                         "EXEC Vantor.cfg");
    ASSERT_TRUE(AddExecLine(Path("quake/Vantor.cfg")));
    EXPECT_EQ(Get("quake/autoexec.cfg"), "bind x jump\r\nexec other.cfg\r\nlast line"
                                         "// The following line added by Vantor\r\n"
                                         "EXEC Vantor.cfg"
                                         "// The following line added by Vantor\r\n"
                                         "EXEC Vantor.cfg");
    // Only autoexec.cfg and its backup: no temporary file is left behind.
    EXPECT_EQ(std::distance(fs::directory_iterator(Path("quake")), {}), 2);
}

TEST_F(ScriptFilesTest, AddExecLineRefusesPathsWithoutAFolderAndMissingFolders) {
    EXPECT_FALSE(AddExecLine("Vantor.cfg"));
    EXPECT_FALSE(AddExecLine("/Vantor.cfg"));
    EXPECT_FALSE(AddExecLine(Path("absent/Vantor.cfg")));
    EXPECT_FALSE(fs::exists(Path("absent")));
}

} // namespace
