// Reads whose allocations fail: the N-th allocation of a read fails, for N = 1, 2, ... until
// the read no longer needs N allocations. Every step must end in a clean error with nothing
// kept and nothing added.

#include "CountingHeap.h"
#include "document/CVantorDoc.h"
#include "model/CVConfig.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace fs = std::filesystem;

namespace vantor {
namespace {

namespace heap = test::heap;

const fs::path kFixtures = VANTOR_FIXTURES;

TEST(AllocationFailure, EveryFailedAllocationOfALibraryReadIsAFailedOpen) {
    const std::string path = (kFixtures / "bad" / "good-library.vtl").string();
    ASSERT_TRUE(CVantorDoc::Open(path).document); // loads the tables first

    std::size_t n = 1;
    for (bool done = false; !done; ++n) {
        const std::size_t live = heap::LiveBytes();
        {
            heap::FailAllocation(n);
            const auto opened = CVantorDoc::Open(path);
            const bool failed = heap::AllocationFailed();
            heap::FailAllocation(0);
            if (!failed) {
                ASSERT_TRUE(opened.document) << opened.error;
                EXPECT_EQ(opened.document->GetModuleCount(), 2);
                done = true;
                continue;
            }
            EXPECT_EQ(opened.document, nullptr) << "allocation " << n;
            EXPECT_EQ(opened.error, "Failed to open document.") << "allocation " << n;
        }
        ASSERT_EQ(heap::LiveBytes(), live) << "allocation " << n << " failed: memory kept";
    }
    EXPECT_GT(n, 50u); // the sweep went through a whole read
}

TEST(AllocationFailure, EveryFailedAllocationOfAModuleImportLeavesTheLibraryAlone) {
    const std::string path = (kFixtures / "model" / "movement.vtm").string();
    CVantorDoc doc;
    doc.NewModule("Ann");
    doc.SetModified(false);
    ASSERT_EQ(CVantorDoc().ImportModule(path), 0); // loads the tables first

    std::size_t n = 1;
    for (;; ++n) {
        const std::size_t live = heap::LiveBytes();
        heap::FailAllocation(n);
        int result = -1;
        try {
            result = doc.ImportModule(path);
        } catch (const std::bad_alloc&) {
            // The allocation failure itself may reach the caller, which reports it.
        }
        const bool failed = heap::AllocationFailed();
        heap::FailAllocation(0);
        if (!failed) {
            EXPECT_EQ(result, 0);
            EXPECT_EQ(doc.GetModuleCount(), 2);
            break;
        }
        EXPECT_NE(result, 0) << "allocation " << n << " failed, yet the import succeeded";
        ASSERT_EQ(doc.GetModuleCount(), 1) << "allocation " << n;
        EXPECT_FALSE(doc.IsModified()) << "allocation " << n;
        ASSERT_EQ(heap::LiveBytes(), live) << "allocation " << n << " failed: memory kept";
    }
    EXPECT_GT(n, 20u);
}

} // namespace
} // namespace vantor
