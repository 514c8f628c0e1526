// AllocationFault.h: makes one chosen allocation of the program fail, for out-of-memory tests.
//
// Classes: AllocationFault, AllocationLimit.
#pragma once

#include <cstddef>

// While one lives, the allocation through operator new that comes after the
// first `succeeding` fails as it would with memory exhausted: std::bad_alloc,
// or a null pointer from the nothrow forms. Later ones succeed again, as when
// the request that failed was the large one. Linking AllocationFault.cpp
// replaces the program's operator new and delete.
class AllocationFault
{
public:
    // Whose allocations count: those of every thread, or only of the one
    // that sets the fault, where others run on their own time.
    enum class Threads
    {
        All,
        ThisOne,
    };
    explicit AllocationFault(long succeeding, Threads threads = Threads::All);
    ~AllocationFault();
    AllocationFault(const AllocationFault&) = delete;
    AllocationFault& operator=(const AllocationFault&) = delete;

    // True once the chosen allocation has been refused.
    static bool Happened();
    // The allocations asked for since the fault was set, on the threads that count.
    static long Made();
};

// While one lives, every allocation through operator new of more than
// `largest` bytes fails, on any thread, as one too big for the memory left
// would: for code that must never need a copy of something big.
class AllocationLimit
{
public:
    explicit AllocationLimit(std::size_t largest);
    ~AllocationLimit();
    AllocationLimit(const AllocationLimit&) = delete;
    AllocationLimit& operator=(const AllocationLimit&) = delete;
};
