// OutOfMemory.h: one place that knows both ways an allocation reports failure.
#pragma once

#include <afx.h>

#include <new>

// Runs work; true when memory ran out inside it. The standard library throws
// std::bad_alloc, the framework's containers a CMemoryException pointer:
// a reader or generator turns either into a refusal instead of letting it
// reach code that cannot unwind (the XML parser) or end the program.
template <class Work>
bool RanOutOfMemory(Work&& work)
{
    try
    {
        work();
        return false;
    }
    catch (const std::bad_alloc&)
    {
        return true;
    }
    catch (CMemoryException* e)
    {
        e->Delete();
        return true;
    }
}
