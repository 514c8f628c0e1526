// Replaces the global allocation functions with ones that count live bytes
// and blocks, so that the benchmark reports the same figure on every platform.
#include "HeapCounter.h"

#include <atomic>
#include <cstdint>
#include <cstdlib>
#include <new>

namespace
{

// A header before each block keeps its size; 16 bytes keep the alignment new promises.
const std::size_t kHeader = 16;

std::atomic<long long> g_bytes{0};
std::atomic<long long> g_allocations{0};

void* Allocate(std::size_t size)
{
    void* raw = std::malloc(size + kHeader);
    if (!raw)
        throw std::bad_alloc();
    *static_cast<std::size_t*>(raw) = size;
    g_bytes += static_cast<long long>(size);
    ++g_allocations;
    return static_cast<char*>(raw) + kHeader;
}

void Free(void* p)
{
    if (!p)
        return;
    void* raw = static_cast<char*>(p) - kHeader;
    g_bytes -= static_cast<long long>(*static_cast<std::size_t*>(raw));
    --g_allocations;
    std::free(raw);
}

// The aligned block starts after room for the raw pointer and the size.
void* AllocateAligned(std::size_t size, std::align_val_t align)
{
    std::size_t alignment = static_cast<std::size_t>(align);
    void* raw = Allocate(size + alignment + kHeader);
    auto at = (reinterpret_cast<std::uintptr_t>(raw) + kHeader + alignment - 1) & ~std::uintptr_t(alignment - 1);
    reinterpret_cast<void**>(at)[-1] = raw;
    return reinterpret_cast<void*>(at);
}

void FreeAligned(void* p)
{
    if (p)
        Free(static_cast<void**>(p)[-1]);
}

}  // namespace

KT_HEAP_USE KTGetHeapUse() { return KT_HEAP_USE{g_bytes.load(), g_allocations.load()}; }

void* operator new(std::size_t size) { return Allocate(size); }
void* operator new[](std::size_t size) { return Allocate(size); }
void operator delete(void* p) noexcept { Free(p); }
void operator delete[](void* p) noexcept { Free(p); }
void operator delete(void* p, std::size_t) noexcept { Free(p); }
void operator delete[](void* p, std::size_t) noexcept { Free(p); }
void* operator new(std::size_t size, std::align_val_t align) { return AllocateAligned(size, align); }
void operator delete(void* p, std::align_val_t) noexcept { FreeAligned(p); }
void operator delete(void* p, std::size_t, std::align_val_t) noexcept { FreeAligned(p); }
