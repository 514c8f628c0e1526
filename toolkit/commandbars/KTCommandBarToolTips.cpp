// KTCommandBarToolTips.cpp: the tooltips of a bar's controls.
#include "KTCommandBar.h"

#include "KTAcceleratorManager.h"
#include "KTCommandBars.h"
#include "KTCommandBarsOptions.h"
#include "KTControl.h"
#include "KTControls.h"
#include "KTCustomizeDropSource.h"
#include "KTCustomizeMode.h"
#include "KTDrawHelpers.h"
#include "KTMouseHookManager.h"
#include "KTToolTipController.h"

int CKTCommandBar::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CWnd::OnCreate(lpCreateStruct) == -1)
        return -1;
    if (m_nBarPosition == ktBarListBox)
        return 0;
    if (CKTCommandBars* pCommandBars = GetCommandBars())
    {
        pCommandBars->GetCustomize()->GetDropSource()->Register(this);
        m_pToolTipContext = pCommandBars->GetToolTipContext();
    }
    else if (!IsPopupBar())
        m_pToolTipContext = KTMakeCounted<CKTToolTipController>();
    return 0;
}

BOOL CKTCommandBar::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    CKTToolTipController::FilterToolTipMessage(m_pToolTipContext, this, message, wParam, lParam);
    return CWnd::OnWndMsg(message, wParam, lParam, pResult);
}

BOOL CKTCommandBar::IsToolTipPaused() const
{
    // A tip would stand over the open menu, beside the keyboard's selection or over another bar's tracking.
    if (m_nPopuped != -1 || (!IsPopupBar() && m_nTrackingMode == ktTrackingOn && m_nKeyboardSelection))
        return TRUE;
    return CKTMouseHookManager::Instance()->IsTrackedLock(this);
}

INT_PTR CKTCommandBar::OnToolHitTest(CPoint point, TOOLINFO* pTI) const
{
    CKTControl* pControl = IsToolTipPaused() ? NULL : m_pControls->HitTest(point);
    if (!pControl)
        return -1;
    CKTCommandBars* pCommandBars = GetCommandBars();
    CKTCommandBarsOptions* pOptions = pCommandBars ? pCommandBars->GetCommandBarsOptions() : NULL;
    if (pOptions && !pOptions->bToolBarScreenTips)
        return -1;
    BOOL bPopupTips = pOptions && pOptions->bShowPopupBarToolTips;
    if (IsPopupBar() && !bPopupTips && !(pControl->GetFlags() & ktFlagTooltipInPopup))
        return -1;
    CRect rcTip = pControl->GetRect();
    INT_PTR nToolId = pControl->GetID();
    CString strTip = pControl->GetTooltip(point, &rcTip, &nToolId);
    if (nToolId == 0)
        return -1;
    if (strTip.IsEmpty())
    {
        strTip = pControl->GetCaption();
        CKTDrawHelpers::StripMnemonics(strTip);
    }
    // The key comes from the table, not the control: toolbar buttons never get their own key text.
    CString strShortcut;
    if (pOptions && pOptions->bToolBarAccelTips &&
        pCommandBars->GetAcceleratorManager()->GetShortcutText(UINT(pControl->GetID()), strShortcut))
        strTip += " (" + strShortcut + ")";
    if (strTip.IsEmpty())
        return -1;
    CKTToolTipController::FillInToolInfoEx(pTI, m_hWnd, rcTip, nToolId, strTip, NULL, pControl->GetDescription(),
                                           pControl->GetIconId());
    return nToolId;
}
