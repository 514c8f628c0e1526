// Tooltips of windows that enable them: one tooltip control per thread, fed
// with the mouse messages and asked through OnToolHitTest.
#include <cstdlib>
#include "afxcmn.h"

namespace
{

// A hit test's answer; the text it made is ours to free.
struct CHitToolInfo : TOOLINFO
{
    CHitToolInfo() : TOOLINFO{}
    {
        // The short record: hit tests that have room for lParam put extras there.
        cbSize = TTTOOLINFO_V1_SIZE;
    }
    ~CHitToolInfo()
    {
        if (lpszText != LPSTR_TEXTCALLBACK)
            free(lpszText);
    }
    CHitToolInfo(const CHitToolInfo&) = delete;
    CHitToolInfo& operator=(const CHitToolInfo&) = delete;
};

CToolTipCtrl* ThreadToolTip(CWnd* pOwner)
{
    _AFX_THREAD_STATE* pState = AfxGetThreadState();
    if (pState->m_pToolTip && ::IsWindow(pState->m_pToolTip->m_hWnd))
        return pState->m_pToolTip;
    delete pState->m_pToolTip;
    pState->m_pToolTip = new CToolTipCtrl;
    if (!pState->m_pToolTip->Create(pOwner, TTS_ALWAYSTIP))
    {
        delete pState->m_pToolTip;
        pState->m_pToolTip = nullptr;
    }
    return pState->m_pToolTip;
}

}  // namespace

BOOL CWnd::EnableToolTips(BOOL bEnable)
{
    if (!bEnable)
    {
        if (AfxGetThreadState()->m_pLastHit == this)
            CancelToolTips(FALSE);
        m_nFlags &= ~WF_TOOLTIPS;
        return TRUE;
    }
    m_nFlags |= WF_TOOLTIPS;
    return ThreadToolTip(GetTopLevelParent()) != nullptr;
}

void PASCAL CWnd::CancelToolTips(BOOL)
{
    _AFX_THREAD_STATE* pState = AfxGetThreadState();
    CToolTipCtrl* pToolTip = pState->m_pToolTip;
    if (pToolTip && ::IsWindow(pToolTip->m_hWnd))
    {
        TOOLINFO ti{};
        ti.cbSize = sizeof ti;
        // Every tool of the control goes: the next hit test adds the right one.
        while (pToolTip->SendMessage(TTM_ENUMTOOLS, 0, (LPARAM)&ti))
            pToolTip->SendMessage(TTM_DELTOOL, 0, (LPARAM)&ti);
    }
    pState->m_pLastHit = nullptr;
    pState->m_nLastHit = -1;
}

void CWnd::FilterToolTipMessage(MSG* pMsg)
{
    UINT message = pMsg->message;
    if (message != WM_MOUSEMOVE && message != WM_LBUTTONDOWN && message != WM_LBUTTONUP && message != WM_RBUTTONDOWN &&
        message != WM_RBUTTONUP)
        return;
    _AFX_THREAD_STATE* pState = AfxGetThreadState();
    CToolTipCtrl* pToolTip = ThreadToolTip(GetTopLevelParent());
    if (!pToolTip)
        return;
    CPoint point = pMsg->pt;
    ScreenToClient(&point);
    CHitToolInfo ti;
    INT_PTR nHit = OnToolHitTest(point, &ti);
    if (pState->m_pLastHit != this || pState->m_nLastHit != nHit)
    {
        CancelToolTips(FALSE);
        if (nHit != -1)
        {
            if (!(ti.uFlags & TTF_IDISHWND) && ::IsRectEmpty(&ti.rect))
                GetClientRect(&ti.rect);
            pToolTip->SendMessage(TTM_ADDTOOL, 0, (LPARAM)&ti);
            pState->m_pLastHit = this;
            pState->m_nLastHit = nHit;
        }
    }
    // The message is relayed in the tool's own window co-ordinates.
    MSG msg = *pMsg;
    msg.hwnd = m_hWnd;
    msg.lParam = MAKELPARAM(point.x, point.y);
    pToolTip->RelayEvent(&msg);
}
