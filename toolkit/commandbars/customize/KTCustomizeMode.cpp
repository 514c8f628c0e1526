// KTCustomizeMode.cpp: the customise mode of a frame's bars and the control it acts on.
#include "KTCustomizeMode.h"

#include "KTCommandBars.h"
#include "KTCommandBarsOptions.h"
#include "KTControl.h"
#include "KTCustomizeDropSource.h"
#include "KTPopupBar.h"
#include "KTToolBar.h"

CKTCustomizeMode::CKTCustomizeMode(CKTCommandBars* pCommandBars)
    : m_pCommandBars(pCommandBars), m_pDropSource(new CKTCustomizeDropSource(pCommandBars))
{
}

CKTCustomizeMode::~CKTCustomizeMode() = default;

void CKTCustomizeMode::ReleaseSelection() { m_pSelection.Release(); }

void CKTCustomizeMode::SetOn(BOOL bOn)
{
    m_pCommandBars->GetCommandBarsOptions()->bDirty = TRUE;
    m_bOn = bOn;
    // With nothing selected there is no change to tell the dialog of.
    if (m_pSelection)
        SetSelection(NULL);
    m_pCommandBars->ClosePopups();
    // With the popups closed nothing navigates by keyboard: cues that follow it show only for the mode.
    m_pCommandBars->ShowKeyboardCues(bOn);
    for (int i = 0; i < m_pCommandBars->GetCount(); i++)
        m_pCommandBars->GetAt(i)->Redraw(NULL, FALSE);
}

void CKTCustomizeMode::SetSelection(CKTControl* pControl)
{
    CKTSmartPtr<CKTControl> pOld = m_pSelection;
    m_pSelection = pControl;
    for (CKTControl* pRedraw : {pOld.GetInterface(), pControl})
        if (pRedraw)
            pRedraw->RedrawParent(FALSE);
    CWnd* pTold = m_pDropSource->GetCustomizeDialog();
    if (!pTold)
        pTold = m_pCommandBars->GetSite();
    if (pTold && pTold->GetSafeHwnd())
        pTold->SendMessage(KTWM_CUSTOMIZESELECTION, 0, 0);
}

void CKTCustomizeMode::ShowContextMenu(CPoint ptScreen)
{
    CWnd* pDialog = m_pDropSource->GetCustomizeDialog();
    CKTPopupBar* pMenu = m_pDropSource->GetCustomizeContextMenu();
    if (!pDialog || !pMenu)
        return;
    const UINT nFlags = TPM_RECURSE | (m_pCommandBars->IsLayoutRTL() ? TPM_RIGHTALIGN : 0);
    CKTCommandBars::TrackPopupMenu(pMenu, nFlags, ptScreen.x, ptScreen.y, m_pCommandBars->GetSite(), NULL, pDialog);
}

BOOL CKTCustomizeMode::IsCommandAvailable() const
{
    CWnd* pSite = m_pCommandBars->GetSite();
    if (!pSite || !pSite->GetSafeHwnd())
        return FALSE;
    AFX_CMDHANDLERINFO info = {};
    return pSite->OnCmdMsg(KT_ID_CUSTOMIZE, CN_COMMAND, NULL, &info);
}
