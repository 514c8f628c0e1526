// KTResourceManager.cpp: finding resources by id and type, with bounds-checked string tables.
#include "KTResourceManager.h"

#include <vector>

CKTResourceManager::CKTResourceManager() : m_hResourceModule(NULL), m_wLanguage(1033) {}

HMODULE CKTResourceManager::GetApplicationModule() const
{
    HINSTANCE hResource = AfxGetResourceHandle();
    return hResource ? hResource : ::GetModuleHandleA(NULL);
}

HRSRC CKTResourceManager::FindIn(HMODULE hModule, LPCSTR lpszName, LPCSTR lpszType) const
{
    if (!hModule)
        return NULL;
    HRSRC hResource = ::FindResourceExA(hModule, lpszType, lpszName, m_wLanguage);
    return hResource ? hResource : ::FindResourceA(hModule, lpszName, lpszType);
}

const void* CKTResourceManager::LoadResourceData(LPCSTR lpszName, LPCSTR lpszType, DWORD* pcbSize,
                                                 HMODULE* phModule) const
{
    for (HMODULE hModule : {m_hResourceModule, GetApplicationModule()})
    {
        const void* pData = KTLockResource(hModule, FindIn(hModule, lpszName, lpszType), pcbSize);
        if (!pData)
            continue;
        if (phModule)
            *phModule = hModule;
        return pData;
    }
    if (pcbSize)
        *pcbSize = 0;
    return NULL;
}

BOOL CKTResourceManager::LoadStringFrom(HMODULE hModule, CString* pString, UINT nID) const
{
    // Strings live in blocks of sixteen, each a length and that many UTF-16 units.
    DWORD cbBlock = 0;
    const WORD* p = static_cast<const WORD*>(
        KTLockResource(hModule, FindIn(hModule, MAKEINTRESOURCEA((nID >> 4) + 1), MAKEINTRESOURCEA(6)), &cbBlock));
    if (!p)
        return FALSE;
    const WORD* pEnd = p + cbBlock / sizeof(WORD);
    for (UINT i = 0; i < (nID & 15) && p < pEnd; i++)
        p += 1 + *p;
    if (p >= pEnd || *p == 0 || p + 1 + *p > pEnd)
        return FALSE;
    int nUnits = *p;
    const WCHAR* pText = reinterpret_cast<const WCHAR*>(p + 1);
    int cb = ::WideCharToMultiByte(CP_ACP, 0, pText, nUnits, NULL, 0, NULL, NULL);
    if (cb <= 0)
        return FALSE;
    std::vector<char> text(cb + 1, '\0');
    ::WideCharToMultiByte(CP_ACP, 0, pText, nUnits, text.data(), cb, NULL, NULL);
    *pString = text.data();
    return TRUE;
}

BOOL CKTResourceManager::LoadString(CString* pString, UINT nID) const
{
    if (!pString)
        return FALSE;
    if (LoadStringFrom(m_hResourceModule, pString, nID) || LoadStringFrom(GetApplicationModule(), pString, nID))
        return TRUE;
    pString->Empty();
    return FALSE;
}

HCURSOR CKTResourceManager::LoadCursor(UINT nID) const
{
    for (HMODULE hModule : {m_hResourceModule, GetApplicationModule()})
    {
        if (!FindIn(hModule, MAKEINTRESOURCEA(nID), MAKEINTRESOURCEA(12)))  // RT_GROUP_CURSOR
            continue;
        HCURSOR hCursor = ::LoadCursorA(hModule, MAKEINTRESOURCEA(nID));
        if (hCursor)
            return hCursor;
    }
    return NULL;
}

HBITMAP CKTResourceManager::LoadBitmap(UINT nID) const
{
    for (HMODULE hModule : {m_hResourceModule, GetApplicationModule()})
    {
        if (!FindIn(hModule, MAKEINTRESOURCEA(nID), MAKEINTRESOURCEA(2)))  // RT_BITMAP
            continue;
        HANDLE hBitmap = ::LoadImageA(hModule, MAKEINTRESOURCEA(nID), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION);
        if (hBitmap)
            return static_cast<HBITMAP>(hBitmap);
    }
    return NULL;
}

BOOL CKTResourceManager::LoadHTML(CString* pText, WORD nID) const
{
    DWORD cb = 0;
    const char* pData = static_cast<const char*>(LoadResourceData(MAKEINTRESOURCEA(nID), MAKEINTRESOURCEA(23), &cb));
    if (!pData || cb == 0 || !pText)
        return FALSE;
    DWORD nLength = 0;
    while (nLength < cb && pData[nLength] != '\0')
        nLength++;
    *pText = CString(pData, static_cast<int>(nLength));
    return TRUE;
}

LPCDLGTEMPLATE CKTResourceManager::LoadDialogTemplate(UINT nID) const
{
    return LoadDialogResource(MAKEINTRESOURCEA(nID));
}

LPCDLGTEMPLATE CKTResourceManager::LoadDialogResource(LPCSTR lpszName) const
{
    return static_cast<LPCDLGTEMPLATE>(LoadResourceData(lpszName, MAKEINTRESOURCEA(5), NULL));  // RT_DIALOG
}

CKTResourceManager* KTResourceManager()
{
    static CKTResourceManager manager;
    return &manager;
}

const void* KTLockResource(HMODULE hModule, HRSRC hResource, DWORD* pcbSize)
{
    HGLOBAL hData = hModule && hResource ? ::LoadResource(hModule, hResource) : NULL;
    const void* pData = hData ? ::LockResource(hData) : NULL;
    if (pcbSize)
        *pcbSize = pData ? ::SizeofResource(hModule, hResource) : 0;
    return pData;
}

const void* KTLockResource(HMODULE hModule, LPCSTR lpszName, LPCSTR lpszType, DWORD* pcbSize)
{
    HRSRC hResource = hModule && lpszName ? ::FindResourceA(hModule, lpszName, lpszType) : NULL;
    return KTLockResource(hModule, hResource, pcbSize);
}
