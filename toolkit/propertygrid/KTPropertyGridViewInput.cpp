// KTPropertyGridViewInput.cpp: keys, mouse, divider drags, scrolling and tooltips of the grid's list view.
#include "KTPropertyGridView.h"

#include <vector>

#include "KTDrawObjects.h"
#include "KTKeyState.h"
#include "KTPropertyGrid.h"
#include "KTPropertyGridInplaceEdit.h"
#include "KTPropertyGridItem.h"
#include "KTPropertyGridPainter.h"
#include "KTPropertyGridToolTip.h"

UINT CKTPropertyGridView::OnGetDlgCode() { return DLGC_WANTARROWS | DLGC_WANTTAB | DLGC_WANTCHARS; }

BOOL CKTPropertyGridView::IsOnDivider(CPoint point) const
{
    int nDivider = GetDividerPos();
    return point.x >= nDivider - 3 && point.x <= nDivider + 2;
}

void CKTPropertyGridView::MoveDivider(int x)
{
    SetDividerPos(x);
    if (m_pSelected)
        m_pSelected->OnSelect();
    Invalidate(FALSE);
}

void CKTPropertyGridView::PressComboButton()
{
    if (!m_pSelected)
        return;
    if (CKTPropertyGridItemButton* pButton = m_pSelected->GetInplaceButtons()->Find(KT_IDC_INPLACEBUTTON_COMBO))
        m_pSelected->OnInplaceButtonDown(pButton);
}

void CKTPropertyGridView::OnKeyDown(UINT nChar, UINT /*nRepCnt*/, UINT /*nFlags*/)
{
    CKTPropertyGridItem* pSelected = m_pSelected;
    if (m_pFocusedButton && pSelected && m_pFocusedButton->GetItem() == pSelected && m_pFocusedButton->OnKeyDown(nChar))
        return;
    if (KTIsKeyDown(VK_CONTROL) && (nChar == VK_RIGHT || nChar == VK_LEFT))
    {
        MoveDivider(GetDividerPos() + (nChar == VK_RIGHT ? 3 : -3));
        return;
    }
    if (pSelected && pSelected->HasVisibleChildren())
    {
        if ((nChar == VK_RIGHT && !pSelected->IsExpanded()) || (nChar == VK_LEFT && pSelected->IsExpanded()) ||
            nChar == VK_RETURN)
        {
            if (pSelected->IsExpanded())
                pSelected->Collapse();
            else
                pSelected->Expand();
            return;
        }
    }
    if (nChar == VK_F4)
    {
        PressComboButton();
        return;
    }
    if (pSelected && pSelected->OnKeyDown(nChar))
        return;
    Default();
}

void CKTPropertyGridView::OnSysKeyDown(UINT nChar, UINT /*nRepCnt*/, UINT /*nFlags*/)
{
    if (nChar == VK_UP || nChar == VK_DOWN)
        PressComboButton();
    Default();
}

void CKTPropertyGridView::OnChar(UINT nChar, UINT /*nRepCnt*/, UINT /*nFlags*/)
{
    if (m_bTracking || (m_pFocusedButton && nChar != VK_TAB) || ::GetFocus() != m_hWnd)
        return;
    CKTPropertyGridItem* pSelected = m_pSelected;
    BOOL bHasChildren = pSelected && pSelected->HasVisibleChildren();
    if ((nChar == '+' || nChar == '-') && bHasChildren)
    {
        if (nChar == '+')
            pSelected->Expand();
        else
            pSelected->Collapse();
        return;
    }
    if (nChar == VK_TAB)
    {
        BOOL bForward = !KTIsKeyDown(VK_SHIFT);
        int nPart = !m_pFocusedButton ? ktGridPartView : bForward ? ktGridPartInplaceEdit : ktGridPartRows;
        if (m_pGrid)
            m_pGrid->OnNavigate(nPart, bForward, pSelected);
        return;
    }
    if (nChar == VK_RETURN && bHasChildren)
    {
        Default();
        return;
    }
    if (pSelected && pSelected->OnChar(nChar))
        return;
    Default();
}

