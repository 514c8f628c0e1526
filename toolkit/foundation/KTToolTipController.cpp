// KTToolTipController.cpp: creating the tip window, hit testing, showing and hiding tips.
#include "KTToolTipController.h"

#include <stdlib.h>
#include <string.h>

namespace
{

// The tooltip's size of a record that has room for lParam.
const UINT g_cbToolInfoWithParam = offsetof(TOOLINFOA, lParam) + sizeof(LPARAM);

// Every text of a tool record is a copy from the C heap, freed with free().
char* TextCopy(LPCSTR lpsz) { return lpsz ? _strdup(lpsz) : NULL; }

BOOL IsMouseMove(UINT message) { return message == WM_MOUSEMOVE || message == WM_NCMOUSEMOVE; }

BOOL HidesTip(UINT message)
{
    switch (message)
    {
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_NCLBUTTONDOWN:
    case WM_NCRBUTTONDOWN:
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
    case WM_MOUSELEAVE:
    case WM_CANCELMODE:
        return TRUE;
    default:
        return FALSE;
    }
}

void AppendLine(CString& strText, LPCSTR lpszLine)
{
    if (!lpszLine || !*lpszLine)
        return;
    if (!strText.IsEmpty())
        strText += "\r\n";
    strText += lpszLine;
}

// The tip window's own title is measured apart from its text and drawn lower than measured: a title cut the
// last line off and an empty one left a blank band. The title is therefore the text's first line, so that the
// window sizes every line it draws. A title that only repeats the text (a tab whose tip falls back to its
// caption) is left out.
CString TipText(LPCSTR lpszText, const KT_TOOLINFO_EXTRA* pExtra)
{
    CString strText;
    if (pExtra && pExtra->lpszTitle && (!lpszText || strcmp(pExtra->lpszTitle, lpszText) != 0))
        AppendLine(strText, pExtra->lpszTitle);
    AppendLine(strText, lpszText);
    if (pExtra)
        AppendLine(strText, pExtra->lpszDescription);
    return strText;
}

}  // namespace

CKTToolTipController::CKTToolTipController()
    : m_hWndToolTip(NULL), m_dwStyle(TTS_NOPREFIX), m_bShowToolTips(TRUE), m_nLastHit(-1), m_hWndLast(NULL)
{
}

CKTToolTipController::~CKTToolTipController()
{
    if (m_hWndToolTip && ::IsWindow(m_hWndToolTip))
        ::DestroyWindow(m_hWndToolTip);
}

void CKTToolTipController::ModifyToolTipStyle(DWORD dwRemove, DWORD dwAdd)
{
    m_dwStyle = (m_dwStyle & ~dwRemove) | dwAdd;
    if (!m_hWndToolTip)
        return;
    DWORD dwWindowStyle = static_cast<DWORD>(::GetWindowLongA(m_hWndToolTip, GWL_STYLE));
    ::SetWindowLongA(m_hWndToolTip, GWL_STYLE, (dwWindowStyle & ~dwRemove) | dwAdd);
}

void CKTToolTipController::ShowToolTips(BOOL bShow)
{
    m_bShowToolTips = bShow;
    if (!bShow)
        CancelToolTips();
}

BOOL CKTToolTipController::EnsureToolTipWnd(HWND hWndOwner)
{
    if (m_hWndToolTip && ::IsWindow(m_hWndToolTip))
        return TRUE;
    m_hWndToolTip =
        ::CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, NULL, WS_POPUP | m_dwStyle, CW_USEDEFAULT, CW_USEDEFAULT,
                          CW_USEDEFAULT, CW_USEDEFAULT, hWndOwner, NULL, ::GetModuleHandleA(NULL), NULL);
    if (!m_hWndToolTip)
        return FALSE;
    ::SendMessageA(m_hWndToolTip, TTM_SETMAXTIPWIDTH, 0, ::GetSystemMetrics(SM_CXSCREEN) / 2);
    return TRUE;
}

void CKTToolTipController::FilterToolTipMessage(CWnd* pWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (!pWnd || !pWnd->GetSafeHwnd())
        return;
    if (HidesTip(message))
    {
        CancelToolTips();
        return;
    }
    if (!IsMouseMove(message) || !m_bShowToolTips)
        return;
    CPoint pt(static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam)));
    if (message == WM_NCMOUSEMOVE)
        pWnd->ScreenToClient(&pt);
    TOOLINFOA ti = {};
    ti.cbSize = g_cbToolInfoWithParam;
    INT_PTR nHit = pWnd->OnToolHitTest(pt, &ti);
    if (nHit == -1)
    {
        FreeToolInfo(&ti);
        RemoveTool();
        return;
    }
    if (nHit == m_nLastHit && pWnd->GetSafeHwnd() == m_hWndLast)
    {
        FreeToolInfo(&ti);  // the same tool: the tip only follows the mouse
    }
    else
        ShowTool(pWnd, ti, nHit);
    RelayEvent(pWnd->GetSafeHwnd(), message, wParam, lParam);
}

