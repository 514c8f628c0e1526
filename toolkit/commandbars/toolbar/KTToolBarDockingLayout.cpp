// KTToolBarDockingLayout.cpp: a docked bar's row, with the expand button at its end for what does not fit.
#include "KTToolBar.h"

#include "KTCommandBars.h"
#include "KTCommandBarsOptions.h"
#include "KTControl.h"
#include "KTControls.h"
#include "KTPaintManager.h"
#include "KTToolBarExpandButton.h"

#include <algorithm>

namespace
{
const int KT_EXPAND_BUTTON_SIZE = 11;  // the room the row leaves for the expand button at its end

BOOL HasClippedControl(CKTCommandBar* pBar)
{
    for (int i = 0; i < pBar->GetControlCount(); i++)
        if (pBar->GetControl(i)->GetHideFlags() == ktHideWrap)
            return TRUE;
    return FALSE;
}

// Controls that show when the row is long enough; what the last commit clipped counts.
int CountShowable(CKTCommandBar* pBar)
{
    int nShowable = 0;
    for (int i = 0; i < pBar->GetControlCount(); i++)
        nShowable += pBar->GetControl(i)->IsVisible(ktHideWrap) ? 1 : 0;
    return nShowable;
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

BOOL CKTToolBar::ShowsNoControls() const
{
    for (int i = 0; i < GetControlCount(); i++)
    {
        const CKTControl* pControl = GetControl(i);
        const int nId = pControl->GetID();
        if (pControl->IsVisible(ktHideWrap) && nId != KT_ID_TOOLBAR_EXPAND && nId != KT_ID_TOOLBAR_CLOSE)
            return FALSE;
    }
    return TRUE;
}

CSize CKTToolBar::CalcDockingLayout(int nLength, DWORD dwMode, int nMinLength)
{
    const CSize sz = LayoutRow(nLength, dwMode, nMinLength);
    CommitPendingLayout(dwMode);
    return sz;
}

void CKTToolBar::CommitPendingLayout(DWORD dwMode)
{
    // A committed layout is the one the idle update would have run.
    if (!(dwMode & LM_COMMIT) || !(m_dwPendingUpdate & ktPendingLayout))
        return;
    m_dwPendingUpdate &= ~ktPendingLayout;
    Redraw(NULL, TRUE);
}

CSize CKTToolBar::LayoutRow(int nLength, DWORD dwMode, int nMinLength)
{
    // The close button belongs to a floating caption.
    if (CKTControl* pClose = m_pControls->FindControl(KT_ID_TOOLBAR_CLOSE))
        pClose->SetHideFlags(ktHideGeneric);
    CRect rcBorder = GetRowBorders();
    if (!m_bExpandButtonAllowed)
        return m_pControls->CalcDynamicSize(nLength, dwMode, rcBorder, nMinLength);
    // Whether the row hides what does not fit or wraps it is the holder's choice (the bar's flags, customising).
    CKTControl* pOld = m_pControls->FindControl(KT_ID_TOOLBAR_EXPAND);
    const DWORD dwOldHide = pOld ? pOld->GetHideFlags() : 0;
    if (pOld)
        pOld->SetHideFlags(ktHideGeneric);
    CKTCommandBars* pCommandBars = GetCommandBars();
    const BOOL bShowAlways = pCommandBars && pCommandBars->GetCommandBarsOptions()->bShowExpandButtonAlways;
    if (!bShowAlways && !(dwMode & LM_COMMIT))
    {
        const CSize sz = MeasureRow(nLength, dwMode, rcBorder, nMinLength);
        // The button stays as the last commit left it, until the row is committed.
        if (pOld)
            pOld->SetHideFlags(dwOldHide);
        return sz;
    }
    if (!bShowAlways)
    {
        CSize sz = m_pControls->CalcDynamicSize(nLength, dwMode, rcBorder, nMinLength);
        if (!HasClippedControl(this))
            return sz;
    }
    CKTControl* pExpand = CKTToolBarExpandButton::FindOrCreate(this);
    pExpand->SetHideFlags(ktHideGeneric);
    ((dwMode & LM_HORZDOCK) ? rcBorder.right : rcBorder.bottom) += KT_EXPAND_BUTTON_SIZE;
    CSize sz = m_pControls->CalcDynamicSize(nLength, dwMode, rcBorder, nMinLength);
    pExpand->SetHideFlags(0);
    // Where the button stands at the end of the row is the theme's look.
    GetPaintManager()->DrawExpandButton(NULL, 0, pExpand, this, FALSE, sz, FALSE);
    return sz;
}

// What fits is only known when the row is committed: a measured row keeps room for the first control and the
// expand button, whatever the last commit clipped.
CSize CKTToolBar::MeasureRow(int nLength, DWORD dwMode, const CRect& rcBorder, int nMinLength)
{
    CSize sz = m_pControls->CalcDynamicSize(nLength, dwMode, rcBorder, nMinLength);
    if (CountShowable(this) <= 1)
        return sz;
    const CSize szMin = m_pControls->CalcDynamicSize(1, dwMode, rcBorder, nMinLength);
    if (dwMode & LM_HORZDOCK)
        sz.cx = std::max<int>(sz.cx, szMin.cx + KT_EXPAND_BUTTON_SIZE);
    else
        sz.cy = std::max<int>(sz.cy, szMin.cy + KT_EXPAND_BUTTON_SIZE);
    return sz;
}