void CKTPropertyGridView::OnLButtonDown(UINT nFlags, CPoint point)
{
    if (IsOnDivider(point) && GetCount() > 0 && m_bDividerMovable)
    {
        SetFocus();
        SetCapture();
        if (m_pSelected)
            m_pSelected->OnValidateEdit();
        m_bTracking = TRUE;
        return;
    }
    Default();
    SetFocus();
    CKTPropertyGridItem* pItem = ItemFromPoint(point);
    if (pItem && pItem == GetItem(GetCurSel()))
        pItem->OnLButtonDown(nFlags, point);
}

void CKTPropertyGridView::OnLButtonUp(UINT nFlags, CPoint point)
{
    if (m_bTracking)
    {
        ReleaseCapture();
        return;
    }
    Default();
    if (CKTPropertyGridItem* pItem = ItemFromPoint(point))
        pItem->OnLButtonUp(nFlags, point);
}

void CKTPropertyGridView::OnLButtonDblClk(UINT nFlags, CPoint point)
{
    Default();
    CKTPropertyGridItem* pItem = ItemFromPoint(point);
    if (!pItem)
        return;
    CKTSmartPtr<CKTPropertyGridItem> keep(pItem);
    pItem->OnLButtonDblClk(nFlags, point);
    if (ItemFromPoint(point) == pItem && m_pGrid)
        m_pGrid->SendNotifyMessage(KTPGN_DBLCLICK, reinterpret_cast<LPARAM>(pItem));
}

void CKTPropertyGridView::OnRButtonDown(UINT nFlags, CPoint point)
{
    Default();
    CKTPropertyGridItem* pItem = ItemFromPoint(point);
    if (!pItem)
        return;
    CKTSmartPtr<CKTPropertyGridItem> keep(pItem);
    pItem->OnRButtonDown(nFlags, point);
    if (ItemFromPoint(point) == pItem && m_pGrid)
        m_pGrid->SendNotifyMessage(KTPGN_RCLICK, reinterpret_cast<LPARAM>(pItem));
}

void CKTPropertyGridView::OnMouseMove(UINT /*nFlags*/, CPoint point)
{
    if (m_bTracking)
    {
        MoveDivider(point.x);
        return;
    }
    CKTPropertyGridItem* pItem = ItemFromPoint(point);
    CKTPropertyGridItemButton* pHot = pItem ? pItem->GetInplaceButtons()->HitTest(point) : nullptr;
    if (pHot != m_pHotButton)
    {
        SetHotButton(pHot);
        TRACKMOUSEEVENT tme = {sizeof(tme), TME_LEAVE, m_hWnd, 0};
        ::TrackMouseEvent(&tme);
    }
    UpdateToolTip(point);
    Default();
}

void CKTPropertyGridView::OnMouseLeave()
{
    SetHotButton(nullptr);
    Default();
}

void CKTPropertyGridView::OnCaptureChanged(CWnd* /*pWnd*/)
{
    m_bTracking = FALSE;
    Default();
}

BOOL CKTPropertyGridView::OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message)
{
    CPoint point;
    ::GetCursorPos(&point);
    ScreenToClient(&point);
    if (nHitTest == HTCLIENT && GetCount() > 0 && m_bDividerMovable && IsOnDivider(point) && m_hDividerCursor)
    {
        ::SetCursor(m_hDividerCursor);
        return TRUE;
    }
    return static_cast<BOOL>(Default());
}

void CKTPropertyGridView::OnSetFocus(CWnd* /*pOldWnd*/)
{
    m_pFocusedButton = nullptr;
    Default();
    Invalidate(FALSE);
}

void CKTPropertyGridView::OnKillFocus(CWnd* /*pNewWnd*/)
{
    m_pFocusedButton = nullptr;
    Default();
    Invalidate(FALSE);
}

void CKTPropertyGridView::OnVScroll(UINT /*nSBCode*/, UINT /*nPos*/, CScrollBar* pScrollBar)
{
    if (pScrollBar)
    {
        Default();
        return;
    }
    const MSG* pMsg = GetCurrentMessage();
    ScrollKeepingChildren(pMsg->message, pMsg->wParam, pMsg->lParam);
}

