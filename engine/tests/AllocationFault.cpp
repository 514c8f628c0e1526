// AllocationFault.cpp: the program's operator new and delete, refusing the one allocation chosen.
#include "AllocationFault.h"

#include <atomic>
#include <cstdlib>
#include <new>
#include <thread>

namespace
{

long g_before = -1;  // allocations to let through before the one refused; negative when none is
bool g_happened = false;
std::atomic<std::thread::id> g_thread;  // the only thread whose allocations count; none: every thread's do
std::atomic<long> g_made{0};            // counted on every thread whose allocations count
std::atomic<std::size_t> g_largest{0};  // the largest allocation allowed; 0 while any is

void* Allocate(std::size_t size) noexcept
{
    const std::size_t largest = g_largest.load(std::memory_order_relaxed);
    if (largest != 0 && size > largest)
        return nullptr;
    if (g_thread.load() != std::thread::id() && g_thread.load() != std::this_thread::get_id())
        return std::malloc(size == 0 ? 1 : size);
    ++g_made;
    if (g_before == 0)
    {
        g_before = -1;
        g_happened = true;
        return nullptr;
    }
    if (g_before > 0)
        --g_before;
    return std::malloc(size == 0 ? 1 : size);
}

void* AllocateOrThrow(std::size_t size)
{
    void* block = Allocate(size);
    if (block == nullptr)
        throw std::bad_alloc();
    return block;
}

}  // namespace

AllocationFault::AllocationFault(long succeeding, Threads threads)
{
    g_thread = threads == Threads::ThisOne ? std::this_thread::get_id() : std::thread::id();
    g_before = succeeding;
    g_happened = false;
    g_made = 0;
}

AllocationFault::~AllocationFault()
{
    g_before = -1;
    g_thread = std::thread::id();
}

bool AllocationFault::Happened() { return g_happened; }

long AllocationFault::Made() { return g_made; }

AllocationLimit::AllocationLimit(std::size_t largest) { g_largest = largest; }

AllocationLimit::~AllocationLimit() { g_largest = 0; }

void* operator new(std::size_t size) { return AllocateOrThrow(size); }
void* operator new[](std::size_t size) { return AllocateOrThrow(size); }
void* operator new(std::size_t size, const std::nothrow_t&) noexcept { return Allocate(size); }
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept { return Allocate(size); }
void operator delete(void* block) noexcept { std::free(block); }
void operator delete[](void* block) noexcept { std::free(block); }
void operator delete(void* block, std::size_t) noexcept { std::free(block); }
void operator delete[](void* block, std::size_t) noexcept { std::free(block); }
void operator delete(void* block, const std::nothrow_t&) noexcept { std::free(block); }
void operator delete[](void* block, const std::nothrow_t&) noexcept { std::free(block); }
