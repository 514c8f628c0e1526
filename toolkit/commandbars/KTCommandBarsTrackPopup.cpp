// KTCommandBarsTrackPopup.cpp: popup bars run modally for the application's context menus.
#include "KTCommandBars.h"

#include "KTControls.h"
#include "KTMouseHookManager.h"
#include "KTPopupBar.h"
#include "KTPopupPlacement.h"

#include <afxpriv.h>

#include <vector>

namespace
{
// Dispatches messages until the popup leaves tracking; a quit request is passed on.
void RunPopupLoop(CKTPopupBar* pPopup)
{
    MSG msg;
    while (pPopup->GetTrackingMode() != ktTrackingNone)
    {
        BOOL bResult = ::GetMessage(&msg, NULL, 0, 0);
        if (bResult == 0)
        {
            ::PostQuitMessage((int)msg.wParam);
            return;
        }
        if (bResult == -1)
            return;
        if (msg.message == WM_KICKIDLE)
            continue;
        if (pPopup->GetTrackingMode() == ktTrackingNone)
        {
            ::PostMessage(msg.hwnd, msg.message, msg.wParam, msg.lParam);
            return;
        }
        if (AfxPreTranslateMessage(&msg))
            continue;
        ::TranslateMessage(&msg);
        ::DispatchMessage(&msg);
    }
}

// Bars already tracking stay open under a recursive popup, locked for its time.
class CTrackedBarsLock
{
public:
    explicit CTrackedBarsLock(BOOL bRecurse)
    {
        CKTMouseHookManager* pMouse = CKTMouseHookManager::Instance();
        if (!bRecurse)
        {
            pMouse->CloseAllTracked();
            ::ReleaseCapture();
        }
        else
        {
            // The caller may be inside a capture loop of its own, which goes on after the popup.
            pMouse->CloseUnlockedBars();
            m_lockedBars = pMouse->LockTrackedBars();
        }
        pMouse->SetIgnoreButtonUp();
    }
    // Bars that began tracking under the popup were never locked by it.
    ~CTrackedBarsLock() { CKTMouseHookManager::Instance()->UnlockBars(m_lockedBars); }
    CTrackedBarsLock(const CTrackedBarsLock&) = delete;
    CTrackedBarsLock& operator=(const CTrackedBarsLock&) = delete;

private:
    std::vector<CKTCommandBar*> m_lockedBars;  // not owned
};

BOOL IsRightToLeft(CWnd* pWnd)
{
    return pWnd && pWnd->GetSafeHwnd() && (pWnd->GetExStyle() & (WS_EX_LAYOUTRTL | WS_EX_RIGHT));
}

// A menu asked for with the keyboard's menu key shows its access keys.
void ShowCuesForKeyboardMenu(CKTPopupBar* pPopup)
{
    const MSG& msg = AfxGetThreadState()->m_lastSentMsg;
    CKTCommandBars* pCommandBars = pPopup->GetCommandBars();
    if (pCommandBars && msg.message == WM_CONTEXTMENU && msg.lParam == (LPARAM)-1)
        pCommandBars->ShowKeyboardCues(TRUE);
}
}  // namespace

UINT CKTCommandBars::TrackPopupMenu(CKTPopupBar* pPopup, UINT nFlags, int x, int y, CWnd* pWnd, LPCRECT lprcExclude,
                                    CWnd* pWndOwner)
{
    if (!pPopup)
        return FALSE;
    CKTSmartPtr<CKTPopupBar> pHold(pPopup);
    CWnd* pOwner = pWnd ? pWnd : pPopup->GetSite();
    pPopup->SetPopupOwner(pOwner);
    // Without a command owner, commands go where the popup's owner site leads: the command bars' frame.
    pPopup->SetCommandOwner(pWndOwner);
    std::shared_ptr<UINT> pCommand;
    if (nFlags & TPM_RETURNCMD)
        pCommand = std::make_shared<UINT>(0);
    pPopup->SetReturnCommand(pCommand);
    pPopup->SetTrackPopupFlags(nFlags);
    ShowCuesForKeyboardMenu(pPopup);
    CTrackedBarsLock lock((nFlags & TPM_RECURSE) != 0);
    BOOL bRightAlign = (nFlags & TPM_RIGHTALIGN) || IsRightToLeft(pOwner);
    if (!pPopup->PopupAt(x, y, lprcExclude, ktPopupVertical | (bRightAlign ? ktPopupLeftwards : 0)))
    {
        pPopup->SetReturnCommand(NULL);
        pPopup->SetTrackPopupFlags(0);
        return FALSE;
    }
    RunPopupLoop(pPopup);
    pPopup->SetReturnCommand(NULL);
    pPopup->SetTrackPopupFlags(0);
    return pCommand ? *pCommand : TRUE;
}

void CKTCommandBars::ContextMenu(WPARAM wParam, int x, int y)
{
    if (IsCustomizeMode())
        return;
    CKTSmartPtr<CKTPopupBar> pPopup = GetToolbarsPopup();
    if (m_pSite && m_pSite->GetSafeHwnd())
        m_pSite->SendMessage(KTWM_TOOLBARSCONTEXTMENU, wParam, (LPARAM)pPopup.GetInterface());
    if (pPopup->GetControlCount() == 0)
        return;
    ClosePopups();
    if (pPopup->PopupAt(x, y))
        RunPopupLoop(pPopup);
}

CKTSmartPtr<CKTPopupBar> CKTCommandBars::GetToolbarsPopup()
{
    CKTSmartPtr<CKTPopupBar> pPopup = CKTPopupBar::CreatePopupBar(this);
    pPopup->GetControls()->Add(ktControlButton, KT_ID_TOOLBARS_LIST);
    return pPopup;
}

UINT CKTCommandBars::TrackPopupMenuEx(CMenu* pMenu, UINT nFlags, int x, int y, CWnd* pWndOwner, LPTPMPARAMS lptpm)
{
    CKTSmartPtr<CKTPopupBar> pPopup = CKTPopupBar::CreatePopupBar(this);
    pPopup->SetPopupOwner(m_pSite);
    if (!pMenu || !pPopup->LoadMenu(pMenu, TRUE))
        return 0;
    CRect rcExclude(0, 0, 0, 0);
    if (lptpm)
        rcExclude = lptpm->rcExclude;
    return TrackPopupMenu(pPopup, nFlags, x, y, m_pSite, rcExclude, pWndOwner);
}
