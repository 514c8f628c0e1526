// KTRibbonControls.cpp: which of the ribbon's controls stay, and the links a removed control leaves.
#include "KTRibbonControls.h"

#include "KTControl.h"
#include "KTRibbonBar.h"
#include "KTRibbonControlTab.h"
#include "KTRibbonGroup.h"
#include "KTRibbonGroupControlPopup.h"
#include "KTRibbonQuickAccess.h"

IMPLEMENT_DYNCREATE(CKTRibbonControls, CKTControls)

CKTRibbonBar* CKTRibbonControls::GetRibbonBar() const { return m_pParent ? m_pParent->AsRibbonBar() : NULL; }

BOOL CKTRibbonControls::IsPermanent(CKTControl* pControl) const
{
    CKTRibbonBar* pRibbon = GetRibbonBar();
    if (!pRibbon)
        return FALSE;
    CKTRibbonGroupsScroller* pScroller = pRibbon->GetGroupsScroller();
    CKTRibbonGroup* pGroup = pControl->GetRibbonGroup();
    return pControl == pRibbon->GetControlTab() || pControl == pRibbon->GetQuickAccessPopup() ||
           pControl == pRibbon->GetQuickAccessMore() || pControl == pScroller->GetScrollButton(TRUE) ||
           pControl == pScroller->GetScrollButton(FALSE) ||
           (pGroup && (pControl == pGroup->GetControlPopup() || pControl == pGroup->GetControlOptionButton()));
}

void CKTRibbonControls::OnControlRemoved(CKTControl* pControl)
{
    if (CKTRibbonGroup* pGroup = pControl->GetRibbonGroup())
        pGroup->RemoveControl(pControl);
    if (CKTRibbonBar* pRibbon = GetRibbonBar())
    {
        if (pControl == pRibbon->GetSystemButton())
            pRibbon->ForgetSystemButton();
        pRibbon->GetQuickAccessControls()->Remove(pControl);
    }
    CKTControls::OnControlRemoved(pControl);
}
