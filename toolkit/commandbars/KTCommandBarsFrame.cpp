// KTCommandBarsFrame.cpp: what the command bars do with their frame's messages and keys.
#include "KTCommandBars.h"

#include "KTAcceleratorManager.h"
#include "KTCustomizeDropSource.h"
#include "KTCustomizeMode.h"
#include "KTCommandBarsDefs.h"
#include "KTKeyboardHookManager.h"
#include "KTMenuBar.h"
#include "KTPaintManager.h"
#include "KTToolBar.h"

#include <afxpriv.h>
#include <windowsx.h>

BOOL CKTCommandBars::PreTranslateFrameMessage(MSG* pMsg)
{
    if (!m_pSite)
        return FALSE;
    if (PreTranslateFrameKeys(pMsg))
        return TRUE;
    if (pMsg->message == WM_MOUSEWHEEL)
        return PreTranslateFrameWheel(pMsg->wParam, pMsg->lParam);
    if (pMsg->message < WM_KEYFIRST || pMsg->message > WM_KEYLAST)
        return FALSE;
    return m_pAccelManager->TranslateAccelerator(m_pSite->GetSafeHwnd(), pMsg);
}

BOOL CKTCommandBars::PreTranslateFrameWheel(WPARAM wParam, LPARAM lParam)
{
    CKTKeyboardHookManager* pKeys = CKTKeyboardHookManager::Instance();
    if (pKeys->HasSinks())
        return pKeys->DispatchKey(WM_MOUSEWHEEL, wParam, lParam);
    CKTMenuBar* pMenuBar = GetMenuBar();
    if (!pMenuBar || !pMenuBar->ShowsTabs() || !pMenuBar->GetSafeHwnd() || !pMenuBar->IsWindowVisible())
        return FALSE;
    CRect rcRibbon;
    pMenuBar->GetWindowRect(rcRibbon);
    if (!rcRibbon.PtInRect(CPoint(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam))))
        return FALSE;
    pMenuBar->SelectAdjacentTab(GET_WHEEL_DELTA_WPARAM(wParam) <= 0);
    return TRUE;
}

void CKTCommandBars::IdleUpdateFloatingBars()
{
    for (auto& pBar : m_bars)
        if (pBar->GetPosition() == ktBarFloating)
            pBar->IdleUpdate(TRUE, TRUE);
}

// The shared colours, fonts and icons are fresh already.
void CKTCommandBars::OnSystemChange(KTSystemChangeKind)
{
    GetPaintManager()->RefreshMetrics();
    if (m_pSite && m_pSite->GetSafeHwnd())
        m_pSite->RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
    RedrawCommandBars();
}

BOOL CKTCommandBars::HandleFrameMessage(UINT nMessage, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    switch (nMessage)
    {
    case WM_IDLEUPDATECMDUI:
        m_removedBars.clear();
        IdleUpdateFloatingBars();
        return FALSE;
    case WM_SYSCOLORCHANGE:
    case WM_SETTINGCHANGE:
    case WM_THEMECHANGED:
        // The frame is the top-level window that the system tells: every paint manager hears it from here.
        KTSystemChange()->ApplyMessage(nMessage);
        return FALSE;
    case WM_COMMAND:
        if (OnFieldCommand(wParam, lParam, pResult))
            return TRUE;
        return LOWORD(wParam) == ID_HELP && OnFrameHelp(pResult);
    case WM_CLOSE:
        // The drag loop and an open customise dialog hold the bars and their controls: the frame waits for them.
        if (!m_pCustomize->GetDropSource()->IsDragging() && !m_pCustomize->GetDropSource()->GetCustomizeDialog())
            return FALSE;
        *pResult = 0;
        return TRUE;
    case WM_ACTIVATEAPP:
        if (!wParam)
            ClosePopups();
        return FALSE;
    case WM_SYSCOMMAND:
        return OnFrameSysCommand(wParam, lParam, pResult);
    case WM_NCDESTROY:
        // The frame may delete itself now while the bars live on in another holder: they must not reach it later.
        m_pSite = NULL;
        return FALSE;
    }
    return FALSE;
}

// Cut, Copy and Paste from the menus act on the bar's field that has the focus, not on the document.
BOOL CKTCommandBars::OnFieldCommand(WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    HWND hFocus = ::GetFocus();
    CWnd* pField = KTIsBarPart(hFocus) ? CWnd::FromHandlePermanent(hFocus) : NULL;
    if (!pField || !pField->OnCmdMsg(LOWORD(wParam), CN_COMMAND, NULL, NULL))
        return FALSE;
    *pResult = 1;
    return TRUE;
}

BOOL CKTCommandBars::OnFrameHelp(LRESULT* pResult)
{
    if (m_nHelpId <= 0 || !m_pSite)
        return FALSE;
    AFX_CMDHANDLERINFO info = {};
    if (!m_pSite->OnCmdMsg(ID_HELP, CN_COMMAND, NULL, &info))
        return FALSE;
    m_pSite->SendMessage(WM_COMMANDHELP, 0, m_nHelpId + 0x10000);
    *pResult = 0;
    return TRUE;
}

BOOL CKTCommandBars::OnFrameSysCommand(WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    if (OnKeyMenu(wParam, lParam))
    {
        *pResult = 0;
        return TRUE;
    }
    if ((wParam & 0xFFF0) != SC_KEYMENU && !(wParam && LOWORD(wParam) == 0) && !IsCustomizeMode())
        ClosePopups();
    return FALSE;
}