void CKTToolTipController::FilterToolTipMessage(CKTToolTipController* pController, CWnd* pWnd, UINT message,
                                                WPARAM wParam, LPARAM lParam)
{
    if (pController)
        pController->FilterToolTipMessage(pWnd, message, wParam, lParam);
}

void CKTToolTipController::ShowTool(CWnd* pWnd, TOOLINFOA& ti, INT_PTR nHit)
{
    RemoveTool();
    if (!EnsureToolTipWnd(pWnd->GetSafeHwnd()))
    {
        FreeToolInfo(&ti);
        return;
    }
    // The callback marker stays: the tool's window is asked for the text, as the framework's tips do.
    const BOOL bCallback = ti.lpszText == LPSTR_TEXTCALLBACKA;
    auto* pExtra = ti.cbSize >= g_cbToolInfoWithParam ? reinterpret_cast<KT_TOOLINFO_EXTRA*>(ti.lParam) : NULL;
    m_strText = bCallback ? CString() : TipText(ti.lpszText, pExtra);
    FreeToolInfo(&ti);
    ti.cbSize = sizeof(TOOLINFOA) - sizeof(void*);  // no reserved field for older tooltip windows
    ti.lpszText = bCallback ? LPSTR_TEXTCALLBACKA : const_cast<LPSTR>(static_cast<LPCSTR>(m_strText));
    ti.lParam = 0;
    if (!::SendMessageA(m_hWndToolTip, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&ti)))
        return;
    m_nLastHit = nHit;
    m_hWndLast = pWnd->GetSafeHwnd();
    ::SendMessageA(m_hWndToolTip, TTM_ACTIVATE, TRUE, 0);
}

void CKTToolTipController::RelayEvent(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (!m_hWndToolTip || m_nLastHit == -1)
        return;
    MSG msg = {hWnd, message, wParam, lParam, static_cast<DWORD>(::GetMessageTime()), {0, 0}};
    ::SendMessageA(m_hWndToolTip, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&msg));
}

void CKTToolTipController::RemoveTool()
{
    if (!m_hWndToolTip || m_nLastHit == -1)
        return;
    TOOLINFOA ti = {};
    ti.cbSize = sizeof(TOOLINFOA) - sizeof(void*);
    ti.hwnd = m_hWndLast;
    ti.uId = static_cast<UINT_PTR>(m_nLastHit);
    ::SendMessageA(m_hWndToolTip, TTM_DELTOOLA, 0, reinterpret_cast<LPARAM>(&ti));
    ::SendMessageA(m_hWndToolTip, TTM_ACTIVATE, FALSE, 0);
    m_nLastHit = -1;
    m_hWndLast = NULL;
}

void CKTToolTipController::CancelToolTips()
{
    if (m_hWndToolTip)
        ::SendMessageA(m_hWndToolTip, TTM_ACTIVATE, FALSE, 0);
    RemoveTool();
}

void CKTToolTipController::FillInToolInfo(TOOLINFOA* pTI, HWND hWnd, const RECT& rc, INT_PTR nId, LPCSTR lpszText)
{
    if (!pTI)
        return;
    pTI->hwnd = hWnd;
    pTI->uId = static_cast<UINT_PTR>(nId);
    pTI->rect = rc;
    pTI->uFlags = 0;
    pTI->hinst = NULL;
    pTI->lpszText = lpszText ? TextCopy(lpszText) : LPSTR_TEXTCALLBACKA;
}

void CKTToolTipController::FillInToolInfoEx(TOOLINFOA* pTI, HWND hWnd, const RECT& rc, INT_PTR nId, LPCSTR lpszText,
                                            LPCSTR lpszTitle, LPCSTR lpszDescription, int nImageId)
{
    FillInToolInfo(pTI, hWnd, rc, nId, lpszText);
    if (!pTI || pTI->cbSize < g_cbToolInfoWithParam)
        return;
    FreeToolInfoExtra(pTI);
    auto* pExtra = new KT_TOOLINFO_EXTRA{TextCopy(lpszTitle), TextCopy(lpszDescription), nImageId};
    pTI->lParam = reinterpret_cast<LPARAM>(pExtra);
}

void CKTToolTipController::FreeToolInfo(TOOLINFOA* pTI)
{
    FreeToolInfoText(pTI);
    FreeToolInfoExtra(pTI);
}

void CKTToolTipController::FreeToolInfoText(TOOLINFOA* pTI)
{
    if (pTI && pTI->lpszText && pTI->lpszText != LPSTR_TEXTCALLBACKA)
        free(pTI->lpszText);
    if (pTI)
        pTI->lpszText = NULL;
}

void CKTToolTipController::FreeToolInfoExtra(TOOLINFOA* pTI)
{
    if (!pTI || pTI->cbSize < g_cbToolInfoWithParam || !pTI->lParam)
        return;
    auto* pExtra = reinterpret_cast<KT_TOOLINFO_EXTRA*>(pTI->lParam);
    free(pExtra->lpszTitle);
    free(pExtra->lpszDescription);
    delete pExtra;
    pTI->lParam = 0;
}
