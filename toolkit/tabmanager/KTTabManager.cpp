// KTTabManager.cpp: the list of tabs, selection, scrolling, hit tests and keyboard navigation.
#include "KTTabManager.h"

#include <algorithm>

#include "KTTabPainter.h"

CKTTabManager::CKTTabManager()
{
    m_arrNavigateButtons.push_back(
        std::make_unique<CKTTabManagerNavigateButtonScrollLeft>(this, ktNavigateButtonAutomatic));
    m_arrNavigateButtons.push_back(
        std::make_unique<CKTTabManagerNavigateButtonScrollRight>(this, ktNavigateButtonAutomatic));
    m_arrNavigateButtons.push_back(std::make_unique<CKTTabManagerNavigateButtonClose>(this, ktNavigateButtonNone));
    ResetRows();
}

CKTTabManager::~CKTTabManager()
{
    for (CItemPtr& pItem : m_arrItems)
        pItem->OnRemoved();
    m_arrItems.clear();
    m_arrNavigateButtons.clear();
    m_themeToolbar.CloseThemeData();
}

void CKTTabManager::OnPropertyChanged() { Reposition(); }

CString CKTTabManager::GetItemCaption(const CKTTabManagerItem* pItem) const { return pItem->m_strCaption; }

int CKTTabManager::GetItemImage(const CKTTabManagerItem* pItem) const { return pItem->m_nImage; }

COLORREF CKTTabManager::GetItemColor(const CKTTabManagerItem* pItem) const
{
    COLORREF clr = pItem->m_clrItem;
    if (CKTTabPainter::IsIndexedTabColor(clr))
        return GetPaintManager()->GetColorSet()->GetIndexedColor(clr);
    return clr;
}

CString CKTTabManager::GetItemTooltip(const CKTTabManagerItem* pItem) const { return pItem->m_strToolTip; }

void CKTTabManager::OnItemsChanged()
{
    for (int i = 0; i < GetItemCount(); i++)
        m_arrItems[i]->m_nIndex = i;
    Reposition();
}

void CKTTabManager::SetSelectedItem(CKTTabManagerItem* pItem)
{
    if (pItem == m_pSelected)
        return;
    m_pSelected = pItem;
    Reposition();
    if (pItem)
        EnsureVisible(pItem);
}

void CKTTabManager::ClickItem(CKTTabManagerItem* pItem)
{
    if (OnBeforeItemClick(pItem) && pItem)
        OnItemClick(pItem);
}

void CKTTabManager::GetItemMetrics(CSize* pszNormal, CSize* pszMin, CSize* pszMax) const
{
    const CKTTabPainter* pPainter = GetPaintManager();
    if (pszNormal)
        *pszNormal = CSize(pPainter->m_nFixedTabWidth, 0);
    if (pszMin)
        *pszMin = CSize(pPainter->m_nMinTabWidth, 0);
    if (pszMax)
        *pszMax = CSize(pPainter->m_nMaxTabWidth, 0);
}

void CKTTabManager::SetItemMetrics(CSize szNormal, CSize szMin, CSize szMax)
{
    CKTTabPainter* pPainter = GetPaintManager();
    pPainter->m_nFixedTabWidth = szNormal.cx;
    pPainter->m_nMinTabWidth = szMin.cx;
    pPainter->m_nMaxTabWidth = szMax.cx;
    Reposition();
}

void CKTTabManager::OnHook(DWORD_PTR) {}

BOOL CKTTabManager::IsAllowReorder() const { return m_bAllowReorder; }

void CKTTabManager::SetAllowReorder(BOOL bAllowReorder) { m_bAllowReorder = bAllowReorder; }

BOOL CKTTabManager::IsDrawFrame() const { return GetPaintManager()->m_bStaticFrame; }

int CKTTabManager::GetPosition() const { return GetPaintManager()->GetPosition(); }

int CKTTabManager::GetLayout() const { return GetPaintManager()->GetLayout(); }

BOOL CKTTabManager::IsHorizontalPosition() const
{
    return GetPosition() == ktTabPositionTop || GetPosition() == ktTabPositionBottom;
}

void CKTTabManager::Scroll(BOOL bForward)
{
    SetScrollOffset(m_nScrollOffset + (bForward ? -m_nScrollStep : m_nScrollStep));
}

void CKTTabManager::SetLayout(const KT_TAB_LAYOUT& layout)
{
    m_rcControl = layout.rcControl;
    m_rcClient = layout.rcClient;
    m_rcHeaderRect = layout.rcHeader;
    m_nScrollOffset = layout.nScrollOffset;
}

void CKTTabManager::SetScrollOffset(int nOffset)
{
    nOffset = std::min(nOffset, 0);
    if (nOffset == m_nScrollOffset)
        return;
    m_nScrollOffset = nOffset;
    Reposition();
}

BOOL CKTTabManager::OnDrawHook(CDC*, LPCRECT, int, int, DWORD_PTR) { return FALSE; }

