// KTMenuBar.h: the frame's menu turned into a bar, with a maximised MDI child's icon and window buttons.
//
// Classes: CKTMenuBar.
#pragma once

#include "KTDocumentMenu.h"
#include "KTToolBar.h"

// Menu bar flags: a maximised child leaves out a window button, or shows its system menu first.
const DWORD KT_MENUBAR_NOMINIMIZE = 0x100, KT_MENUBAR_NORESTORE = 0x200, KT_MENUBAR_NOCLOSE = 0x1000;
const DWORD KT_MENUBAR_SHOWSYSMENU = 0x2000;
// The bar keeps its controls when an MDI child sets a menu.
const DWORD KT_MENUBAR_IGNORESETMENU = 0x400;

class CKTMenuBar : public CKTToolBar
{
    DECLARE_DYNCREATE(CKTMenuBar)
public:
    // Shows the bar's own menu while it lives, then the menu shown before: what is saved, loaded or compared as
    // the bar's own controls must be the resource menu's, whatever child is active. A NULL bar does nothing.
    class COwnMenuScope
    {
    public:
        explicit COwnMenuScope(CKTMenuBar* pBar);
        ~COwnMenuScope();
        COwnMenuScope(const COwnMenuScope&) = delete;
        COwnMenuScope& operator=(const COwnMenuScope&) = delete;

    private:
        CKTMenuBar* m_pBar;
        UINT m_nShown;
    };

    CKTMenuBar();
    CKTMenuBar* AsMenuBar() override { return this; }
    BOOL IsAccessByShownCaptionOnly() const override { return FALSE; }
    // A menu bar that shows tabs moves to the next one (bNext) or the previous one, as the frame's wheel does over
    // it; the plain bar has none.
    virtual BOOL ShowsTabs() const { return FALSE; }
    virtual void SelectAdjacentTab(BOOL bNext) {}

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

    // Shows the controls of a document type's menu (id: its template's resource id), made from pMenu the
    // first time; the controls shown before are kept for their own type.
    void SwitchMDIMenu(UINT nId, CMenu* pMenu = NULL);
    // An MDI child set this menu: the bar shows the active document type's, or its own for the frame's menu.
    void OnMDISetMenu(HMENU hMenu);
    // Marks each document type's menu that differs from its original; TRUE when any does.
    BOOL UpdateDocumentMenusChanged();
    CKTDocumentMenuMap& GetDocumentMenus() { return m_documentMenus; }
    const CKTDocumentMenuMap& GetDocumentMenus() const { return m_documentMenus; }
    UINT GetCurrentMenuId() const { return m_nCurrentMenuId; }

    BOOL Reset(BOOL bAsk) override;
    BOOL IsResetEnabled() override;
    // Any document type's controls count too.
    BOOL IsCustomized() const override;
    void TakeSavedState(CKTToolBar* pLoaded) override;
    // Shares the source's document menus rather than duplicating them.
    void Copy(CKTCommandBar* pFrom, BOOL bRecursive) override;

    int OnHookMessage(HWND hWnd, UINT nMessage, WPARAM& wParam, LPARAM& lParam, LRESULT& lResult) override;
    UINT GetResourceId() const { return m_nResourceId; }
    void DoPropExchange(CKTPropExchange* pPX) override;
    void GenerateCommandBarList(DWORD& nId, CKTCommandBarList* pList, KT_PROPEXCHANGE_PARAMS* pParams) override;
    void RestoreCommandBarList(CKTCommandBarList* pList) override;

protected:
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    DECLARE_MESSAGE_MAP()

private:
    BOOL RefreshSysMenuControl(HWND hChild, BOOL bShow);
    BOOL RefreshWindowButtons(HWND hChild, BOOL bMaximized);
    // WM_MDISETMENU; TRUE when the MDI client must not see it.
    BOOL HandleMDISetMenu(HMENU hMenu);
    HWND GetMDIClient() const;
    // The current controls, kept for the current menu id.
    void KeepCurrentMenu();
    // Shows the controls of the entry, or of a new entry made from pMenu.
    void ShowDocumentMenu(UINT nId, CKTDocumentMenu* pEntry, CMenu* pMenu);
    void AttachControls(CKTControls* pControls);
    // Marks each kept document type's menu that differs from its original; TRUE when any does.
    BOOL MarkChangedDocumentMenus();
    void StoreDocumentMenus(CKTPropExchange* pPX);
    void LoadDocumentMenus(CKTPropExchange* pPX);

    BOOL m_bMDIFrame = FALSE;  // the site is an MDI frame
    HWND m_hwndHookedChild = NULL;
    UINT m_nResourceId = 0;              // the menu resource the bar was loaded from
    UINT m_nCurrentMenuId = 0;           // whose controls the bar shows: the resource's or a document type's
    HMENU m_hFrameMenu = NULL;           // the frame's own menu; the frame owns it
    CKTDocumentMenuMap m_documentMenus;  // the other document types' controls, by menu id
};
