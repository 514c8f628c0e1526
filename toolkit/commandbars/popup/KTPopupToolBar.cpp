// KTPopupToolBar.cpp: the popup toolbar's wrapping layout.
#include "KTPopupToolBar.h"

#include "KTControls.h"
#include "KTPaintManager.h"

IMPLEMENT_DYNCREATE(CKTPopupToolBar, CKTPopupBar)

CKTPopupToolBar::CKTPopupToolBar() { m_nBarType = ktBarTypeNormal; }

CKTSmartPtr<CKTPopupToolBar> CKTPopupToolBar::CreatePopupToolBar(CKTCommandBars* pCommandBars)
{
    CKTSmartPtr<CKTPopupToolBar> pBar = KTMakeCounted<CKTPopupToolBar>();
    pBar->SetCommandBars(pCommandBars);
    return pBar;
}

CSize CKTPopupToolBar::CalcDynamicLayout(int, DWORD)
{
    m_bLayoutLock = TRUE;
    UpdateShortcuts();
    CRect rcBorders = GetBorders();
    ReserveGripper(rcBorders);
    CSize sz = m_pControls->CalcDynamicSize(m_nMRUWidth, LM_COMMIT | LM_HORZ | KT_LM_MRUGROUPS, rcBorders);
    PlaceGripper(sz, rcBorders);
    m_bLayoutLock = FALSE;
    return sz;
}
