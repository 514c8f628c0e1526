// A list item cut by the list's edge shows its whole text in a popup over the row while the cursor rests on it.
#include "KTSyntaxEditListTip.h"

#include "KTColorManager.h"
#include "KTDrawObjects.h"

namespace
{
const char kTipClassName[] = "ZiduzuduSEListBoxTipWnd";
const UINT kHideAfterMs = 5000;
}  // namespace

BEGIN_MESSAGE_MAP(CKTSyntaxEditListBoxTipWnd, CKTTipWnd)
ON_WM_NCPAINT()
END_MESSAGE_MAP()

BOOL CKTSyntaxEditListBoxTipWnd::Create(CKTSyntaxEditTipListBox* pList)
{
    m_pList = pList;
    if (!pList || !pList->GetSafeHwnd())
        return FALSE;
    SetShowTime(kHideAfterMs);
    return CKTTipWnd::Create(pList, kTipClassName, TRUE);
}

BOOL CKTSyntaxEditListBoxTipWnd::IsOwnerDrawList() const
{
    return (m_pList->GetStyle() & (LBS_OWNERDRAWFIXED | LBS_OWNERDRAWVARIABLE)) != 0;
}

BOOL CKTSyntaxEditListBoxTipWnd::GetTipRect(int nItem, CRect& rcTip)
{
    CRect rcItem;
    if (m_pList->GetItemRect(nItem, rcItem) == LB_ERR || IsOwnerDrawList())
        return FALSE;
    CString strText;
    m_pList->GetText(nItem, strText);
    if (strText.IsEmpty())
        return FALSE;
    m_pList->ClientToScreen(&rcItem);
    CClientDC dc(m_pList);
    CKTFontDC font(&dc, m_pList->GetFont());
    const int nWidth = dc.GetTextExtent(strText).cx + 2 * ::GetSystemMetrics(SM_CXEDGE);
    rcTip = rcItem;
    rcTip.right = std::max(rcTip.right, rcTip.left + nWidth);
    m_rcTip = rcTip;
    return TRUE;
}

void CKTSyntaxEditListBoxTipWnd::ShowTip(int nItem)
{
    if (nItem < 0 || nItem >= m_pList->GetCount())
    {
        HideTip();
        return;
    }
    CPoint ptCursor;
    ::GetCursorPos(&ptCursor);
    if (nItem == m_nItem && ptCursor == m_ptLastCursor && IsWindowVisible())
    {
        RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW | RDW_FRAME);
        return;
    }
    m_ptLastCursor = ptCursor;
    CRect rcTip;
    if (!GetTipRect(nItem, rcTip))
        return;
    CRect rcItem;
    m_pList->GetItemRect(nItem, rcItem);
    m_pList->ClientToScreen(&rcItem);
    if (rcTip == rcItem || rcTip.IsRectEmpty())
    {
        HideTip();
        return;
    }
    rcTip.InflateRect(0, 2);
    m_nItem = nItem;
    ShowAt(rcTip);
}

BOOL CKTSyntaxEditListBoxTipWnd::HideTip()
{
    if (!IsShown())
        return FALSE;
    Hide();
    return TRUE;
}

BOOL CKTSyntaxEditListBoxTipWnd::IsItemSelected() const { return m_pList->GetSel(m_nItem) > 0; }

COLORREF CKTSyntaxEditListBoxTipWnd::GetTipTextColor() const
{
    return KTColorManager()->GetColor(IsItemSelected() ? COLOR_HIGHLIGHTTEXT : COLOR_INFOTEXT);
}

COLORREF CKTSyntaxEditListBoxTipWnd::GetTipBackColor() const
{
    return KTColorManager()->GetColor(IsItemSelected() ? COLOR_HIGHLIGHT : COLOR_INFOBK);
}

void CKTSyntaxEditListBoxTipWnd::DrawTextItem(CDC* pDC, const CRect& rc)
{
    CString strText;
    m_pList->GetText(m_nItem, strText);
    pDC->FillSolidRect(rc, GetTipBackColor());
    CKTFontDC font(pDC, m_pList->GetFont(), GetTipTextColor());
    pDC->SetBkMode(TRANSPARENT);
    pDC->DrawText(strText, CRect(rc), DT_NOPREFIX | DT_EXPANDTABS | DT_SINGLELINE | DT_VCENTER | DT_CENTER);
}

