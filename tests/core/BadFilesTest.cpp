// Damaged Library and Module files (tests/fixtures/bad/, made by scripts/make-bad-files.py):
// each is refused with its message and the archive error of its damage, adds nothing to a
// Library, takes memory in proportion to its size, keeps nothing, and stays as it was on disk.

#include "CountingHeap.h"
#include "document/CVantorDoc.h"
#include "document/DocumentObserver.h"
#include "model/ArchiveError.h"
#include "model/ArchiveReader.h"
#include "model/CVConfig.h"
#include "resources/StringIds.h"
#include "resources/StringTable.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <sys/stat.h>

namespace fs = std::filesystem;

namespace vantor {
namespace {

using Kind = ArchiveError::Kind;
namespace heap = test::heap;

const fs::path kBad = fs::path(VANTOR_FIXTURES) / "bad";

// What a read may take at most beyond what was live before it: a fixed allowance plus a
// multiple of the file's size. A read that trusted a count or a length from the file would
// reserve far more.
std::size_t MemoryBound(std::size_t fileSize) {
    return 16 * 1024 + 16 * fileSize;
}

struct BadFile {
    const char* name;
    Kind kind;
};

const BadFile kBadFiles[] = {
    // The Library head, field by field.
    {"lib-empty.vtl", Kind::EndOfFile},
    {"lib-folder-length.vtl", Kind::EndOfFile},
    {"lib-cut-reserved.vtl", Kind::EndOfFile},
    {"lib-cut-write-all.vtl", Kind::EndOfFile},
    {"lib-cut-game-width.vtl", Kind::EndOfFile},
    {"lib-cut-module-width.vtl", Kind::EndOfFile},
    {"lib-cut-module-count.vtl", Kind::EndOfFile},
    {"lib-cut-game-count.vtl", Kind::EndOfFile},
    {"lib-module-count-huge.vtl", Kind::EndOfFile},
    {"lib-game-count-huge.vtl", Kind::EndOfFile},
    // Strings and class descriptors.
    {"lib-string-length.vtl", Kind::EndOfFile},
    {"lib-wide-length-overflow.vtl", Kind::EndOfFile},
    {"lib-class-name-empty.vtl", Kind::BadClass},
    {"lib-cut-class-descriptor.vtl", Kind::EndOfFile},
    {"lib-bad-schema.vtl", Kind::BadSchema},
    {"lib-bad-schema-fragment.vtl", Kind::BadSchema},
    {"lib-unknown-class.vtl", Kind::BadClass},
    {"lib-class-name-too-long.vtl", Kind::BadClass},
    // Object references and indices.
    {"lib-reference-unassigned.vtl", Kind::BadIndex},
    {"lib-class-unassigned.vtl", Kind::BadIndex},
    {"lib-index-escape.vtl", Kind::BadIndex},
    {"lib-cut-index-escape.vtl", Kind::EndOfFile},
    {"lib-fragment-as-node.vtl", Kind::BadClass},
    {"lib-game-as-module.vtl", Kind::BadClass},
    {"lib-null-module.vtl", Kind::BadFormat},
    {"lib-module-in-list.vtl", Kind::BadClass},
    {"lib-back-reference-owned.vtl", Kind::BadIndex},
    {"lib-back-reference-module.vtl", Kind::BadIndex},
    {"lib-nesting-too-deep.vtl", Kind::BadFormat},
    {"lib-child-count-huge.vtl", Kind::EndOfFile},
    {"lib-fragment-count-huge.vtl", Kind::EndOfFile},
    // Whole records in the wrong shape.
    {"lib-module-lists-swapped.vtl", Kind::BadFormat},
    {"lib-module-three-lists.vtl", Kind::BadFormat},
    {"lib-action-alias-two-plus-halves.vtl", Kind::BadFormat},
    {"lib-game-position-out-of-range.vtl", Kind::BadFormat},
    {"lib-game-position-negative.vtl", Kind::BadFormat},
    {"lib-game-count-in-game-huge.vtl", Kind::EndOfFile},
    {"lib-last-byte-missing.vtl", Kind::EndOfFile},
    // Module files.
    {"mod-empty.vtm", Kind::EndOfFile},
    {"mod-last-byte-missing.vtm", Kind::EndOfFile},
    {"mod-cut-author.vtm", Kind::EndOfFile},
    {"mod-author-length.vtm", Kind::EndOfFile},
    {"mod-three-lists.vtm", Kind::BadFormat},
    {"mod-lists-swapped.vtm", Kind::BadFormat},
    {"mod-null-list.vtm", Kind::BadFormat},
    {"mod-module-inside.vtm", Kind::BadClass},
    {"mod-game-inside.vtm", Kind::BadClass},
    {"mod-fragment-as-node.vtm", Kind::BadClass},
    {"mod-node-as-fragment.vtm", Kind::BadClass},
    {"mod-action-alias-one-half.vtm", Kind::BadFormat},
    {"mod-nesting-too-deep.vtm", Kind::BadFormat},
    {"mod-fragment-count-huge.vtm", Kind::EndOfFile},
};

std::string ReadBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// The file's bytes and its modification time, to see that nothing touched it.
struct Snapshot {
    std::string bytes;
    struct timespec modified {};

