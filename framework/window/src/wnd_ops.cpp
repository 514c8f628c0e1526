// CWnd operations beyond dispatch: family relations, geometry, text, styles,
// descendants, bar layout and the dialog-control update.
#include <algorithm>
#include "afxwin.h"
#include "afxpriv.h"

BOOL CWnd::PreTranslateMessage(MSG* pMsg)
{
    if (m_nFlags & WF_TOOLTIPS)
        FilterToolTipMessage(pMsg);
    return FALSE;
}

BOOL CWnd::IsFrameWnd() const { return IsKindOf(RUNTIME_CLASS(CFrameWnd)); }

CWnd* CWnd::GetOwner() const { return m_hWndOwner ? FromHandle(m_hWndOwner) : GetParent(); }

CFrameWnd* CWnd::GetParentFrame() const
{
    if (!m_hWnd)
        return nullptr;
    for (CWnd* pParent = GetParent(); pParent; pParent = pParent->GetParent())
    {
        if (pParent->IsFrameWnd())
            return static_cast<CFrameWnd*>(pParent);
    }
    return nullptr;
}

namespace
{

// A child's parent, or a popup's owner.
HWND ParentOrOwner(HWND hWnd)
{
    if (::GetWindowLong(hWnd, GWL_STYLE) & WS_CHILD)
        return ::GetParent(hWnd);
    return ::GetWindow(hWnd, GW_OWNER);
}

}  // namespace

CWnd* CWnd::GetTopLevelParent() const
{
    if (!m_hWnd)
        return nullptr;
    HWND hWnd = m_hWnd;
    for (HWND hWndNext; (hWndNext = ParentOrOwner(hWnd)) != nullptr;)
        hWnd = hWndNext;
    return FromHandle(hWnd);
}

void CWnd::ActivateTopParent()
{
    HWND hWndActive = ::GetForegroundWindow();
    if (hWndActive && (hWndActive == m_hWnd || ::IsChild(hWndActive, m_hWnd)))
        return;
    if (CWnd* pTop = GetTopLevelParent())
        pTop->SetForegroundWindow();
}

CWnd* CWnd::GetTopLevelOwner() const
{
    if (!m_hWnd)
        return nullptr;
    HWND hWnd = m_hWnd;
    for (HWND hWndOwner; (hWndOwner = ::GetWindow(hWnd, GW_OWNER)) != nullptr;)
        hWnd = hWndOwner;
    return FromHandle(hWnd);
}

CWnd* CWnd::GetParentOwner() const
{
    if (!m_hWnd)
        return nullptr;
    HWND hWnd = m_hWnd;
    while (::GetWindowLong(hWnd, GWL_STYLE) & WS_CHILD)
    {
        HWND hWndParent = ::GetParent(hWnd);
        if (!hWndParent)
            break;
        hWnd = hWndParent;
    }
    return FromHandle(hWnd);
}

CFrameWnd* CWnd::GetTopLevelFrame() const
{
    if (!m_hWnd)
        return nullptr;
    CWnd* pWnd = const_cast<CWnd*>(this);
    CFrameWnd* pFrame = IsFrameWnd() ? static_cast<CFrameWnd*>(pWnd) : GetParentFrame();
    while (pFrame)
    {
        CFrameWnd* pParent = pFrame->GetParentFrame();
        if (!pParent)
            break;
        pFrame = pParent;
    }
    return pFrame;
}

namespace
{

// Searched depth first by handle: only the window found gets an object.
CWnd* FindDescendant(HWND hWnd, int nID, BOOL bOnlyPerm)
{
    for (HWND hWndChild = ::GetTopWindow(hWnd); hWndChild; hWndChild = ::GetWindow(hWndChild, GW_HWNDNEXT))
    {
        // A window inside one of the same id (a splitter's first pane) comes first.
        if (CWnd* pFound = FindDescendant(hWndChild, nID, bOnlyPerm))
            return pFound;
        if (::GetDlgCtrlID(hWndChild) != nID)
            continue;
        if (CWnd* pWnd = bOnlyPerm ? CWnd::FromHandlePermanent(hWndChild) : CWnd::FromHandle(hWndChild))
            return pWnd;
    }
    return nullptr;
}

}  // namespace

CWnd* CWnd::GetDescendantWindow(int nID, BOOL bOnlyPerm) const { return FindDescendant(m_hWnd, nID, bOnlyPerm); }

