#pragma once

#include <cstddef>

// The heap of the test program that links CountingHeap.cpp: every operator new and delete
// of the program goes through it, so a test can see how much a call keeps, how high the heap
// rose meanwhile, and make one chosen allocation fail. Single-threaded use only.
namespace vantor::test::heap {

/// Bytes allocated with operator new and not yet freed.
std::size_t LiveBytes();

/// Restarts the high-water mark at the bytes live now.
void ResetPeak();
/// The most bytes live at once since the last ResetPeak.
std::size_t PeakBytes();

/// Makes the `n`-th allocation from now throw std::bad_alloc (a nothrow one returns null);
/// the ones after it succeed again. 0 cancels.
void FailAllocation(std::size_t n);
/// Whether the allocation chosen by the last FailAllocation has failed.
bool AllocationFailed();

} // namespace vantor::test::heap