void CKTSyntaxEditListBoxTipWnd::DrawOwnerDrawItem(CDC* pDC, const CRect& rc)
{
    DRAWITEMSTRUCT dis{};
    dis.CtlType = ODT_LISTBOX;
    dis.CtlID = m_pList->GetDlgCtrlID();
    dis.itemID = m_nItem;
    dis.itemAction = ODA_DRAWENTIRE;
    dis.itemState = (IsItemSelected() ? ODS_SELECTED : 0) | (m_pList->GetCaretIndex() == m_nItem ? ODS_FOCUS : 0);
    dis.hwndItem = m_pList->GetSafeHwnd();
    dis.hDC = pDC->GetSafeHdc();
    dis.rcItem = rc;
    dis.itemData = m_pList->GetItemData(m_nItem);
    m_pList->DrawItem(&dis);
}

void CKTSyntaxEditListBoxTipWnd::Draw(CDC* pDC, const CRect& rcClient)
{
    if (!m_pList || m_nItem < 0)
        return;
    if (IsOwnerDrawList())
        DrawOwnerDrawItem(pDC, rcClient);
    else
        DrawTextItem(pDC, rcClient);
}

void CKTSyntaxEditListBoxTipWnd::OnNcPaint()
{
    CWindowDC dc(this);
    CRect rc = CKTWindowRect(this);
    rc.OffsetRect(-rc.left, -rc.top);
    dc.FillSolidRect(rc, m_pList && m_nItem >= 0 ? GetTipBackColor() : KTColorManager()->GetColor(COLOR_INFOBK));
    dc.DrawFocusRect(rc);
}

BEGIN_MESSAGE_MAP(CKTSyntaxEditTipListBox, CListBox)
ON_WM_MOUSELEAVE()
END_MESSAGE_MAP()

void CKTSyntaxEditTipListBox::OnMouseLeave()
{
    m_wndTip.HideTip();
    Default();
}

void CKTSyntaxEditTipListBox::ShowTipAt(CPoint ptClient)
{
    if (!m_wndTip.Create(this))
        return;
    BOOL bOutside = TRUE;
    const int nItem = (int)ItemFromPoint(ptClient, bOutside);
    m_wndTip.ShowTip(bOutside ? -1 : nItem);
}

BOOL CKTSyntaxEditTipListBox::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg->hwnd != GetSafeHwnd())
        return CListBox::PreTranslateMessage(pMsg);
    switch (pMsg->message)
    {
    case WM_LBUTTONDOWN:
        m_nButtonDownIndex = (WORD)GetCurSel();
        ShowTipAt(CPoint((short)LOWORD(pMsg->lParam), (short)HIWORD(pMsg->lParam)));
        break;
    case WM_LBUTTONUP:
        m_nButtonUpIndex = (WORD)GetCurSel();
        break;
    case WM_MOUSEMOVE:
        ShowTipAt(CPoint((short)LOWORD(pMsg->lParam), (short)HIWORD(pMsg->lParam)));
        break;
    case WM_KEYDOWN:
    case WM_MOUSEWHEEL:
        m_wndTip.HideTip();
        break;
    default:
        break;
    }
    return CListBox::PreTranslateMessage(pMsg);
}

BEGIN_MESSAGE_MAP(CKTSyntaxEditTipComboBox, CComboBox)
ON_WM_CTLCOLOR()
ON_WM_DESTROY()
END_MESSAGE_MAP()

HBRUSH CKTSyntaxEditTipComboBox::OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor)
{
    if (nCtlColor == CTLCOLOR_LISTBOX && !m_wndList.GetSafeHwnd() && pWnd)
        m_wndList.SubclassWindow(pWnd->GetSafeHwnd());
    return CComboBox::OnCtlColor(pDC, pWnd, nCtlColor);
}

void CKTSyntaxEditTipComboBox::OnDestroy()
{
    if (m_wndList.GetSafeHwnd())
        m_wndList.UnsubclassWindow();
    CComboBox::OnDestroy();
}