CWnd* CWnd::GetNextDlgTabItem(CWnd* pWndCtl, BOOL bPrevious) const
{
    return FromHandle(::GetNextDlgTabItem(m_hWnd, pWndCtl->GetSafeHwnd(), bPrevious));
}

CWnd* CWnd::GetNextDlgGroupItem(CWnd* pWndCtl, BOOL bPrevious) const
{
    return FromHandle(::GetNextDlgGroupItem(m_hWnd, pWndCtl->GetSafeHwnd(), bPrevious));
}

void CWnd::DragAcceptFiles(BOOL bAccept) { ::DragAcceptFiles(m_hWnd, bAccept); }

void CWnd::ClientToScreen(LPRECT lpRect) const { ::MapWindowPoints(m_hWnd, nullptr, (LPPOINT)lpRect, 2); }
void CWnd::ScreenToClient(LPRECT lpRect) const { ::MapWindowPoints(nullptr, m_hWnd, (LPPOINT)lpRect, 2); }

void CWnd::CalcWindowRect(LPRECT lpClientRect, UINT)
{
    ::AdjustWindowRectEx(lpClientRect, GetStyle(), FALSE, GetExStyle() & ~WS_EX_CLIENTEDGE);
}

CDC* CWnd::GetDCEx(CRgn* prgnClip, DWORD flags)
{
    return CDC::FromHandle(::GetDCEx(m_hWnd, (HRGN)prgnClip->GetSafeHandle(), flags));
}

int CWnd::ReleaseDC(CDC* pDC) { return ::ReleaseDC(m_hWnd, pDC->GetSafeHdc()); }

CPoint PASCAL CWnd::GetCaretPos()
{
    POINT pt = {0, 0};
    ::GetCaretPos(&pt);
    return pt;
}

void CWnd::GetWindowText(CString& rString) const
{
    int nLen = ::GetWindowTextLength(m_hWnd);
    ::GetWindowText(m_hWnd, rString.GetBufferSetLength(nLen), nLen + 1);
    rString.ReleaseBuffer();
}

int CWnd::GetDlgItemText(int nID, CString& rString) const
{
    rString.Empty();
    HWND hWnd = ::GetDlgItem(m_hWnd, nID);
    if (!hWnd)
        return 0;
    FromHandle(hWnd)->GetWindowText(rString);
    return rString.GetLength();
}

int CWnd::MessageBox(LPCTSTR lpszText, LPCTSTR lpszCaption, UINT nType)
{
    if (!lpszCaption)
        lpszCaption = AfxGetAppName();
    return ::MessageBox(m_hWnd, lpszText, lpszCaption, nType);
}

namespace
{

// Changes the style word at nIndex; FALSE when it stays as it was.
BOOL ModifyStyleWord(HWND hWnd, int nIndex, DWORD dwRemove, DWORD dwAdd, UINT nFlags)
{
    DWORD dwStyle = (DWORD)::GetWindowLong(hWnd, nIndex);
    DWORD dwNewStyle = (dwStyle & ~dwRemove) | dwAdd;
    if (dwStyle == dwNewStyle)
        return FALSE;
    ::SetWindowLong(hWnd, nIndex, (LONG)dwNewStyle);
    if (nFlags)
        ::SetWindowPos(hWnd, nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | nFlags);
    return TRUE;
}

}  // namespace

BOOL PASCAL CWnd::ModifyStyle(HWND hWnd, DWORD dwRemove, DWORD dwAdd, UINT nFlags)
{
    return ModifyStyleWord(hWnd, GWL_STYLE, dwRemove, dwAdd, nFlags);
}

BOOL PASCAL CWnd::ModifyStyleEx(HWND hWnd, DWORD dwRemove, DWORD dwAdd, UINT nFlags)
{
    return ModifyStyleWord(hWnd, GWL_EXSTYLE, dwRemove, dwAdd, nFlags);
}

BOOL CWnd::ModifyStyle(DWORD dwRemove, DWORD dwAdd, UINT nFlags)
{
    return ModifyStyle(m_hWnd, dwRemove, dwAdd, nFlags);
}
BOOL CWnd::ModifyStyleEx(DWORD dwRemove, DWORD dwAdd, UINT nFlags)
{
    return ModifyStyleEx(m_hWnd, dwRemove, dwAdd, nFlags);
}

