// KTPropertyGridInplaceList.cpp: filling, placing, drawing and closing the constraints' drop-down list.
#include "KTPropertyGridInplaceList.h"

#include <algorithm>

#include "KTDrawObjects.h"
#include "KTPropertyGridItem.h"
#include "KTPropertyGridView.h"
#include "KTMouseMonitor.h"
#include "KTSystemInfo.h"

namespace
{

const DWORD kListStyle = WS_CHILD | WS_BORDER | WS_VSCROLL | LBS_HASSTRINGS | LBS_OWNERDRAWFIXED | LBS_NOTIFY;

}  // namespace

BEGIN_MESSAGE_MAP(CKTPropertyGridInplaceList, CListBox)
ON_WM_MOUSEACTIVATE()
ON_WM_LBUTTONUP()
ON_WM_KEYDOWN()
ON_WM_SYSKEYDOWN()
ON_WM_KILLFOCUS()
ON_WM_CLOSE()
END_MESSAGE_MAP()

CKTPropertyGridInplaceList::~CKTPropertyGridInplaceList() { ReleaseMouseHook(); }

void CKTPropertyGridInplaceList::ReleaseMouseHook()
{
    if (GetSafeHwnd() && CKTMouseMonitor::Instance()->GetWatched() == m_hWnd)
        CKTMouseMonitor::Instance()->SetupHook(NULL);
}

void CKTPropertyGridInplaceList::Create(CKTPropertyGridItem* pItem, CRect rect)
{
    CKTPropertyGridView* pView = pItem ? pItem->GetGridView() : nullptr;
    if (!pView)
        return;
    TakeDown();
    m_pItem = pItem;
    if (!CreateListWindow(pView))
        return;
    CSize szList = Fill(pItem, rect.right - (pView->GetDividerPos() + 1));
    szList.cy = std::min(GetCount(), pItem->GetDropDownItemCount()) * szList.cy + 2;
    szList.cx = std::min(static_cast<int>(szList.cx), rect.Width() - 14);
    ShowAsPopup(pView, PlaceOnScreen(pView, rect, szList));
}

BOOL CKTPropertyGridInplaceList::CreateListWindow(CKTPropertyGridView* pView)
{
    DWORD dwExStyle = WS_EX_TOOLWINDOW | (pView->GetExStyle() & WS_EX_LAYOUTRTL);
    return CreateEx(dwExStyle, "LISTBOX", "", kListStyle, CRect(0, 0, 0, 0), pView, 0);
}

// Adds the constraints and answers the widest row's width and the tallest
// row's height.
CSize CKTPropertyGridInplaceList::Fill(CKTPropertyGridItem* pItem, int nMinWidth)
{
    CFont* pFont = pItem->GetGridView()->GetFont();
    SetFont(pFont, FALSE);
    ResetContent();
    CClientDC dc(this);
    CKTFontDC font(&dc, pFont);
    CSize sz(nMinWidth, dc.GetTextExtent(" ", 1).cy + 3);
    CKTPropertyGridItemConstraints* pConstraints = pItem->GetConstraints();
    for (int i = 0; i < pConstraints->GetCount(); i++)
    {
        CKTPropertyGridItemConstraint* pConstraint = pConstraints->GetConstraintAt(i);
        int nRow = AddString(pConstraint->m_strConstraint);
        SetItemDataPtr(nRow, pConstraint);
        CSize szRow = pItem->OnMeasureItemConstraint(&dc, pConstraint);
        sz.cx = std::max(sz.cx, szRow.cx);
        sz.cy = std::max(sz.cy, szRow.cy);
        if (pConstraint->m_strConstraint.Compare(pItem->GetValue()) == 0)
            SetCurSel(nRow);
    }
    SetItemHeight(0, sz.cy);
    return sz;
}

CRect CKTPropertyGridInplaceList::PlaceOnScreen(CKTPropertyGridView* pView, CRect rcRow, CSize szList) const
{
    pView->ClientToScreen(&rcRow);
    CRect rc(rcRow.right - szList.cx, rcRow.bottom, rcRow.right, rcRow.bottom + szList.cy);
    CRect rcWork = KTMultiMonitor()->GetWorkAreaOfRect(rc);
    if (rc.bottom > rcWork.bottom && rcRow.top > rcWork.CenterPoint().y)
        rc.OffsetRect(0, rcRow.top - rc.bottom);
    if (rc.right > rcWork.right)
        rc.OffsetRect(rcWork.right - rc.right, 0);
    if (rc.left < rcWork.left)
        rc.OffsetRect(rcWork.left - rc.left, 0);
    return rc;
}

