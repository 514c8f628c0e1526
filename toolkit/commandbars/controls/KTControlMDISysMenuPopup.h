// KTControlMDISysMenuPopup.h: a maximised MDI child's icon on the menu bar, opening the child's system menu.
//
// Classes: CKTControlMDISysMenuPopup, CKTMDISysMenuPopupBar.
#pragma once

#include "KTControlPopup.h"
#include "KTPopupBar.h"

#include <memory>
#include <type_traits>

// The system menu as a popup bar: its commands have no shortcuts of the frame's.
class CKTMDISysMenuPopupBar : public CKTPopupBar
{
    DECLARE_DYNCREATE(CKTMDISysMenuPopupBar)
public:
    void UpdateShortcuts() override {}
};

class CKTControlMDISysMenuPopup : public CKTControlPopup
{
    DECLARE_DYNCREATE(CKTControlMDISysMenuPopup)
public:
    CKTControlMDISysMenuPopup();

    // A control for the child's system menu, its popup bar filled.
    static CKTSmartPtr<CKTControlMDISysMenuPopup> Create(CKTCommandBars* pCommandBars, HWND hChild, HMENU hSysMenu);
    // Takes the child's icon again and refills the popup from the system menu.
    void Rebuild(HWND hChild, HMENU hSysMenu);
    HMENU GetSysMenu() const { return m_hSysMenu; }
    HICON GetIcon() const { return m_pIcon.get(); }

    CSize GetSize(CDC*) override { return CSize(16, 16); }
    void Draw(CDC* pDC) override;
    // The icon is small: the menu keeps clear of a pixel around it.
    void AdjustExcludeRect(CRect& rc, BOOL) override { rc.InflateRect(1, 1); }
    // An icon casts no shadow.
    void UpdateShadow() override {}

private:
    struct CIconDeleter
    {
        void operator()(HICON hIcon) const { ::DestroyIcon(hIcon); }
    };
    using CIconPtr = std::unique_ptr<std::remove_pointer<HICON>::type, CIconDeleter>;

    // The child's own icon, else its class's, else the system's logo, scaled to 16 pixels wide.
    static CIconPtr TakeChildIcon(HWND hChild);
    void AddSystemCommand(CMenu* pMenu, int nIndex, UINT nId);

    HWND m_hChild = NULL;
    HMENU m_hSysMenu = NULL;  // the child's; compared with, never owned
    CIconPtr m_pIcon;
};
