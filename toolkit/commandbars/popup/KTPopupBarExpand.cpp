// KTPopupBarExpand.cpp: personalised menus: rarely used commands hide behind the expand button until asked for.
#include "KTPopupBar.h"

#include "KTCommandBars.h"
#include "KTCommandBarsOptions.h"
#include "KTControl.h"
#include "KTControls.h"
#include "KTKeyState.h"
#include "KTPaintManager.h"
#include "KTPopupBarExpandButton.h"

namespace
{
// Once one popup of a menu loop is expanded, the popups it opens next show everything too.
thread_local BOOL t_bMenuLoopExpanded = FALSE;
const int kMenuExpandKind = 1;
}  // namespace

BOOL CKTPopupBar::IsMenuLoopExpanded() { return t_bMenuLoopExpanded; }

void CKTPopupBar::EndMenuLoop() { t_bMenuLoopExpanded = FALSE; }

void CKTPopupBar::UpdateExpandingState()
{
    CKTCommandBars* pCommandBars = GetCommandBars();
    if (!pCommandBars)
        return;
    if (pCommandBars->GetCommandBarsOptions()->bAlwaysShowFullMenus)
    {
        for (int i = 0; i < GetControlCount(); i++)
            GetControl(i)->SetExpandedShown(FALSE);
        m_bExpanded = TRUE;
        m_bCollapsedPresent = FALSE;
        return;
    }
    m_bCollapsedPresent = FALSE;
    BOOL bUsedVisible = FALSE;
    for (int i = 0; i < GetControlCount(); i++)
    {
        CKTControl* pControl = GetControl(i);
        const BOOL bVisible = pControl->IsVisible(ktHideScroll | ktHideExpand);
        const BOOL bRare = pCommandBars->IsControlHidden(pControl);
        pControl->SetExpandedShown(bRare && bVisible);
        bUsedVisible |= !bRare && bVisible && pControl->GetID() != (int)KT_ID_POPUPBAR_EXPAND;
    }
    // A popup of nothing but rarely used commands shows them all.
    for (int i = 0; i < GetControlCount(); i++)
    {
        CKTControl* pControl = GetControl(i);
        const BOOL bCollapse = pControl->IsExpandedShown() && !m_bExpanded && bUsedVisible;
        pControl->SetHideFlag(ktHideExpand, bCollapse);
        m_bCollapsedPresent |= bCollapse;
    }
}

int CKTPopupBar::GetDefaultItem(UINT, BOOL bByPosition) const
{
    for (int i = 0; i < GetControlCount(); i++)
    {
        CKTControl* pControl = GetControl(i);
        if (pControl->IsVisible() && pControl->IsItemDefault())
            return bByPosition ? i : pControl->GetID();
    }
    return -1;
}

void CKTPopupBar::ExpandBar()
{
    if (m_bExpanded || !m_bCollapsedPresent)
        return;
    if (GetToolTipContext())
        GetToolTipContext()->CancelToolTips();
    if (GetSafeHwnd())
        KillTimer(KT_TIMER_EXPAND_BUTTON);
    m_bExpanding = TRUE;
    m_bExpanded = TRUE;
    t_bMenuLoopExpanded = TRUE;
    SetPopuped(-1);
    SetSelected(-1, FALSE);
    OnRecalcLayout();
    m_bExpanding = FALSE;
}

void CKTPopupBar::ReserveSpecialRows(CRect& rcBorders, int& nExpandHeight)
{
    CKTPaintManager* pPaintManager = GetPaintManager();
    ReserveGripper(rcBorders);
    nExpandHeight = 0;
    CKTControl* pExpand = m_pControls->FindControl(KT_ID_POPUPBAR_EXPAND);
    if (m_bCollapsedPresent)
    {
        if (!pExpand)
            pExpand = m_pControls->Add(KTMakeCounted<CKTPopupBarExpandButton>(), KT_ID_POPUPBAR_EXPAND, NULL, -1, TRUE);
        nExpandHeight =
            pPaintManager->DrawExpandButton(NULL, kMenuExpandKind, pExpand, this, FALSE, CSize(0, 0), TRUE).cy;
        rcBorders.bottom += nExpandHeight;
    }
    if (pExpand)
        pExpand->SetHideFlags(ktHideGeneric);
}

void CKTPopupBar::ReserveGripper(CRect& rcBorders)
{
    m_rcGripper.SetRectEmpty();
    if (!m_bTearOffPopup)
        return;
    const int nHeight = GetPaintManager()->DrawTearOffGripper(NULL, CRect(0, 0, 0, 0), FALSE, FALSE).cy;
    m_rcGripper = CRect(rcBorders.left, rcBorders.top, rcBorders.left, rcBorders.top + nHeight);
    rcBorders.top += nHeight;
}

void CKTPopupBar::PlaceGripper(CSize szBar, const CRect& rcBorders)
{
    if (m_bTearOffPopup)
        m_rcGripper.right = szBar.cx - rcBorders.right;
}

void CKTPopupBar::PlaceSpecialRows(CSize szBar, const CRect& rcBorders, int nExpandHeight)
{
    PlaceGripper(szBar, rcBorders);
    CKTControl* pExpand = m_pControls->FindControl(KT_ID_POPUPBAR_EXPAND);
    if (!pExpand || !m_bCollapsedPresent)
        return;
    pExpand->SetHideFlags(0);
    const int nBottom = szBar.cy - rcBorders.bottom + nExpandHeight;
    pExpand->SetRect(CRect(rcBorders.left, nBottom - nExpandHeight, szBar.cx - rcBorders.right, nBottom));
}

BOOL CKTPopupBar::OnHookKeyDown(UINT nChar, LPARAM lParam)
{
    if (nChar == VK_DOWN && m_bCollapsedPresent && !m_bExpanded && !IsCustomizeMode())
    {
        const int nNext = m_pControls->GetNext(m_nSelected, +1);
        if (KTIsKeyDown(VK_CONTROL) || (m_nSelected != -1 && nNext <= m_nSelected))
            ExpandBar();
    }
    return CKTCommandBar::OnHookKeyDown(nChar, lParam);
}
