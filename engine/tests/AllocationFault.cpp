// AllocationFault.cpp: the program's operator new and delete, refusing the one allocation chosen.
#include "AllocationFault.h"

#include <cstdlib>
#include <new>

namespace
{

long g_before = -1;  // allocations to let through before the one refused; negative when none is
bool g_happened = false;
long g_made = 0;

void* Allocate(std::size_t size) noexcept
{
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

AllocationFault::AllocationFault(long succeeding)
{
    g_before = succeeding;
    g_happened = false;
    g_made = 0;
}

AllocationFault::~AllocationFault() { g_before = -1; }

bool AllocationFault::Happened() { return g_happened; }

long AllocationFault::Made() { return g_made; }

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
