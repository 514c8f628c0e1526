// SolidIcon.h: icons of one colour under an id of the process-wide image manager, for tests that look for them.
#pragma once

#include "KTImageManager.h"

#include <vector>

// A square of one colour as the id's icon at that size; false when it could not be made.
inline bool SetSolidIcon(UINT nId, int nSize, COLORREF clr)
{
    std::vector<DWORD> colour(nSize * nSize,
                              0xFF000000 | (GetRValue(clr) << 16) | (GetGValue(clr) << 8) | GetBValue(clr));
    std::vector<BYTE> mask((nSize + 15) / 16 * 2 * nSize, 0);
    ICONINFO info = {TRUE, 0, 0, ::CreateBitmap(nSize, nSize, 1, 1, mask.data()),
                     ::CreateBitmap(nSize, nSize, 1, 32, colour.data())};
    HICON hIcon = info.hbmMask && info.hbmColor ? ::CreateIconIndirect(&info) : NULL;
    ::DeleteObject(info.hbmMask);
    ::DeleteObject(info.hbmColor);
    bool bSet = hIcon && KTImageManager()->SetIcon(CKTImageManagerIconHandle(hIcon), nId, CSize(nSize, nSize));
    if (hIcon)
        ::DestroyIcon(hIcon);
    return bSet;
}

// The run of ids' icons for as long as the object lives.
class CSolidIcons
{
public:
    CSolidIcons(UINT nFirstId, int nCount, COLORREF clr, int nSize) : m_nFirstId(nFirstId), m_nCount(nCount)
    {
        for (int i = 0; i < nCount; i++)
            SetSolidIcon(nFirstId + i, nSize, clr);
    }
    ~CSolidIcons()
    {
        for (int i = 0; i < m_nCount; i++)
            KTImageManager()->RemoveIcon(m_nFirstId + i);
    }
    CSolidIcons(const CSolidIcons&) = delete;
    CSolidIcons& operator=(const CSolidIcons&) = delete;

private:
    UINT m_nFirstId;
    int m_nCount;
};
