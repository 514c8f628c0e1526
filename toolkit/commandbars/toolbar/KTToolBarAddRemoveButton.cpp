// KTToolBarAddRemoveButton.cpp: ticking a toolbar's button in or out of sight, or resetting the whole bar.
#include "KTToolBarAddRemoveButton.h"

#include "KTCommandBars.h"
#include "KTCommandBarsOptions.h"
#include "KTToolBar.h"

IMPLEMENT_DYNCREATE(CKTToolBarAddRemoveButton, CKTControlButton)

CKTToolBarAddRemoveButton::CKTToolBarAddRemoveButton() { m_dwFlags |= ktFlagManualUpdate; }

void CKTToolBarAddRemoveButton::SetTarget(CKTControl* pControl)
{
    m_pControl = pControl;
    SetChecked(!(pControl->GetHideFlags() & ktHideCustomize));
}

void CKTToolBarAddRemoveButton::OnExecute()
{
    CKTCommandBars* pCommandBars = GetCommandBars();
    if (m_pBar)
    {
        if (pCommandBars)
            pCommandBars->ClosePopups();
        m_pBar->Reset(TRUE);
        return;
    }
    if (m_pControl.IsNull())
        return;
    // The list stays open, so that several buttons can be ticked in a row.
    const BOOL bHide = !(m_pControl->GetHideFlags() & ktHideCustomize);
    m_pControl->SetHideFlag(ktHideCustomize, bHide);
    SetChecked(!bHide);
    RedrawParent(FALSE);
    if (CKTCommandBar* pBar = m_pControl->GetParent())
        pBar->OnRecalcLayout();
    if (!pCommandBars)
        return;
    pCommandBars->RecalcFrameLayout();
    pCommandBars->GetCommandBarsOptions()->bDirty = TRUE;
}
