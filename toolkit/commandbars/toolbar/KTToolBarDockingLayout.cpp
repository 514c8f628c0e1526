// KTToolBarDockingLayout.cpp: a docked bar's row, with the expand button at its end for what does not fit.
#include "KTToolBar.h"

#include "KTCommandBars.h"
#include "KTCommandBarsOptions.h"
#include "KTControl.h"
#include "KTControls.h"
#include "KTPaintManager.h"
#include "KTToolBarExpandButton.h"

namespace
{
const int KT_EXPAND_BUTTON_SIZE = 11;  // the expand button's strip at the end of the row

BOOL HasClippedControl(CKTCommandBar* pBar)
{
    for (int i = 0; i < pBar->GetControlCount(); i++)
        if (pBar->GetControl(i)->GetHideFlags() == ktHideWrap)
            return TRUE;
    return FALSE;
}
}  // namespace

CRect CKTToolBar::GetRowBorders()
{
    CRect rcBorder = GetPaintManager()->GetCommandBarBorders(this);
    if (GetShowGripper())
    {
        CSize szGripper = GetPaintManager()->DrawCommandBarGripper(NULL, this, FALSE);
        rcBorder.left += szGripper.cx;
        rcBorder.top += szGripper.cy;
    }
    return rcBorder;
}

CSize CKTToolBar::CalcDockingLayout(int nLength, DWORD dwMode, int nMinLength)
{
    // The close button belongs to a floating caption.
    if (CKTControl* pClose = m_pControls->FindControl(KT_ID_TOOLBAR_CLOSE))
        pClose->SetHideFlags(ktHideGeneric);
    CRect rcBorder = GetRowBorders();
    if (!m_bExpandButtonAllowed)
        return m_pControls->CalcDynamicSize(nLength, dwMode, rcBorder, nMinLength);
    // Whether the row hides what does not fit or wraps it is the holder's choice (the bar's flags, customising).
    if (CKTControl* pOld = m_pControls->FindControl(KT_ID_TOOLBAR_EXPAND))
        pOld->SetHideFlags(ktHideGeneric);
    // A menu bar shows the button only when its entries do not fit.
    CKTCommandBars* pCommandBars = GetCommandBars();
    BOOL bShowAlways = m_nBarType != ktBarTypeMenuBar && pCommandBars &&
                       pCommandBars->GetCommandBarsOptions()->bShowExpandButtonAlways;
    if (!bShowAlways)
    {
        CSize sz = m_pControls->CalcDynamicSize(nLength, dwMode, rcBorder, nMinLength);
        if (!HasClippedControl(this))
            return sz;
    }
    CKTControl* pExpand = CKTToolBarExpandButton::FindOrCreate(this);
    pExpand->SetHideFlags(ktHideGeneric);
    BOOL bHorz = (dwMode & LM_HORZDOCK) != 0;
    CRect rcInner = rcBorder;
    (bHorz ? rcBorder.right : rcBorder.bottom) += KT_EXPAND_BUTTON_SIZE;
    CSize sz = m_pControls->CalcDynamicSize(nLength, dwMode, rcBorder, nMinLength);
    pExpand->SetHideFlags(0);
    pExpand->SetRect(bHorz
                         ? CRect(sz.cx - rcBorder.right, rcInner.top, sz.cx - rcInner.right, sz.cy - rcInner.bottom)
                         : CRect(rcInner.left, sz.cy - rcBorder.bottom, sz.cx - rcInner.right, sz.cy - rcInner.bottom));
    return sz;
}
