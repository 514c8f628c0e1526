// SolidIcons.h: icons of one colour under a run of ids of the process-wide image manager, for the tests that look
// for them.
//
// Classes: CSolidIcons.
#pragma once

#include "KTImageManager.h"

#include <vector>

// Each id's icon is a square of the colour at the size, taken away with the object.
class CSolidIcons
{
public:
    CSolidIcons(int nFirstId, int nCount, COLORREF clr, int nSize) : m_nFirstId(nFirstId), m_nCount(nCount)
    {
        std::vector<DWORD> colour(nSize * nSize,
                                  0xFF000000 | (GetRValue(clr) << 16) | (GetGValue(clr) << 8) | GetBValue(clr));
        std::vector<BYTE> mask((nSize + 15) / 16 * 2 * nSize, 0);
        ICONINFO info = {TRUE, 0, 0, ::CreateBitmap(nSize, nSize, 1, 1, mask.data()),
                         ::CreateBitmap(nSize, nSize, 1, 32, colour.data())};
        HICON hIcon = info.hbmMask && info.hbmColor ? ::CreateIconIndirect(&info) : NULL;
        ::DeleteObject(info.hbmMask);
        ::DeleteObject(info.hbmColor);
        for (int i = 0; hIcon && i < nCount; i++)
            KTImageManager()->SetIcon(CKTImageManagerIconHandle(hIcon), nFirstId + i, CSize(nSize, nSize));
        if (hIcon)
            ::DestroyIcon(hIcon);
    }
    ~CSolidIcons()
    {
        for (int i = 0; i < m_nCount; i++)
            KTImageManager()->RemoveIcon(m_nFirstId + i);
    }
    CSolidIcons(const CSolidIcons&) = delete;
    CSolidIcons& operator=(const CSolidIcons&) = delete;

private:
    int m_nFirstId;
    int m_nCount;
};
