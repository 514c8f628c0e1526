// Modules keep their cursors as raw images: the linker cannot merge the cursor
// resources of two scripts, and only the foundation's script holds real ones.
#include "KTResourceCursor.h"

CKTResourceCursor::CKTResourceCursor(UINT nID)
{
    HMODULE hModule = ::GetModuleHandleA(NULL);
    HRSRC hInfo = ::FindResourceA(hModule, MAKEINTRESOURCEA(nID), MAKEINTRESOURCEA(10));
    HGLOBAL hData = hInfo ? ::LoadResource(hModule, hInfo) : NULL;
    BYTE* pBits = hData ? static_cast<BYTE*>(::LockResource(hData)) : NULL;
    if (!pBits)
        return;
    m_hCursor = HCURSOR(::CreateIconFromResourceEx(pBits, ::SizeofResource(hModule, hInfo), FALSE, 0x00030000, 32, 32,
                                                   LR_DEFAULTCOLOR));
}

CKTResourceCursor::~CKTResourceCursor()
{
    if (m_hCursor)
        ::DestroyCursor(m_hCursor);
}