BOOL CKTTabManager::IsNavigateButtonAutoVisible(CKTTabManagerNavigateButton* pButton) const
{
    if (pButton->GetID() != ktNavigateButtonClose)
        return TRUE;
    return m_pSelected && m_pSelected->IsClosable();
}

void CKTTabManager::OnItemClick(CKTTabManagerItem* pItem) { SetSelectedItem(pItem); }

BOOL CKTTabManager::OnBeforeItemClick(CKTTabManagerItem*) { return TRUE; }

void CKTTabManager::OnNavigateButtonClick(UINT) {}

void CKTTabManager::OnNavigateButtonClick(CKTTabManagerNavigateButton* pButton)
{
    OnNavigateButtonClick(pButton->GetID());
}

BOOL CKTTabManager::IsMouseLocked() const { return FALSE; }

BOOL CKTTabManager::HasFocus() const { return FALSE; }

CKTTabManagerItem* CKTTabManager::InsertItem(int nIndex, CKTTabManagerItem* pItem)
{
    CItemPtr pHeld = pItem ? CItemPtr(pItem) : KTMakeCounted<CKTTabManagerItem>();
    pHeld->m_pTabManager = this;
    if (nIndex < 0 || nIndex > GetItemCount())
        nIndex = GetItemCount();
    m_arrItems.insert(m_arrItems.begin() + nIndex, pHeld);
    // A strip without a paint manager yet gives every tab the first automatic colour.
    CKTTabPainter* pPainter = GetPaintManager();
    pHeld->m_clrItem = ktTabColorIndexFirst + (pPainter ? pPainter->m_nAutoColorIndex++ % 8 : 0);
    if (m_nPerTabCloseMode != ktNavigateButtonNone)
    {
        auto pClose = std::make_unique<CKTTabManagerNavigateButtonClose>(this, m_nPerTabCloseMode);
        pClose->SetItem(pHeld);
        pHeld->m_arrNavigateButtons.push_back(std::move(pClose));
    }
    OnItemsChanged();
    return pHeld;
}

CKTTabManagerItem* CKTTabManager::GetItem(int nIndex) const
{
    return nIndex >= 0 && nIndex < GetItemCount() ? m_arrItems[nIndex].GetInterface() : NULL;
}

int CKTTabManager::FindIndex(const CKTTabManagerItem* pItem) const
{
    for (int i = 0; i < GetItemCount(); i++)
    {
        if (m_arrItems[i] == pItem)
            return i;
    }
    return -1;
}

int CKTTabManager::GetCurSel() const { return m_pSelected ? m_pSelected->m_nIndex : -1; }

void CKTTabManager::SetCurSel(int nIndex)
{
    if (m_arrItems.empty())
    {
        SetSelectedItem(NULL);
        return;
    }
    SetSelectedItem(GetItem(std::clamp(nIndex, 0, GetItemCount() - 1)));
}

BOOL CKTTabManager::DeleteItem(int nIndex)
{
    CItemPtr pItem = GetItem(nIndex);
    if (!pItem)
        return FALSE;
    if (m_pHighlighted == pItem)
        m_pHighlighted = NULL;
    if (m_pPressed == pItem)
        m_pPressed = NULL;
    m_arrItems.erase(m_arrItems.begin() + nIndex);
    pItem->OnRemoved();
    pItem->m_pTabManager = NULL;
    pItem->m_nIndex = -1;
    if (m_pSelected == pItem)
    {
        m_pSelected = NULL;
        SetCurSel(nIndex);
    }
    OnItemsChanged();
    return TRUE;
}

void CKTTabManager::DeleteAllItems()
{
    for (CItemPtr& pItem : m_arrItems)
    {
        pItem->OnRemoved();
        pItem->m_pTabManager = NULL;
        pItem->m_nIndex = -1;
    }
    m_arrItems.clear();
    m_pSelected = m_pHighlighted = m_pPressed = NULL;
    OnItemsChanged();
}

CKTTabManagerItem* CKTTabManager::HitTest(CPoint pt) const
{
    if (!m_rcControl.PtInRect(pt) || (!m_rcHeaderRect.IsRectEmpty() && !m_rcHeaderRect.PtInRect(pt)))
        return NULL;
    for (const CItemPtr& pItem : m_arrItems)
    {
        if (pItem->m_rcItem.PtInRect(pt) && pItem->IsEnabled() && pItem->IsVisible())
            return pItem;
    }
    return NULL;
}

CKTTabManagerItem* CKTTabManager::FindNextFocusable(int nIndex, int nDirection) const
{
    for (nIndex += nDirection; nIndex >= 0 && nIndex < GetItemCount(); nIndex += nDirection)
    {
        CKTTabManagerItem* pItem = m_arrItems[nIndex];
        if (pItem->IsVisible() && pItem->IsEnabled())
            return pItem;
    }
    return NULL;
}

CKTTabManagerNavigateButton* CKTTabManager::FindNavigateButton(UINT nID) const
{
    for (const auto& pButton : m_arrNavigateButtons)
    {
        if (pButton->GetID() == nID)
            return pButton.get();
    }
    return NULL;
}

