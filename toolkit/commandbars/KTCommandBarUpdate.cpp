// KTCommandBarUpdate.cpp: the idle pass that asks the site's update handlers for each control's state.
#include "KTCommandBar.h"

#include "KTAcceleratorManager.h"
#include "KTCommandBars.h"
#include "KTCommandBarsOptions.h"
#include "KTControl.h"
#include "KTControls.h"

#include <afxpriv.h>

namespace
{
// The update record of one control: answers go into the control.
class CKTControlCmdUI : public CCmdUI
{
public:
    explicit CKTControlCmdUI(CKTControl* pControl) : m_pControl(pControl) { m_nID = (UINT)pControl->GetID(); }

    void Enable(BOOL bOn) override
    {
        m_bEnableChanged = TRUE;
        if (bOn)
        {
            m_pControl->SetEnabled(m_pControl->GetAction() ? -1 : TRUE);
            return;
        }
        m_pControl->SetEnabled(FALSE);
        if (!m_pControl->GetAction() && !m_bCheckSet)
            m_pControl->SetChecked(0);
    }
    void SetCheck(int nCheck) override
    {
        m_bCheckSet = TRUE;
        m_pControl->SetChecked(nCheck);
    }
    void SetRadio(BOOL bOn) override { SetCheck(bOn ? 1 : 0); }
    void SetText(LPCTSTR lpszText) override { m_pControl->SetCaption(lpszText); }

private:
    CKTControl* m_pControl;
    BOOL m_bCheckSet = FALSE;  // the same update gave a check state
};

const UINT KT_CN_UPDATE_BAR = 0xBD11FFFF;
}  // namespace

LRESULT CKTCommandBar::OnIdleUpdateCmdUI(WPARAM wParam, LPARAM)
{
    IdleUpdate((BOOL)wParam, TRUE);
    return 0;
}

LRESULT CKTCommandBar::OnInitialUpdate(WPARAM, LPARAM)
{
    IdleUpdate(TRUE, FALSE);
    return 0;
}

void CKTCommandBar::IdleUpdate(BOOL, BOOL)
{
    if (!GetSafeHwnd() || !IsWindowVisible())
        return;
    if (CKTCommandBars* pCommandBars = GetCommandBars())
    {
        UINT nTemplate = pCommandBars->GetActiveDocTemplate();
        for (int i = 0; i < GetControlCount(); i++)
            if (GetControl(i)->UpdateDocTemplate(nTemplate))
                DelayLayout();
    }
    CWnd* pOwner = GetOwnerSite();
    if (pOwner && !(GetRootParent()->GetTrackPopupFlags() & TPM_NONOTIFY))
    {
        CKTCommandBars* pCommandBars = GetCommandBars();
        BOOL bDisable = !pCommandBars || pCommandBars->GetCommandBarsOptions()->bDisableCommandIfNoHandler;
        UpdateCommandUI(pOwner, bDisable);
        UpdateDialogControls(pOwner, bDisable);
    }
    if (m_dwPendingUpdate & ktPendingRedraw)
        Redraw(NULL, TRUE);
    if (m_dwPendingUpdate & ktPendingLayout)
    {
        m_dwPendingUpdate &= ~ktPendingLayout;
        OnRecalcLayout();
    }
}

void CKTCommandBar::UpdateCommandUI(CWnd* pOwner, BOOL bDisableIfNoHandler)
{
    for (int i = 0; i < GetControlCount(); i++)
    {
        CKTControl* pControl = GetControl(i);
        if (!pControl->IsVisible(ktHideGeneric | ktHideScroll | ktHideExpand) ||
            (pControl->GetFlags() & ktFlagManualUpdate) || pControl->GetID() == 0)
            continue;
        CKTControlCmdUI cmdUI(pControl);
        if (OnCmdMsg(0, (int)KT_CN_UPDATE_BAR, &cmdUI, NULL) ||
            OnCmdMsg(cmdUI.m_nID, (int)CN_UPDATE_COMMAND_UI, &cmdUI, NULL))
            continue;
        if (!IsCustomizeMode())
            cmdUI.DoUpdate(pOwner, bDisableIfNoHandler);
        else if (pControl->GetEnabled() != -1)
            pControl->SetEnabled(pControl->GetAction() ? -1 : TRUE);
    }
}

void CKTCommandBar::UpdateShortcuts()
{
    CKTCommandBars* pCommandBars = GetCommandBars();
    if (!pCommandBars || !pCommandBars->GetCommandBarsOptions()->bAutoUpdateShortcuts)
        return;
    CKTAcceleratorManager* pAccelManager = pCommandBars->GetAcceleratorManager();
    for (int i = 0; i < GetControlCount(); i++)
    {
        CKTControl* pControl = GetControl(i);
        CString strShortcut = pControl->GetAutoShortcutText();
        // A control without a table entry keeps the text its caption gave it.
        if (pControl->GetID() > 0 && pAccelManager->GetShortcutText(pControl->GetID(), strShortcut))
            pControl->SetAutoShortcutText(strShortcut);
        if (CKTCommandBar* pPopup = pControl->GetCommandBar())
            pPopup->UpdateShortcuts();
    }
}
