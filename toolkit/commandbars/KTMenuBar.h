// KTMenuBar.h: the frame's menu turned into a bar, with a maximised MDI child's icon and window buttons.
//
// Classes: CKTMenuBar.
#pragma once

#include "KTToolBar.h"

// Menu bar flags: a maximised child leaves out a window button, or shows its system menu first.
const DWORD KT_MENUBAR_NOMINIMIZE = 0x100, KT_MENUBAR_NORESTORE = 0x200, KT_MENUBAR_NOCLOSE = 0x1000;
const DWORD KT_MENUBAR_SHOWSYSMENU = 0x2000;

class CKTMenuBar : public CKTToolBar
{
    DECLARE_DYNCREATE(CKTMenuBar)
public:
    CKTMenuBar();

    // Converts the menu resource into controls and takes the frame's own
    // menu off the frame; the frame stays that menu's one owner.
    BOOL LoadMenuBar(UINT nMenuId);
    // Watches the frame and its MDI client for menu changes and child activation.
    void SetupHook();
    // The active MDI child, 0 when there is none or the site is no MDI frame.
    HWND GetActiveMdiChild(BOOL* pMaximized = NULL) const;
    // Follows the active child with the hook on its size changes.
    void RefreshHookedChild();
    // While the active child is maximised: its icon first, its window buttons last.
    void RefreshMDIButtons();

    int OnHookMessage(HWND hWnd, UINT nMessage, WPARAM& wParam, LPARAM& lParam, LRESULT& lResult) override;
    UINT GetResourceId() const { return m_nResourceId; }
    void DoPropExchange(CKTPropExchange* pPX) override;

protected:
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    DECLARE_MESSAGE_MAP()

private:
    BOOL RefreshSysMenuControl(HWND hChild, BOOL bShow);
    BOOL RefreshWindowButtons(HWND hChild, BOOL bMaximized);
    BOOL OnMDISetMenu();
    HWND GetMDIClient() const;

    BOOL m_bMDIFrame = FALSE;  // the site is an MDI frame
    HWND m_hwndHookedChild = NULL;
    UINT m_nResourceId = 0;  // the menu resource the bar was loaded from
};