BOOL CKTPropertyGridView::OnMouseWheel(UINT /*nFlags*/, short /*zDelta*/, CPoint /*pt*/)
{
    const MSG* pMsg = GetCurrentMessage();
    ScrollKeepingChildren(pMsg->message, pMsg->wParam, pMsg->lParam);
    return TRUE;
}

// The list box scrolls its rows; the in-place windows over them move along.
void CKTPropertyGridView::ScrollKeepingChildren(UINT message, WPARAM wParam, LPARAM lParam)
{
    SetRedraw(FALSE);
    CRect rcFirstBefore;
    GetItemRect(0, rcFirstBefore);
    std::vector<std::pair<HWND, CRect>> children;
    for (HWND hChild = ::GetWindow(m_hWnd, GW_CHILD); hChild; hChild = ::GetWindow(hChild, GW_HWNDNEXT))
    {
        if (!::IsWindowVisible(hChild))
            continue;
        CRect rc = CKTWindowRect(hChild);
        ScreenToClient(&rc);
        children.emplace_back(hChild, rc);
    }
    DefWindowProc(message, wParam, lParam);
    CRect rcFirstAfter;
    GetItemRect(0, rcFirstAfter);
    int dy = rcFirstAfter.top - rcFirstBefore.top;
    for (auto& child : children)
    {
        ::SetWindowPos(child.first, NULL, child.second.left, child.second.top + dy, 0, 0,
                       SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOSIZE);
    }
    SetRedraw(TRUE);
    RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

LRESULT CKTPropertyGridView::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message)
    {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_MOUSEWHEEL:
    case WM_MOUSELEAVE:
        HideToolTip();
        break;
    }
    return CListBox::WindowProc(message, wParam, lParam);
}

void CKTPropertyGridView::HideToolTip()
{
    if (m_pToolTip)
        m_pToolTip->Hide();
}

// The text of a row's caption or value and where it is shown; FALSE where
// the row wants no tip.
BOOL CKTPropertyGridView::GetToolTipTarget(CKTPropertyGridItem* pItem, BOOL bValue, CString& strText, CRect& rcText)
{
    if (!bValue)
    {
        strText = pItem->GetCaption();
        rcText = pItem->GetItemRect();
        rcText.right = GetDividerPos();
        rcText.left = pItem->GetIndent() * KT_PROPERTYGRID_INDENT - 1;
        GetPainter()->AdjustItemCaptionRect(pItem, rcText);
        return TRUE;
    }
    CKTPropertyGridInplaceEdit& edit = pItem->GetInplaceEdit();
    BOOL bEditing = ::GetFocus() == edit.GetSafeHwnd() && edit.GetItem();
    if (pItem->GetMultiLinesCount() > 1 || bEditing)
        return FALSE;
    strText = pItem->GetViewValue();
    rcText = pItem->GetValueRect();
    rcText.InflateRect(1, 2, 0, 1);
    return TRUE;
}

void CKTPropertyGridView::UpdateToolTip(CPoint point)
{
    CKTPropertyGridItem* pItem = ItemFromPoint(point);
    CKTPropertyGridPainter* pPainter = GetPainter();
    BOOL bValue = point.x > GetDividerPos();
    CString strText;
    CRect rcText;
    if (!pItem || pItem->IsCategory() || !pPainter || m_pHotButton || !GetToolTipTarget(pItem, bValue, strText, rcText))
    {
        HideToolTip();
        return;
    }
    CClientDC dc(this);
    CKTFontDC font(&dc, pPainter->GetItemFont(pItem, bValue));
    if (dc.GetTextExtent(strText).cx + 3 <= rcText.Width())
    {
        HideToolTip();
        return;
    }
    if (!m_pToolTip)
    {
        m_pToolTip = std::make_unique<CKTPropertyGridToolTip>();
        m_pToolTip->Create(this, pPainter->GetNormalFont());
    }
    ClientToScreen(&rcText);
    if (m_pToolTip->GetText() == strText && m_pToolTip->IsWindowVisible())
        return;
    m_pToolTip->Show(strText, rcText);
}
