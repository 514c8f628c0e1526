// Copies of global memory blocks, for data handed to callers who free them.
#pragma once
#include <cstring>
#include <windows.h>

// NULL when hSource is NULL or cannot be read, or memory runs out.
inline HGLOBAL AfxCopyGlobalMemory(HGLOBAL hSource)
{
    SIZE_T cb = hSource ? ::GlobalSize(hSource) : 0;
    if (cb == 0)
        return nullptr;
    const void* pSource = ::GlobalLock(hSource);
    if (!pSource)
        return nullptr;
    HGLOBAL hCopy = ::GlobalAlloc(GMEM_MOVEABLE, cb);
    if (void* pCopy = hCopy ? ::GlobalLock(hCopy) : nullptr)
    {
        memcpy(pCopy, pSource, cb);
        ::GlobalUnlock(hCopy);
    }
    else if (hCopy)
    {
        ::GlobalFree(hCopy);
        hCopy = nullptr;
    }
    ::GlobalUnlock(hSource);
    return hCopy;
}
