// KTControlWorkspaceActions.cpp: the tab-group commands as entries, in the order a user reaches for them.
#include "KTControlWorkspaceActions.h"

#include <afxpriv.h>

#include "KTCommandBar.h"
#include "KTCommandBars.h"
#include "KTControls.h"

IMPLEMENT_DYNCREATE(CKTControlWorkspaceActions, CKTControlListPlaceholder)

namespace
{
const int kFirstGroupCommand = 9155, kLastGroupCommand = 9158;
const int kGroupCommands[] = {9157, 9158, 9155, 9156};  // new horizontal, new vertical, previous, next

// Takes an update handler's answer without touching any control.
class CEnabledQuery : public CCmdUI
{
public:
    explicit CEnabledQuery(UINT nID) { m_nID = nID; }
    void Enable(BOOL bOn) override
    {
        m_bEnableChanged = TRUE;
        m_bEnabled = bOn;
    }

    BOOL m_bEnabled = FALSE;
};

CWnd* MDIClientOf(CKTCommandBar* pBar)
{
    CKTCommandBars* pCommandBars = pBar->GetCommandBars();
    CWnd* pSite = pCommandBars ? pCommandBars->GetSite() : NULL;
    if (!pSite || !pSite->IsKindOf(RUNTIME_CLASS(CMDIFrameWnd)))
        return NULL;
    return CWnd::FromHandlePermanent(static_cast<CMDIFrameWnd*>(pSite)->m_hWndMDIClient);
}

// Only an MDI client that shows its children as tab groups answers for these commands.
BOOL IsCommandEnabled(CWnd* pClient, int nID)
{
    CEnabledQuery query(static_cast<UINT>(nID));
    return pClient->OnCmdMsg(static_cast<UINT>(nID), CN_UPDATE_COMMAND_UI, &query, NULL) && query.m_bEnabled;
}
}  // namespace

void CKTControlWorkspaceActions::OnCalcDynamicSize(DWORD)
{
    if (!m_pParent)
        return;
    const auto isItem = [](CKTControl* pItem)
    { return pItem->GetID() >= kFirstGroupCommand && pItem->GetID() <= kLastGroupCommand; };
    if (!ClearListForItems(isItem))
        return;
    CWnd* pClient = MDIClientOf(m_pParent);
    if (!pClient)
        return;
    CKTControls* pControls = m_pParent->GetControls();
    int nIndex = m_nIndex + 1;
    for (int nID : kGroupCommands)
    {
        if (!IsCommandEnabled(pClient, nID))
            continue;
        CKTControl* pAdded = pControls->Add(ktControlButton, nID, NULL, nIndex, TRUE);
        pAdded->SetCaptionFromResource(static_cast<UINT>(nID));
        pAdded->SetBeginGroup(GetBeginGroup() && nIndex == m_nIndex + 1);
        nIndex++;
    }
}
