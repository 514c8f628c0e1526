// Replaces the global allocation functions with ones that count live bytes
// and blocks, so that the benchmark reports the same figure on every platform.
#include "HeapCounter.h"

#include <atomic>
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

}  // namespace

KT_HEAP_USE KTGetHeapUse() { return KT_HEAP_USE{g_bytes.load(), g_allocations.load()}; }

void* operator new(std::size_t size) { return Allocate(size); }
void* operator new[](std::size_t size) { return Allocate(size); }
void operator delete(void* p) noexcept { Free(p); }
void operator delete[](void* p) noexcept { Free(p); }
void operator delete(void* p, std::size_t) noexcept { Free(p); }
void operator delete[](void* p, std::size_t) noexcept { Free(p); }
