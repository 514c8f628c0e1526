// KTMenuBar.cpp: the frame's menu resource as a bar of popup controls.
#include "KTMenuBar.h"

#include "KTCommandBars.h"
#include "KTControls.h"

IMPLEMENT_DYNCREATE(CKTMenuBar, CKTToolBar)

CKTMenuBar::CKTMenuBar() { m_nBarType = ktBarTypeMenuBar; }

BOOL CKTMenuBar::LoadMenuBar(UINT nMenuId)
{
    CMenu menu;
    if (!menu.LoadMenu(nMenuId) || !LoadMenu(&menu, TRUE))
        return FALSE;
    SetupHook();
    // The bar replaces the frame's menu but never owns it: the frame destroys it.
    CWnd* pSite = GetSite();
    if (pSite && pSite->GetSafeHwnd() && ::GetMenu(pSite->GetSafeHwnd()))
        ::SetMenu(pSite->GetSafeHwnd(), NULL);
    UpdateShortcuts();
    return TRUE;
}
