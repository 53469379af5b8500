#include "CountingHeap.h"

#include <cstdlib>
#include <malloc.h>
#include <new>

namespace vantor::test::heap {
namespace {

std::size_t g_live = 0;
std::size_t g_peak = 0;
std::size_t g_countdown = 0;
bool g_failed = false;

// Null when the armed allocation is this one.
void* Allocate(std::size_t size, std::size_t alignment) {
    if (g_countdown > 0 && --g_countdown == 0) {
        g_failed = true;
        return nullptr;
    }
    if (size == 0)
        size = 1;
    void* p = alignment <= alignof(std::max_align_t)
                  ? std::malloc(size)
                  : std::aligned_alloc(alignment, (size + alignment - 1) / alignment * alignment);
    if (p != nullptr) {
        g_live += ::malloc_usable_size(p);
        if (g_live > g_peak)
            g_peak = g_live;
    }
    return p;
}

void* AllocateOrThrow(std::size_t size, std::size_t alignment) {
    void* p = Allocate(size, alignment);
    if (p == nullptr)
        throw std::bad_alloc();
    return p;
}

void Free(void* p) noexcept {
    if (p == nullptr)
        return;
    g_live -= ::malloc_usable_size(p);
    std::free(p);
}

} // namespace

std::size_t LiveBytes() {
    return g_live;
}

void ResetPeak() {
    g_peak = g_live;
}

std::size_t PeakBytes() {
    return g_peak;
}

void FailAllocation(std::size_t n) {
    g_countdown = n;
    g_failed = false;
}

bool AllocationFailed() {
    return g_failed;
}

} // namespace vantor::test::heap

using vantor::test::heap::Allocate;
using vantor::test::heap::AllocateOrThrow;
using vantor::test::heap::Free;

constexpr std::size_t kPlain = alignof(std::max_align_t);

void* operator new(std::size_t size) {
    return AllocateOrThrow(size, kPlain);
}
void* operator new[](std::size_t size) {
    return AllocateOrThrow(size, kPlain);
}
void* operator new(std::size_t size, std::align_val_t align) {
    return AllocateOrThrow(size, static_cast<std::size_t>(align));
}
void* operator new[](std::size_t size, std::align_val_t align) {
    return AllocateOrThrow(size, static_cast<std::size_t>(align));
}
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
    return Allocate(size, kPlain);
}
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept {
    return Allocate(size, kPlain);
}
void* operator new(std::size_t size, std::align_val_t align, const std::nothrow_t&) noexcept {
    return Allocate(size, static_cast<std::size_t>(align));
}
void* operator new[](std::size_t size, std::align_val_t align, const std::nothrow_t&) noexcept {
    return Allocate(size, static_cast<std::size_t>(align));
}

void operator delete(void* p) noexcept {
    Free(p);
}
void operator delete[](void* p) noexcept {
    Free(p);
}
void operator delete(void* p, std::size_t) noexcept {
    Free(p);
}
void operator delete[](void* p, std::size_t) noexcept {
    Free(p);
}
void operator delete(void* p, std::align_val_t) noexcept {
    Free(p);
}
void operator delete[](void* p, std::align_val_t) noexcept {
    Free(p);
}
void operator delete(void* p, std::size_t, std::align_val_t) noexcept {
    Free(p);
}
void operator delete[](void* p, std::size_t, std::align_val_t) noexcept {
    Free(p);
}
void operator delete(void* p, const std::nothrow_t&) noexcept {
    Free(p);
}
void operator delete[](void* p, const std::nothrow_t&) noexcept {
    Free(p);
}
void operator delete(void* p, std::align_val_t, const std::nothrow_t&) noexcept {
    Free(p);
}
void operator delete[](void* p, std::align_val_t, const std::nothrow_t&) noexcept {
    Free(p);
}
