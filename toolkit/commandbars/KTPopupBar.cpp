// KTPopupBar.cpp: the popup bar a popup control holds.
#include "KTPopupBar.h"

#include "KTControl.h"

IMPLEMENT_DYNCREATE(CKTPopupBar, CKTCommandBar)

CKTPopupBar::CKTPopupBar()
{
    m_nBarType = ktBarTypePopup;
    m_nBarPosition = ktBarPopup;
}

CKTSmartPtr<CKTPopupBar> CKTPopupBar::CreatePopupBar(CKTCommandBars* pCommandBars)
{
    CKTSmartPtr<CKTPopupBar> pBar = KTMakeCounted<CKTPopupBar>();
    pBar->SetCommandBars(pCommandBars);
    return pBar;
}

CKTCommandBar* CKTPopupBar::GetParentCommandBar() const
{
    return m_pControlPopup ? m_pControlPopup->GetParent() : NULL;
}