void PASCAL CWnd::SendMessageToDescendants(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam, BOOL bDeep,
                                           BOOL bOnlyPerm)
{
    // The next sibling is taken first: a child may destroy itself on the message.
    HWND hWndChild = ::GetTopWindow(hWnd);
    while (hWndChild)
    {
        HWND hWndNext = ::GetWindow(hWndChild, GW_HWNDNEXT);
        if (bOnlyPerm)
        {
            if (CWnd* pWnd = FromHandlePermanent(hWndChild))
                AfxCallWndProc(pWnd, hWndChild, message, wParam, lParam);
        }
        else
        {
            ::SendMessage(hWndChild, message, wParam, lParam);
        }
        if (bDeep && ::IsWindow(hWndChild) && ::GetTopWindow(hWndChild))
            SendMessageToDescendants(hWndChild, message, wParam, lParam, bDeep, bOnlyPerm);
        hWndChild = hWndNext;
    }
}

void CWnd::SendMessageToDescendants(UINT message, WPARAM wParam, LPARAM lParam, BOOL bDeep, BOOL bOnlyPerm)
{
    SendMessageToDescendants(m_hWnd, message, wParam, lParam, bDeep, bOnlyPerm);
}

void AFXAPI AfxRepositionWindow(AFX_SIZEPARENTPARAMS* lpLayout, HWND hWnd, LPCRECT lpRect)
{
    if (!lpLayout->hDWP)
        return;  // a measuring pass moves nothing
    CRect rectOld;
    HWND hWndParent = ::GetParent(hWnd);
    ::GetWindowRect(hWnd, rectOld);
    ::MapWindowPoints(nullptr, hWndParent, (LPPOINT)&rectOld, 2);
    if (rectOld == *lpRect)
        return;
    lpLayout->hDWP =
        ::DeferWindowPos(lpLayout->hDWP, hWnd, nullptr, lpRect->left, lpRect->top, lpRect->right - lpRect->left,
                         lpRect->bottom - lpRect->top, SWP_NOACTIVATE | SWP_NOZORDER);
}

namespace
{

// Sends WM_SIZEPARENT to the bars in the id range; returns the left-over window.
HWND SizeBars(HWND hWndParent, UINT nIDFirst, UINT nIDLast, UINT nIDLeftOver, AFX_SIZEPARENTPARAMS* pLayout)
{
    HWND hWndLeftOver = nullptr;
    for (HWND hWndChild = ::GetTopWindow(hWndParent); hWndChild; hWndChild = ::GetWindow(hWndChild, GW_HWNDNEXT))
    {
        UINT nIDC = (UINT)::GetDlgCtrlID(hWndChild);
        if (nIDC == nIDLeftOver)
            hWndLeftOver = hWndChild;
        else if (nIDC >= nIDFirst && nIDC <= nIDLast)
            ::SendMessage(hWndChild, WM_SIZEPARENT, 0, (LPARAM)pLayout);
    }
    return hWndLeftOver;
}

// The space the bars left, less the extra border the caller keeps.
CRect LeftOverRect(const AFX_SIZEPARENTPARAMS& layout, UINT nMode, LPCRECT lpRectExtra)
{
    CRect rect = layout.rect;
    if (nMode == reposExtra && lpRectExtra)
    {
        rect.left += lpRectExtra->left;
        rect.top += lpRectExtra->top;
        rect.right -= lpRectExtra->right;
        rect.bottom -= lpRectExtra->bottom;
    }
    return rect;
}

}  // namespace

void CWnd::RepositionBars(UINT nIDFirst, UINT nIDLast, UINT nIDLeftOver, UINT nFlags, LPRECT lpRectParam,
                          LPCRECT lpRectClient, BOOL bStretch)
{
    UINT nMode = nFlags & ~reposNoPosLeftOver;
    AFX_SIZEPARENTPARAMS layout{};
    layout.bStretch = bStretch;
    if (lpRectClient)
        layout.rect = *lpRectClient;
    else
        GetClientRect(&layout.rect);
    // The query pass measures only: without a deferred-position batch nothing moves.
    if (nMode != reposQuery)
        layout.hDWP = ::BeginDeferWindowPos(8);
    HWND hWndLeftOver = SizeBars(m_hWnd, nIDFirst, nIDLast, nIDLeftOver, &layout);
    if (nMode == reposQuery)
    {
        if (bStretch)
            ::CopyRect(lpRectParam, &layout.rect);
        else
            ::SetRect(lpRectParam, 0, 0, layout.sizeTotal.cx, layout.sizeTotal.cy);
        return;
    }
    if (hWndLeftOver && !(nFlags & reposNoPosLeftOver))
    {
        CRect rect = LeftOverRect(layout, nMode, lpRectParam);
        FromHandle(hWndLeftOver)->CalcWindowRect(&rect);
        AfxRepositionWindow(&layout, hWndLeftOver, &rect);
    }
    if (layout.hDWP && !::EndDeferWindowPos(layout.hDWP))
        ::OutputDebugString("RepositionBars: EndDeferWindowPos failed\n");
}

