// KTMenuBar.cpp: the frame's menu resource as a bar of popup controls.
#include "KTMenuBar.h"

#include "KTCommandBars.h"
#include "KTCommandBarsRes.h"
#include "KTControls.h"
#include "KTImageManager.h"

IMPLEMENT_DYNCREATE(CKTMenuBar, CKTToolBar)

CKTMenuBar::CKTMenuBar()
{
    m_nBarType = ktBarTypeMenuBar;
    m_dwFlags = ktBarFlagMovable | ktBarFlagStretch;
    // Nothing would bring a closed menu bar back: the toolbars list does not offer it.
    m_bCloseable = FALSE;
}

BOOL CKTMenuBar::LoadMenuBar(UINT nMenuId)
{
    CMenu menu;
    if (nMenuId && (!menu.LoadMenu(nMenuId) || !LoadMenu(&menu, TRUE)))
        return FALSE;
    m_nResourceId = m_nCurrentMenuId = nMenuId;
    SetupHook();
    if (CKTCommandBars* pCommandBars = GetCommandBars())
    {
        static const UINT kSysCommands[] = {SC_RESTORE, SC_MINIMIZE, SC_MAXIMIZE, SC_CLOSE};
        pCommandBars->GetImageManager()->SetIcons(KT_IDB_MDI_SYSCOMMANDS, kSysCommands, 4, CSize(16, 16));
    }
    // The bar replaces the frame's menu but never owns it: the frame destroys it.
    CWnd* pSite = GetSite();
    if (pSite && pSite->GetSafeHwnd() && ::GetMenu(pSite->GetSafeHwnd()))
    {
        m_hFrameMenu = ::GetMenu(pSite->GetSafeHwnd());
        ::SetMenu(pSite->GetSafeHwnd(), NULL);
    }
    UpdateShortcuts();
    return TRUE;
}