void CKTPropertyGridInplaceList::ShowAsPopup(CKTPropertyGridView* pView, const CRect& rcScreen)
{
    SetFocus();
    ::SetWindowLong(m_hWnd, GWL_STYLE, (GetStyle() & ~WS_CHILD) | WS_POPUP);
    ::SetParent(m_hWnd, NULL);
    ::SetWindowLongPtr(m_hWnd, GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(pView->GetSafeHwnd()));
    SetWindowPos(&CWnd::wndTopMost, rcScreen.left, rcScreen.top, rcScreen.Width(), rcScreen.Height(),
                 SWP_SHOWWINDOW | SWP_NOACTIVATE | SWP_NOOWNERZORDER);
    CKTMouseMonitor::Instance()->SetupHook(m_hWnd);
}

void CKTPropertyGridInplaceList::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct)
{
    auto* pConstraint = reinterpret_cast<CKTPropertyGridItemConstraint*>(lpDrawItemStruct->itemData);
    if (!m_pItem || !pConstraint || static_cast<int>(lpDrawItemStruct->itemID) < 0)
        return;
    CDC* pDC = CDC::FromHandle(lpDrawItemStruct->hDC);
    m_pItem->OnDrawItemConstraint(pDC, pConstraint, CRect(lpDrawItemStruct->rcItem),
                                  (lpDrawItemStruct->itemState & ODS_SELECTED) != 0);
}

void CKTPropertyGridInplaceList::TakeDown()
{
    ReleaseMouseHook();
    if (GetSafeHwnd() && !m_bTakingDown)
    {
        m_bTakingDown = TRUE;
        DestroyWindow();
        m_bTakingDown = FALSE;
    }
}

void CKTPropertyGridInplaceList::DestroyItem()
{
    m_pItem = nullptr;
    TakeDown();
}

void CKTPropertyGridInplaceList::Cancel()
{
    if (m_pItem)
    {
        CKTSmartPtr<CKTPropertyGridItem> pItem(m_pItem);
        m_pItem = nullptr;
        pItem->OnCancelEdit();
    }
    if (GetSafeHwnd() && ::GetFocus() == m_hWnd)
    {
        if (CWnd* pOwner = CWnd::FromHandle(::GetWindow(m_hWnd, GW_OWNER)))
            pOwner->SetFocus();
    }
}

void CKTPropertyGridInplaceList::Apply()
{
    int nRow = GetCurSel();
    if (nRow < 0 || !m_pItem)
        return;
    CKTSmartPtr<CKTPropertyGridItem> pItem(m_pItem);
    m_pItem = nullptr;
    pItem->GetConstraints()->SetCurrent(nRow);
    CString strValue;
    GetText(nRow, strValue);
    if (pItem->OnAfterEdit(strValue) && strValue.Compare(pItem->GetValue()) != 0)
        pItem->OnValueChanged(strValue);
    TakeDown();
    if (CKTPropertyGridView* pView = pItem->GetGridView())
        pView->SetFocus();
}

int CKTPropertyGridInplaceList::OnMouseActivate(CWnd* /*pDesktopWnd*/, UINT /*nHitTest*/, UINT /*message*/)
{
    return MA_NOACTIVATE;
}

void CKTPropertyGridInplaceList::OnLButtonUp(UINT /*nFlags*/, CPoint point)
{
    Default();
    if (CKTClientRect(this).PtInRect(point))
        Apply();
    else
        Cancel();
}

void CKTPropertyGridInplaceList::OnKeyDown(UINT nChar, UINT /*nRepCnt*/, UINT /*nFlags*/)
{
    if (nChar == VK_ESCAPE)
        Cancel();
    else if (nChar == VK_RETURN || nChar == VK_F4)
        Apply();
    else
        Default();
}

void CKTPropertyGridInplaceList::OnSysKeyDown(UINT nChar, UINT /*nRepCnt*/, UINT /*nFlags*/)
{
    if (nChar == VK_UP || nChar == VK_DOWN)
        Apply();
    else
        Default();
}

void CKTPropertyGridInplaceList::OnKillFocus(CWnd* /*pNewWnd*/)
{
    Default();
    ReleaseMouseHook();
    Cancel();
    TakeDown();
}

// The mouse hook asks a click outside to close the list.
void CKTPropertyGridInplaceList::OnClose()
{
    Cancel();
    TakeDown();
}