void CWnd::CenterWindow(CWnd* pAlternateOwner)
{
    HWND hWndCenter = pAlternateOwner ? pAlternateOwner->m_hWnd : ::GetWindow(m_hWnd, GW_OWNER);
    if (!hWndCenter && (GetStyle() & WS_CHILD))
        hWndCenter = ::GetParent(m_hWnd);
    CRect rcDlg, rcCenter, rcArea;
    GetWindowRect(&rcDlg);
    ::SystemParametersInfo(SPI_GETWORKAREA, 0, &rcArea, 0);
    if (hWndCenter && ::IsWindowVisible(hWndCenter) && !::IsIconic(hWndCenter))
        ::GetWindowRect(hWndCenter, &rcCenter);
    else
        rcCenter = rcArea;
    int x = (rcCenter.left + rcCenter.right) / 2 - rcDlg.Width() / 2;
    int y = (rcCenter.top + rcCenter.bottom) / 2 - rcDlg.Height() / 2;
    x = std::max((int)rcArea.left, std::min(x, (int)rcArea.right - rcDlg.Width()));
    y = std::max((int)rcArea.top, std::min(y, (int)rcArea.bottom - rcDlg.Height()));
    if (GetStyle() & WS_CHILD)
    {
        POINT pt = {x, y};
        ::ScreenToClient(::GetParent(m_hWnd), &pt);
        x = pt.x;
        y = pt.y;
    }
    SetWindowPos(nullptr, x, y, -1, -1, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CWnd::OnIdleUpdateCmdUIForDescendants(BOOL bDisableIfNoHndler) { UpdateDialogControls(this, bDisableIfNoHndler); }

namespace
{

// Only push buttons are disabled for want of a handler.
BOOL IsPushButton(HWND hWnd)
{
    if (!(::SendMessage(hWnd, WM_GETDLGCODE, 0, 0) & DLGC_BUTTON))
        return FALSE;
    DWORD dwType = (DWORD)::GetWindowLong(hWnd, GWL_STYLE) & BS_TYPEMASK;
    return dwType == BS_PUSHBUTTON || dwType == BS_DEFPUSHBUTTON;
}

}  // namespace

void CWnd::UpdateDialogControls(CCmdTarget* pTarget, BOOL bDisableIfNoHndler)
{
    CCmdUI state;
    for (HWND hWndChild = ::GetTopWindow(m_hWnd); hWndChild; hWndChild = ::GetWindow(hWndChild, GW_HWNDNEXT))
    {
        // Borrows the child: not in the permanent map, so its end leaves the window alone.
        CWnd wndTemp(hWndChild);
        state.m_nID = (UINT)::GetDlgCtrlID(hWndChild);
        state.m_pOther = &wndTemp;
        // A control that handles the update itself (reflected) is left to it.
        CWnd* pChild = FromHandlePermanent(hWndChild);
        if (pChild && pChild->OnCmdMsg(0, (int)MAKELONG((WORD)-1, WM_COMMAND + WM_REFLECT_BASE), &state, nullptr))
            continue;
        state.DoUpdate(pTarget, bDisableIfNoHndler && IsPushButton(hWndChild));
    }
}

void CWnd::DoDataExchange(CDataExchange*) {}

BOOL CWnd::UpdateData(BOOL bSaveAndValidate)
{
    CDataExchange dx(this, bSaveAndValidate);
    try
    {
        DoDataExchange(&dx);
        return TRUE;
    }
    catch (CUserException* e)
    {
        e->Delete();  // the user has already been told
    }
    return FALSE;
}

INT_PTR CWnd::OnToolHitTest(CPoint point, TOOLINFO* pTI) const
{
    HWND hWndChild = ::ChildWindowFromPointEx(m_hWnd, point, CWP_SKIPINVISIBLE | CWP_SKIPTRANSPARENT);
    if (!hWndChild || hWndChild == m_hWnd)
        return -1;
    INT_PTR nHit = ::GetDlgCtrlID(hWndChild);
    if (pTI)
    {
        pTI->hwnd = m_hWnd;
        pTI->uId = (UINT_PTR)hWndChild;
        pTI->uFlags |= TTF_IDISHWND;
        pTI->lpszText = LPSTR_TEXTCALLBACK;
    }
    return nHit;
}
