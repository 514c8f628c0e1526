// KTSystemLibrary.h: an owned system module whose entry points are looked up by name.
//
// Classes: CKTSystemLibrary.
#pragma once

#include <windows.h>

// Loads a module on construction and frees it on destruction. A missing module
// leaves the object empty; every lookup then yields NULL so that callers can
// degrade to doing nothing.
class CKTSystemLibrary
{
public:
    explicit CKTSystemLibrary(LPCSTR lpszModule);
    ~CKTSystemLibrary();
    CKTSystemLibrary(const CKTSystemLibrary&) = delete;
    CKTSystemLibrary& operator=(const CKTSystemLibrary&) = delete;

    BOOL IsLoaded() const { return m_hModule != NULL; }
    HMODULE GetHandle() const { return m_hModule; }

    // Typed lookup: pfn receives the entry point or NULL.
    template <class TFunc>
    BOOL GetProc(LPCSTR lpszName, TFunc& pfn) const
    {
        FARPROC proc = m_hModule ? ::GetProcAddress(m_hModule, lpszName) : NULL;
        pfn = reinterpret_cast<TFunc>(reinterpret_cast<void*>(proc));
        return pfn != NULL;
    }

private:
    HMODULE m_hModule;  // owned; NULL when the module could not be loaded
};
