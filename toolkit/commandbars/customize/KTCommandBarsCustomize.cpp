// KTCommandBarsCustomize.cpp: the customise mode of a frame's bars and the control it acts on.
#include "KTCommandBars.h"

#include "KTCommandBar.h"
#include "KTCommandBarsOptions.h"
#include "KTControl.h"
#include "KTToolBar.h"

void CKTCommandBars::SetCustomizeMode(BOOL bMode)
{
    m_pOptions->bDirty = TRUE;
    m_bCustomizeMode = bMode;
    SetCustomizeSelection(NULL);
    ClosePopups();
    if (m_bKeyboardCuesUse)
        SetKeyboardCuesVisible(bMode || m_bKeyboardCuesVisible);
    for (int i = 0; i < GetCount(); i++)
        GetAt(i)->Redraw(NULL, FALSE);
}

void CKTCommandBars::SetCustomizeSelection(CKTControl* pControl)
{
    if (m_pCustomizeSelection == pControl)
        return;
    CKTSmartPtr<CKTControl> pOld = m_pCustomizeSelection;
    m_pCustomizeSelection = pControl;
    for (CKTControl* pRedraw : {pOld.GetInterface(), pControl})
        if (pRedraw)
            pRedraw->RedrawParent(FALSE);
    if (m_pSite && m_pSite->GetSafeHwnd())
        m_pSite->SendMessage(KTWM_CUSTOMIZESELECTION, 0, 0);
}

BOOL CKTCommandBars::IsCustomizeCommandAvailable() const
{
    if (!m_pSite || !m_pSite->GetSafeHwnd())
        return FALSE;
    AFX_CMDHANDLERINFO info = {};
    return m_pSite->OnCmdMsg(KT_ID_CUSTOMIZE, CN_COMMAND, NULL, &info);
}
