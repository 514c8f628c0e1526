// Heap use of the benchmark process, counted by its own operator new.
#pragma once

#include <cstddef>

struct KT_HEAP_USE
{
    long long nBytes = 0;        // as asked for
    long long nAllocations = 0;  // live blocks
};

KT_HEAP_USE KTGetHeapUse();
