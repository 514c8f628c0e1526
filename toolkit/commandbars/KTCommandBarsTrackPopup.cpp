// KTCommandBarsTrackPopup.cpp: popup bars run modally for the application's context menus.
#include "KTCommandBars.h"

#include "KTControls.h"
#include "KTMouseHookManager.h"
#include "KTPopupBar.h"

#include <afxpriv.h>

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
    explicit CTrackedBarsLock(BOOL bRecurse) : m_bRecurse(bRecurse)
    {
        CKTMouseHookManager* pMouse = CKTMouseHookManager::Instance();
        if (!bRecurse)
            pMouse->CloseAllTracked();
        else
        {
            pMouse->CloseUnlockedBars();
            pMouse->LockTrackedBars(TRUE);
        }
        ::ReleaseCapture();
        pMouse->SetIgnoreButtonUp();
    }
    ~CTrackedBarsLock()
    {
        if (m_bRecurse)
            CKTMouseHookManager::Instance()->LockTrackedBars(FALSE);
    }
    CTrackedBarsLock(const CTrackedBarsLock&) = delete;
    CTrackedBarsLock& operator=(const CTrackedBarsLock&) = delete;

private:
    BOOL m_bRecurse;
};
}  // namespace

UINT CKTCommandBars::TrackPopupMenu(CKTPopupBar* pPopup, UINT nFlags, int x, int y, CWnd* pWnd, LPCRECT lprcExclude,
                                    CWnd* pWndOwner)
{
    if (!pPopup)
        return FALSE;
    CKTSmartPtr<CKTPopupBar> pHold(pPopup);
    CWnd* pOwner = pWnd ? pWnd : pPopup->GetSite();
    pPopup->SetPopupOwner(pOwner);
    pPopup->SetCommandOwner(pWndOwner ? pWndOwner : pOwner);
    std::shared_ptr<UINT> pCommand;
    if (nFlags & TPM_RETURNCMD)
        pCommand = std::make_shared<UINT>(0);
    pPopup->SetReturnCommand(pCommand);
    CTrackedBarsLock lock((nFlags & TPM_RECURSE) != 0);
    if (!pPopup->PopupAt(x, y, lprcExclude))
    {
        pPopup->SetReturnCommand(NULL);
        return FALSE;
    }
    RunPopupLoop(pPopup);
    pPopup->SetReturnCommand(NULL);
    return pCommand ? *pCommand : TRUE;
}

void CKTCommandBars::ContextMenu(WPARAM wParam, int x, int y)
{
    if (IsCustomizeMode())
        return;
    CKTSmartPtr<CKTPopupBar> pPopup = CKTPopupBar::CreatePopupBar(this);
    pPopup->GetControls()->Add(ktControlButton, KT_ID_TOOLBARS_LIST);
    if (m_pSite && m_pSite->GetSafeHwnd())
        m_pSite->SendMessage(KTWM_TOOLBARSCONTEXTMENU, wParam, (LPARAM)pPopup.GetInterface());
    if (pPopup->GetControlCount() == 0)
        return;
    ClosePopups();
    if (pPopup->PopupAt(x, y))
        RunPopupLoop(pPopup);
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