namespace
{
// The first button holding the point decides: it answers when enabled, else nothing does.
CKTTabManagerNavigateButton* ButtonAt(const std::vector<std::unique_ptr<CKTTabManagerNavigateButton>>& arrButtons,
                                      CPoint pt, int* pIndex, BOOL& bFound)
{
    for (size_t i = 0; i < arrButtons.size(); i++)
    {
        if (!arrButtons[i]->GetRect().PtInRect(pt))
            continue;
        bFound = TRUE;
        if (pIndex)
            *pIndex = static_cast<int>(i);
        return arrButtons[i]->IsEnabled() ? arrButtons[i].get() : NULL;
    }
    return NULL;
}
}  // namespace

CKTTabManagerNavigateButton* CKTTabManager::FindNavigateButtonAt(CPoint pt, BOOL bManagerOnly, int* pIndex) const
{
    BOOL bFound = FALSE;
    CKTTabManagerNavigateButton* pButton = ButtonAt(m_arrNavigateButtons, pt, pIndex, bFound);
    if (bFound || bManagerOnly)
        return pButton;
    CKTTabManagerItem* pItem = HitTest(pt);
    return pItem ? ButtonAt(pItem->m_arrNavigateButtons, pt, pIndex, bFound) : NULL;
}

void CKTTabManager::InsertNavigateButton(int nIndex, std::unique_ptr<CKTTabManagerNavigateButton> pButton)
{
    if (nIndex < 0 || nIndex > static_cast<int>(m_arrNavigateButtons.size()))
        nIndex = static_cast<int>(m_arrNavigateButtons.size());
    m_arrNavigateButtons.insert(m_arrNavigateButtons.begin() + nIndex, std::move(pButton));
}

BOOL CKTTabManager::HasNavigateButton(const CKTTabManagerNavigateButton* pButton) const
{
    auto holds = [pButton](const std::vector<std::unique_ptr<CKTTabManagerNavigateButton>>& arr)
    { return std::any_of(arr.begin(), arr.end(), [pButton](const auto& p) { return p.get() == pButton; }); };
    if (holds(m_arrNavigateButtons))
        return TRUE;
    return std::any_of(m_arrItems.begin(), m_arrItems.end(),
                       [&holds](const CItemPtr& pItem) { return holds(pItem->m_arrNavigateButtons); });
}

void CKTTabManager::EnsureVisible(CKTTabManagerItem* pItem)
{
    if (pItem)
        GetPaintManager()->EnsureVisible(this, pItem);
}

int CKTTabManager::GetItemsLength() const
{
    if (GetLayout() == ktTabLayoutRotated)
        return GetItemCount() * GetPaintManager()->GetAppearanceSet()->GetButtonHeight(this);
    int nLength = 0;
    for (const CItemPtr& pItem : m_arrItems)
        nLength += pItem->m_nLength;
    return nLength;
}

void CKTTabManager::ResetRows() { m_arrRows.assign(1, {0, GetItemCount() - 1}); }

void CKTTabManager::SetRowCount(int nRows)
{
    if (nRows != GetRowCount())
        m_arrRows.assign(std::max(nRows, 0), {0, -1});
    if (nRows > 0)
        m_arrRows[0] = {0, GetItemCount() - 1};
}

void CKTTabManager::SetActive(BOOL bActive)
{
    if (m_bActive == bActive)
        return;
    m_bActive = bActive;
    Reposition();
}

BOOL CKTTabManager::PerformKeyDown(HWND hWnd, UINT nChar)
{
    if (m_arrItems.empty())
        return FALSE;
    if (::GetWindowLong(hWnd, GWL_EXSTYLE) & WS_EX_LAYOUTRTL)
    {
        if (nChar == VK_LEFT || nChar == VK_RIGHT)
            nChar = nChar == VK_LEFT ? VK_RIGHT : VK_LEFT;
    }
    if (nChar == VK_HOME || nChar == VK_END)
    {
        ClickItem(nChar == VK_END ? FindNextFocusable(GetItemCount(), -1) : FindNextFocusable(-1, +1));
        return TRUE;
    }
    if (nChar != VK_LEFT && nChar != VK_RIGHT && nChar != VK_UP && nChar != VK_DOWN)
        return FALSE;
    BOOL bHorizontalKey = nChar == VK_LEFT || nChar == VK_RIGHT;
    if (bHorizontalKey != IsHorizontalPosition())
        return TRUE;
    int nDirection = nChar == VK_LEFT || nChar == VK_UP ? -1 : +1;
    int nSel = GetCurSel();
    if (nSel == -1 || (nDirection < 0 && nSel == 0) || (nDirection > 0 && nSel == GetItemCount() - 1))
        return TRUE;
    if (CKTTabManagerItem* pNext = FindNextFocusable(nSel, nDirection))
        ClickItem(pNext);
    return TRUE;
}
