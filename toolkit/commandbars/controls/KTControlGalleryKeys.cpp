// KTControlGalleryKeys.cpp: moving the gallery's hot item with the keys: along the items, by rows, columns and pages.
#include "KTControlGallery.h"

#include "KTCommandBar.h"
#include "KTControlComboBoxList.h"
#include "KTKeyState.h"
#include "KTWrapSearch.h"

int CKTControlGallery::GetNextItem(int nIndex, int nStep) const
{
    return KTNextWrapped(nIndex, nStep, GetItemCount(), [this](int nItem) { return IsSelectable(nItem); });
}

int CKTControlGallery::GetPageItem(int nIndex, int nStep) const
{
    if (!IsSelectable(nIndex))
        nIndex = GetNextItem(-1, nStep);
    if (nIndex == -1)
        return -1;
    const int nPage = GetItemsRect().Height();
    const CRect rcFrom = m_layout[nIndex].rc;
    int nResult = nIndex;
    for (int i = nIndex + nStep; i >= 0 && i < (int)m_layout.size(); i += nStep)
    {
        if (!IsSelectable(i))
            continue;
        int nDistance = nStep > 0 ? m_layout[i].rc.bottom - rcFrom.bottom : rcFrom.top - m_layout[i].rc.top;
        if (nDistance >= nPage)
            break;
        nResult = i;
    }
    return nResult;
}

int CKTControlGallery::GetRowNeighbour(int nIndex, int nStep) const
{
    const int nWidth = GetDefaultItemSize().cx;
    if (nWidth == 0 || 2 * nWidth > GetItemsRect().Width() || nIndex < 0 || nIndex >= (int)m_layout.size())
        return nIndex;
    // The row of the item: from its first record to the record before the next row.
    int nFirst = nIndex;
    while (nFirst > 0 && !m_layout[nFirst].bBeginRow)
        nFirst--;
    int nLast = nIndex;
    while (nLast + 1 < (int)m_layout.size() && !m_layout[nLast + 1].bBeginRow)
        nLast++;
    for (int i = nIndex + nStep; i >= nFirst && i <= nLast; i += nStep)
        if (!m_layout[i].rc.IsRectEmpty())
            return i;
    for (int i = nStep > 0 ? nFirst : nLast; i != nIndex; i += nStep)
        if (!m_layout[i].rc.IsRectEmpty())
            return i;
    return nIndex;
}

int CKTControlGallery::GetColumnNeighbour(int nIndex, int nStep) const
{
    if (!IsSelectable(nIndex))
        return GetNextItem(-1, nStep);
    const int nLeft = m_layout[nIndex].rc.left;
    for (int i = nIndex + nStep; i >= 0 && i < (int)m_layout.size(); i += nStep)
        if (IsSelectable(i) && m_layout[i].rc.left == nLeft && m_layout[i].rc.top != m_layout[nIndex].rc.top)
            return i;
    return -1;
}

int CKTControlGallery::OnHookKeyDown(UINT nChar, LPARAM)
{
    if (!IsGalleryStyle() || m_nSelected == ktSelectionNone)
        return ktHookContinue;
    const BOOL bRTL = m_pParent && m_pParent->GetSafeHwnd() && (m_pParent->GetExStyle() & WS_EX_LAYOUTRTL);
    if (bRTL && (nChar == VK_LEFT || nChar == VK_RIGHT))
        nChar = nChar == VK_LEFT ? VK_RIGHT : VK_LEFT;
    const int nHot = GetShownHotItem();
    int nNew = -2;
    switch (nChar)
    {
    case VK_TAB:
    {
        int nStep = KTIsKeyDown(VK_SHIFT) ? -1 : 1;
        nNew = GetNextItem(nHot, nStep);
        // Past the last item the keys leave the gallery.
        if (nNew == -1 || (nHot != -1 && (nStep > 0 ? nNew <= nHot : nNew >= nHot)))
            return ktHookContinue;
        break;
    }
    case VK_RETURN:
        // In a combo box's drop-down the combo box runs its command instead.
        if (!dynamic_cast<CKTControlComboBoxPopupBar*>(m_pParent))
            OnExecute();
        return ktHookContinue;
    case VK_PRIOR:
    case VK_NEXT:
        nNew = GetPageItem(nHot, nChar == VK_NEXT ? 1 : -1);
        break;
    case VK_HOME:
    case VK_END:
        nNew = GetNextItem(-1, nChar == VK_HOME ? 1 : -1);
        break;
    case VK_LEFT:
    case VK_RIGHT:
        nNew = GetRowNeighbour(nHot, nChar == VK_RIGHT ? 1 : -1);
        break;
    case VK_UP:
    case VK_DOWN:
        nNew = GetColumnNeighbour(nHot, nChar == VK_DOWN ? 1 : -1);
        if (nNew == -1)
            return ktHookContinue;
        break;
    default:
        return ktHookContinue;
    }
    SetHotItem(nNew);
    return ktHookHandled;
}