    explicit Snapshot(const fs::path& path) : bytes(ReadBytes(path)) {
        struct stat st {};
        if (::stat(path.c_str(), &st) == 0)
            modified = st.st_mtim;
    }
    bool operator==(const Snapshot& other) const {
        return bytes == other.bytes && modified.tv_sec == other.modified.tv_sec &&
               modified.tv_nsec == other.modified.tv_nsec;
    }
};

// Any change the Library tells its views of.
class ChangeCounter : public DocumentObserver {
public:
    int changes = 0;
    void ModulesAboutToBeInserted(int, int) override { ++changes; }
    void ModulesInserted(int, int) override { ++changes; }
    void ChildrenInserted(CMTObj&, int, int) override { ++changes; }
    void ModifiedChanged(bool) override { ++changes; }
    void Modified() override { ++changes; }
};

// The archive error that reading the bytes raises, or none.
std::optional<ArchiveError> ReadError(const BadFile& file, const std::string& bytes) {
    try {
        if (fs::path(file.name).extension() == ".vtl") {
            CVantorDoc::ReadLibrary(bytes);
        } else {
            CVConfig module;
            ArchiveReader ar(bytes);
            module.Read(ar);
        }
    } catch (const ArchiveError& e) {
        return e;
    }
    return std::nullopt;
}

TEST(BadFiles, EachIsRefusedAndChangesNothing) {
    // Loads the string table and the key table before anything is measured.
    ASSERT_TRUE(CVantorDoc::Open((kBad / "good-library.vtl").string()).document);

    for (const BadFile& file : kBadFiles) {
        SCOPED_TRACE(file.name);
        const fs::path path = kBad / file.name;
        ASSERT_TRUE(fs::exists(path));
        const Snapshot before(path);
        const std::size_t bound = MemoryBound(before.bytes.size());

        // The damage is the one the file is named after.
        const auto error = ReadError(file, before.bytes);
        ASSERT_TRUE(error.has_value());
        EXPECT_EQ(error->GetKind(), file.kind) << error->what();

        const std::size_t live = heap::LiveBytes();
        if (fs::path(file.name).extension() == ".vtl") {
            heap::ResetPeak();
            {
                const auto opened = CVantorDoc::Open(path.string());
                EXPECT_LE(heap::PeakBytes() - live, bound);
                EXPECT_EQ(opened.document, nullptr);
                EXPECT_EQ(opened.error, "Unexpected file format.");
            }
            EXPECT_EQ(heap::LiveBytes(), live) << "the failed read kept memory";
        } else {
            CVantorDoc doc;
            doc.NewModule("Ann");
            doc.SetModified(false);
            ChangeCounter views;
            doc.SetObserver(&views);
            const std::size_t withDoc = heap::LiveBytes();
            heap::ResetPeak();
            EXPECT_EQ(doc.ImportModule(path.string()), IDS_MODULE_READ_FAILED);
            EXPECT_LE(heap::PeakBytes() - withDoc, bound);
            EXPECT_EQ(doc.ImportModuleFile(path.string()), IDS_MODULE_FILE_IMPORT_FAILED);
            EXPECT_EQ(heap::LiveBytes(), withDoc) << "the failed import kept memory";
            EXPECT_EQ(doc.GetModuleCount(), 1);
            EXPECT_FALSE(doc.IsModified());
            EXPECT_EQ(views.changes, 0);
        }
        EXPECT_TRUE(Snapshot(path) == before) << "the file changed on disk";
    }
}

TEST(BadFiles, TheTableNamesEveryFileAndTheGoodFilesRead) {
    std::set<std::string> named;
    for (const BadFile& file : kBadFiles)
        named.insert(file.name);
    for (const auto& entry : fs::directory_iterator(kBad)) {
        if (!entry.is_regular_file())
            continue;
        const std::string name = entry.path().filename().string();
        if (name.starts_with("good-"))
            continue;
        EXPECT_TRUE(named.contains(name)) << name << " is not in the table";
    }
    EXPECT_GE(named.size(), 20u);

    // The damaged files differ from readable ones only where they are damaged.
    const auto good = CVantorDoc::Open((kBad / "good-library.vtl").string());
    ASSERT_TRUE(good.document) << good.error;
    EXPECT_EQ(good.document->GetModuleCount(), 2);
    EXPECT_EQ(good.document->GetGameCount(), 2);
    CVantorDoc doc;
    EXPECT_EQ(doc.ImportModule((kBad.parent_path() / "model" / "movement.vtm").string()), 0);
}

// A large readable Library takes memory in proportion to its size too.
TEST(BadFiles, ReadingALargeLibraryTakesMemoryInProportionToItsSize) {
    const std::string good = ReadBytes(kBad / "good-library.vtl");
    auto doc = CVantorDoc::ReadLibrary(good);
    // The same Modules many times over, the Games using all of them.
    auto copies = std::make_unique<CVantorDoc>();
    for (int i = 0; i < 400; ++i)
        for (int row = 0; row < doc->GetModuleCount(); ++row)
            copies->AddModule(std::unique_ptr<CVConfig>(dynamic_cast<CVConfig*>(
                CMTObj::ReadClipboardData(doc->GetModule(row)->WriteClipboardData()).release())));
    const std::string bytes = copies->WriteLibrary();
    copies.reset();
    ASSERT_GT(bytes.size(), 400u * 1000);

    const std::size_t live = heap::LiveBytes();
    heap::ResetPeak();
    auto read = CVantorDoc::ReadLibrary(bytes);
    EXPECT_EQ(read->GetModuleCount(), 800);
    EXPECT_LE(heap::PeakBytes() - live, 16 * bytes.size());
}

} // namespace
} // namespace vantor
