#include "document/AtomicFile.h"

#include "ScratchFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <unistd.h>

namespace fs = std::filesystem;
using namespace vantor;

namespace {

class AtomicFileTest : public ::testing::Test {
protected:
    void SetUp() override { dir = test::MakeScratchFolder("vantor-atomic"); }
    void TearDown() override {
        AtomicFile::FailWritesAfter(-1);
        AtomicFile::FailSync(AtomicFile::SyncStep::None);
        fs::permissions(dir, fs::perms::owner_all, fs::perm_options::add);
        fs::remove_all(dir);
    }
    std::string Path(const char* name) const { return (dir / name).string(); }
    size_t EntryCount() const {
        return static_cast<size_t>(std::distance(fs::directory_iterator(dir), {}));
    }
    fs::path dir;
};

TEST_F(AtomicFileTest, ReplacesContentAndLeavesNoTemporaryFile) {
    const auto target = Path("lib.vtl");
    ASSERT_TRUE(WriteFileAtomically(target, "old"));
    ASSERT_TRUE(WriteFileAtomically(target, std::string("new\0bytes", 9)));
    std::string bytes;
    ASSERT_TRUE(ReadWholeFile(target, bytes));
    EXPECT_EQ(bytes, std::string("new\0bytes", 9));
    EXPECT_EQ(EntryCount(), 1u);
}

TEST_F(AtomicFileTest, FailedWriteKeepsThePreviousFileAndRemovesTheTemporary) {
    const auto target = Path("lib.vtl");
    ASSERT_TRUE(WriteFileAtomically(target, "previous content"));
    AtomicFile::FailWritesAfter(5);
    EXPECT_FALSE(WriteFileAtomically(target, std::string(100000, 'x')));
    AtomicFile::FailWritesAfter(-1);
    std::string bytes;
    ASSERT_TRUE(ReadWholeFile(target, bytes));
    EXPECT_EQ(bytes, "previous content");
    EXPECT_EQ(EntryCount(), 1u);
}

TEST_F(AtomicFileTest, AFailedSyncFailsTheWrite) {
    const auto target = Path("lib.vtl");
    ASSERT_TRUE(WriteFileAtomically(target, "previous content"));
    std::string bytes;

    // The temporary file's sync fails: the target is left as it was.
    AtomicFile::FailSync(AtomicFile::SyncStep::File);
    EXPECT_FALSE(WriteFileAtomically(target, "new content"));
    ASSERT_TRUE(ReadWholeFile(target, bytes));
    EXPECT_EQ(bytes, "previous content");
    EXPECT_EQ(EntryCount(), 1u);

    // The folder's sync fails after the rename: the write still counts as failed.
    AtomicFile::FailSync(AtomicFile::SyncStep::Folder);
    EXPECT_FALSE(WriteFileAtomically(target, "new content"));
    ASSERT_TRUE(ReadWholeFile(target, bytes));
    EXPECT_EQ(bytes, "new content");
    EXPECT_EQ(EntryCount(), 1u);
}

TEST_F(AtomicFileTest, AReadOnlyFolderFailsAndKeepsTheFile) {
    if (::geteuid() == 0)
        GTEST_SKIP() << "permissions do not stop root";
    const auto target = Path("lib.vtl");
    ASSERT_TRUE(WriteFileAtomically(target, "previous content"));
    fs::permissions(dir, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
    EXPECT_FALSE(WriteFileAtomically(target, "new content"));
    fs::permissions(dir, fs::perms::owner_write, fs::perm_options::add);
    std::string bytes;
    ASSERT_TRUE(ReadWholeFile(target, bytes));
    EXPECT_EQ(bytes, "previous content");
    EXPECT_EQ(EntryCount(), 1u);
}

TEST_F(AtomicFileTest, UncommittedWriterLeavesNothingBehind) {
    {
        AtomicFile file(Path("never.vtl"));
        ASSERT_TRUE(file.Open());
        ASSERT_TRUE(file.Write("half"));
    }
    EXPECT_EQ(EntryCount(), 0u);
}

TEST_F(AtomicFileTest, MissingFolderFails) {
    EXPECT_FALSE(WriteFileAtomically(Path("no/such/folder/lib.vtl"), "x"));
    std::string bytes = "unchanged";
    EXPECT_FALSE(ReadWholeFile(Path("absent"), bytes));
    EXPECT_EQ(bytes, "unchanged");
}

} // namespace
