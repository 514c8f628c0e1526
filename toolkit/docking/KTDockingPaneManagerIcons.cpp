// KTDockingPaneManagerIcons.cpp: the manager's store of pane icons, filled from a bitmap strip or one icon at a time.
#include <afxcmn.h>

#include <memory>
#include <type_traits>

#include "KTDockingPaneManager.h"

namespace
{
using CIconHolder = std::unique_ptr<std::remove_pointer_t<HICON>, decltype(&::DestroyIcon)>;
}  // namespace

BOOL CKTDockingPaneManager::SetIcons(UINT nIDBitmap, const int* pIDs, int nCount, COLORREF clrMask)
{
    CImageList images;
    CBitmap bitmap;
    if (!images.Create(16, 16, ILC_COLOR24 | ILC_MASK, 0, 1) || !bitmap.LoadBitmap(nIDBitmap) ||
        images.Add(&bitmap, clrMask) < 0 || images.GetImageCount() != nCount)
        return FALSE;
    for (int i = 0; i < nCount; ++i)
    {
        if (pIDs[i] <= 0)
            continue;
        CIconHolder icon(images.ExtractIcon(i), &::DestroyIcon);
        if (icon)
            SetIcon(pIDs[i], icon.get());
    }
    return TRUE;
}

void CKTDockingPaneManager::SetIcon(int nID, HICON hIcon) { m_imageManager.SetIcon(hIcon, UINT(nID)); }

CKTImageManagerIcon* CKTDockingPaneManager::GetIcon(int nID, int nWidth) const
{
    return m_imageManager.GetImage(UINT(nID), nWidth);
}
