// KTCommandBarKeyboardTips.cpp: which controls and bars a bar labels with keyboard tips, and what a typed tip runs.
#include "KTCommandBar.h"

#include "KTCommandBarKeyboardTip.h"
#include "KTCommandBars.h"
#include "KTControl.h"
#include "KTControlAction.h"
#include "KTControls.h"
#include "KTKeyboardHookManager.h"
#include "KTKeyboardTips.h"
#include "KTToolBar.h"

namespace
{
BOOL TakesKeyboardTip(CKTControl* pControl)
{
    return pControl->IsVisible() && !pControl->GetCaption().IsEmpty() && !(pControl->GetFlags() & ktFlagSkipFocus) &&
           pControl->GetType() != ktControlGallery;
}
}  // namespace

BOOL CKTCommandBar::IsLayoutRTL() const
{
    return GetSafeHwnd() && (GetExStyle() & (WS_EX_LAYOUTRTL | WS_EX_RTLREADING)) != 0;
}

void CKTCommandBar::CreateKeyboardTips()
{
    CKTCommandBars* pCommandBars = GetCommandBars();
    if (!pCommandBars)
        return;
    for (int i = 0; i < GetControlCount(); i++)
    {
        CKTControl* pControl = GetControl(i);
        if (!TakesKeyboardTip(pControl))
            continue;
        CRect rc = pControl->GetRect();
        auto pTip = std::make_unique<CKTCommandBarKeyboardTip>(pCommandBars, pControl, pControl->GetCaption(),
                                                               rc.left + 12, rc.bottom - 11, 0, pControl->IsEnabled());
        CKTControlAction* pAction = pControl->GetAction();
        if (pAction && !pAction->GetKeyboardTip().IsEmpty())
            pTip->SetTipText(pAction->GetKeyboardTip());
        pCommandBars->GetKeyboardTips()->Add(std::move(pTip));
    }
    if (GetParentCommandBar())
        return;
    for (int i = 0; i < pCommandBars->GetCount(); i++)
    {
        CKTToolBar* pBar = pCommandBars->GetAt(i);
        if (pBar == this || !pBar->IsVisible() || !pBar->GetSafeHwnd() || !pBar->IsWindowVisible())
            continue;
        CRect rc;
        pBar->GetWindowRect(rc);
        pCommandBars->GetKeyboardTips()->Add(
            std::make_unique<CKTCommandBarKeyboardTip>(pCommandBars, pBar, pBar->GetTitle(), rc.left, rc.top, 0, TRUE));
    }
}

void CKTCommandBar::OnKeyboardTip(CKTCommandBarKeyboardTip* pTip)
{
    if (CKTCommandBar* pBar = dynamic_cast<CKTCommandBar*>(pTip->GetTarget()))
    {
        if (CKTCommandBars* pCommandBars = GetCommandBars())
            pCommandBars->SetToolBarFocus(pBar);
        return;
    }
    CKTControl* pControl = static_cast<CKTControl*>(pTip->GetTarget());
    CKTKeyboardHookManager::Instance()->DiscardCurrentKey();
    pControl->OnKeyboardTip();
}
