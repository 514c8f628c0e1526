// KTMenuBarMDI.cpp: what the menu bar learns from the MDI frame: menu changes, and the maximised child's buttons.
#include "KTMenuBar.h"

#include "KTControlMDIButton.h"
#include "KTControlMDISysMenuPopup.h"
#include "KTControls.h"
#include "KTWindowHookManager.h"

BEGIN_MESSAGE_MAP(CKTMenuBar, CKTToolBar)
ON_WM_TIMER()
END_MESSAGE_MAP()

namespace
{
// The window buttons in the order they are appended.
const struct
{
    UINT nId;
    LPCSTR lpszGlyph;
    DWORD dwStyleNeeded;
    DWORD dwSuppressingFlag;
} kWindowButtons[] = {{KT_ID_MDI_MINIMIZE, "0", WS_MINIMIZEBOX, KT_MENUBAR_NOMINIMIZE},
                      {KT_ID_MDI_RESTORE, "2", WS_MAXIMIZEBOX, KT_MENUBAR_NORESTORE},
                      {KT_ID_MDI_CLOSE, "r", 0, KT_MENUBAR_NOCLOSE}};
}  // namespace

HWND CKTMenuBar::GetMDIClient() const
{
    CMDIFrameWnd* pFrame = m_bMDIFrame ? dynamic_cast<CMDIFrameWnd*>(GetSite()) : NULL;
    return pFrame ? pFrame->m_hWndMDIClient : NULL;
}

void CKTMenuBar::SetupHook()
{
    CWnd* pSite = GetSite();
    if (!pSite || !pSite->GetSafeHwnd())
        return;
    m_bMDIFrame = pSite->IsKindOf(RUNTIME_CLASS(CMDIFrameWnd));
    CKTWindowHookManager::Instance()->SetHook(pSite->GetSafeHwnd(), &m_hookSink);
    if (HWND hClient = GetMDIClient())
        CKTWindowHookManager::Instance()->SetHook(hClient, &m_hookSink);
}

HWND CKTMenuBar::GetActiveMdiChild(BOOL* pMaximized) const
{
    HWND hClient = GetMDIClient();
    if (!hClient)
        return NULL;
    BOOL bMaximized = FALSE;
    HWND hChild = (HWND)::SendMessage(hClient, WM_MDIGETACTIVE, 0, (LPARAM)&bMaximized);
    if (pMaximized)
        *pMaximized = bMaximized;
    return hChild;
}

void CKTMenuBar::RefreshHookedChild()
{
    HWND hChild = GetActiveMdiChild();
    if (hChild == m_hwndHookedChild)
        return;
    if (m_hwndHookedChild)
        CKTWindowHookManager::Instance()->RemoveHook(m_hwndHookedChild, &m_hookSink);
    m_hwndHookedChild = hChild;
    if (hChild)
        CKTWindowHookManager::Instance()->SetHook(hChild, &m_hookSink);
}

void CKTMenuBar::RefreshMDIButtons()
{
    BOOL bMaximized = FALSE;
    HWND hChild = GetActiveMdiChild(&bMaximized);
    bMaximized = bMaximized && hChild;
    const BOOL bIconChanged = RefreshSysMenuControl(hChild, bMaximized && (m_dwFlags & KT_MENUBAR_SHOWSYSMENU));
    const BOOL bButtonsChanged = RefreshWindowButtons(hChild, bMaximized);
    // The row changed: the bar and the frame lay out again.
    if (bIconChanged || bButtonsChanged)
        OnRecalcLayout();
}

BOOL CKTMenuBar::RefreshSysMenuControl(HWND hChild, BOOL bShow)
{
    CKTControls* pControls = GetControls();
    auto* pControl = dynamic_cast<CKTControlMDISysMenuPopup*>(pControls->FindControl(KT_ID_MDI_SYSMENU));
    HMENU hSysMenu = bShow ? ::GetSystemMenu(hChild, FALSE) : NULL;
    if (!hSysMenu || !::IsMenu(hSysMenu))
    {
        if (!pControl)
            return FALSE;
        pControls->Remove(pControl);
        return TRUE;
    }
    if (pControl && pControl->GetSysMenu() == hSysMenu)
        return FALSE;
    if (pControl)
        pControl->Rebuild(hChild, hSysMenu);
    else
        pControls->Add(CKTSmartPtr<CKTControl>(CKTControlMDISysMenuPopup::Create(GetCommandBars(), hChild, hSysMenu)),
                       KT_ID_MDI_SYSMENU, "", 0, TRUE);
    return TRUE;
}

BOOL CKTMenuBar::RefreshWindowButtons(HWND hChild, BOOL bMaximized)
{
    CKTControls* pControls = GetControls();
    const DWORD dwStyle = hChild ? (DWORD)::GetWindowLong(hChild, GWL_STYLE) : 0;
    BOOL bChanged = FALSE;
    for (const auto& button : kWindowButtons)
    {
        CKTControl* pButton = pControls->FindControl(button.nId);
        if (!bMaximized && pButton)
        {
            pControls->Remove(pButton);
            bChanged = TRUE;
        }
        const BOOL bWanted = bMaximized && (dwStyle & button.dwStyleNeeded) == button.dwStyleNeeded &&
                             !(m_dwFlags & button.dwSuppressingFlag);
        if (!pButton && bWanted)
        {
            pControls->Add(KTMakeCounted<CKTControlMDIButton>(), button.nId, button.lpszGlyph, -1, TRUE);
            bChanged = TRUE;
        }
    }
    return bChanged;
}

BOOL CKTMenuBar::HandleMDISetMenu(HMENU hMenu)
{
    CWnd* pSite = GetSite();
    if (!IsVisible())
        return pSite && !::GetMenu(pSite->GetSafeHwnd());
    // The bar stands for the frame's menu: the frame never shows one of its own.
    ::SetMenu(pSite->GetSafeHwnd(), NULL);
    if (IsCustomizeMode())
        return TRUE;
    if (!(m_dwFlags & KT_MENUBAR_IGNORESETMENU) && (hMenu || m_hFrameMenu))
        OnMDISetMenu(hMenu ? hMenu : m_hFrameMenu);
    RefreshHookedChild();
    RefreshMDIButtons();
    return TRUE;
}

int CKTMenuBar::OnHookMessage(HWND hWnd, UINT nMessage, WPARAM& wParam, LPARAM& lParam, LRESULT& lResult)
{
    if (!hWnd)
        return CKTToolBar::OnHookMessage(hWnd, nMessage, wParam, lParam, lResult);
    switch (nMessage)
    {
    case WM_SIZE:
    case WM_WINDOWPOSCHANGED:
        if (hWnd == m_hwndHookedChild)
            PostMessage(WM_TIMER, KT_TIMER_MDIBUTTONS);
        return ktHookContinue;
    case WM_MDICREATE:
    case WM_MDIDESTROY:
    case WM_MDIACTIVATE:
        PostMessage(WM_TIMER, KT_TIMER_MDIBUTTONS);
        return ktHookContinue;
    case WM_MDISETMENU:
        if (!HandleMDISetMenu((HMENU)wParam))
            return ktHookContinue;
        wParam = 0;
        lResult = 0;
        return ktHookHandled;
    }
    return CKTToolBar::OnHookMessage(hWnd, nMessage, wParam, lParam, lResult);
}

void CKTMenuBar::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent == KT_TIMER_MDIBUTTONS)
    {
        RefreshHookedChild();
        if (IsVisible())
            RefreshMDIButtons();
    }
    CKTToolBar::OnTimer(nIDEvent);
}
