// KTSystemLibrary.cpp: loading and freeing a system module.
#include "KTSystemLibrary.h"

CKTSystemLibrary::CKTSystemLibrary(LPCSTR lpszModule) : m_hModule(lpszModule ? ::LoadLibraryA(lpszModule) : NULL) {}

CKTSystemLibrary::~CKTSystemLibrary()
{
    if (m_hModule)
        ::FreeLibrary(m_hModule);
}
