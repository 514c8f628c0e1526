// Copies of global memory blocks, for data handed to callers who free them.
#pragma once
#include <cstring>
#include <windows.h>

// NULL when hSource is NULL or memory runs out.
inline HGLOBAL AfxCopyGlobalMemory(HGLOBAL hSource)
{
    if (!hSource)
        return nullptr;
    SIZE_T cb = ::GlobalSize(hSource);
    HGLOBAL hCopy = ::GlobalAlloc(GMEM_MOVEABLE, cb);
    if (!hCopy)
        return nullptr;
    void* pCopy = ::GlobalLock(hCopy);
    const void* pSource = ::GlobalLock(hSource);
    if (pCopy && pSource)
        memcpy(pCopy, pSource, cb);
    ::GlobalUnlock(hSource);
    ::GlobalUnlock(hCopy);
    return hCopy;
}
