// A list item cut by the list's edge shows its whole text in a popup over the row while the cursor rests on it.
#include "KTSyntaxEditListTip.h"

#include "KTColorManager.h"
#include "KTDrawObjects.h"

namespace
{
const char kTipClassName[] = "ZiduzuduSEListBoxTipWnd";
const UINT kHideAfterMs = 5000;
const UINT kTrackEveryMs = 100;
}  // namespace

BEGIN_MESSAGE_MAP(CKTSyntaxEditListBoxTipWnd, CWnd)
ON_WM_PAINT()
ON_WM_NCPAINT()
ON_WM_TIMER()
END_MESSAGE_MAP()

BOOL CKTSyntaxEditListBoxTipWnd::RegisterWindowClass(HINSTANCE hInstance)
{
    WNDCLASS wc{};
    if (::GetClassInfo(hInstance, kTipClassName, &wc))
        return TRUE;
    wc.style = CS_SAVEBITS | CS_HREDRAW | CS_VREDRAW;
    wc.lpfnWndProc = ::DefWindowProc;
    wc.hInstance = hInstance;
    wc.hCursor = ::LoadCursor(NULL, IDC_ARROW);
    wc.hbrBackground = (HBRUSH)(COLOR_INFOBK + 1);
    wc.lpszClassName = kTipClassName;
    if (!::RegisterClass(&wc))
        AfxThrowResourceException();
    return TRUE;
}

BOOL CKTSyntaxEditListBoxTipWnd::Create(CKTSyntaxEditTipListBox* pList)
{
    m_pList = pList;
    if (!pList || !pList->GetSafeHwnd())
        return FALSE;
    if (GetSafeHwnd())
        return TRUE;
    RegisterWindowClass(AfxGetInstanceHandle());
    return CreateEx(WS_EX_TOOLWINDOW, kTipClassName, "", WS_POPUP | WS_CLIPSIBLINGS | WS_BORDER, CRect(0, 0, 0, 0),
                    NULL, 0);
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

void CKTSyntaxEditListBoxTipWnd::StopTimers()
{
    KillTimer(m_nHideTimer);
    KillTimer(m_nTrackTimer);
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
    StopTimers();
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
    Invalidate();
    ShowWindow(SW_SHOWNOACTIVATE);
    SetWindowPos(&CWnd::wndTop, rcTip.left, rcTip.top, rcTip.Width(), rcTip.Height(), SWP_NOACTIVATE);
    SetTimer(m_nHideTimer, kHideAfterMs, NULL);
    SetTimer(m_nTrackTimer, kTrackEveryMs, NULL);
}

BOOL CKTSyntaxEditListBoxTipWnd::HideTip()
{
    if (!GetSafeHwnd() || !IsWindowVisible())
        return FALSE;
    StopTimers();
    ShowWindow(SW_HIDE);
    return TRUE;
}

void CKTSyntaxEditListBoxTipWnd::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent == m_nHideTimer)
    {
        HideTip();
        return;
    }
    if (nIDEvent != m_nTrackTimer)
    {
        CWnd::OnTimer(nIDEvent);
        return;
    }
    CPoint pt;
    ::GetCursorPos(&pt);
    m_pList->ScreenToClient(&pt);
    BOOL bOutside = TRUE;
    m_pList->ItemFromPoint(pt, bOutside);
    if (bOutside)
        HideTip();
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

void CKTSyntaxEditListBoxTipWnd::OnPaint()
{
    CPaintDC dc(this);
    if (!m_pList || m_nItem < 0)
        return;
    CKTClientRect rc(this);
    if (IsOwnerDrawList())
        DrawOwnerDrawItem(&dc, rc);
    else
        DrawTextItem(&dc, rc);
}

void CKTSyntaxEditListBoxTipWnd::OnNcPaint()
{
    CWindowDC dc(this);
    CRect rc = CKTWindowRect(this);
    rc.OffsetRect(-rc.left, -rc.top);
    dc.FillSolidRect(rc, m_pList && m_nItem >= 0 ? GetTipBackColor() : KTColorManager()->GetColor(COLOR_INFOBK));
    dc.DrawFocusRect(rc);
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
