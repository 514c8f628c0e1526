// KTRibbonControlTab.cpp: the tab row's control: its tabs, their layout through the ribbon and its redraws.
#include "KTRibbonControlTab.h"

#include "KTCommandBars.h"
#include "KTControls.h"
#include "KTImageManager.h"
#include "KTKeyboardTips.h"
#include "KTMouseHookManager.h"
#include "KTRibbonBar.h"
#include "KTRibbonTab.h"
#include "KTRibbonTabPopupToolBar.h"

IMPLEMENT_DYNCREATE(CKTRibbonControlTab, CKTControl)

CKTRibbonControlTab::CKTRibbonControlTab() { m_dwFlags |= ktFlagNoMovable; }

CKTRibbonBar* CKTRibbonControlTab::GetRibbonBar() const { return GetParent() ? GetParent()->AsRibbonBar() : NULL; }

CKTRibbonTab* CKTRibbonControlTab::AddTab(LPCSTR lpszCaption, UINT nId)
{
    CKTSmartPtr<CKTRibbonTab> pTab = KTMakeCounted<CKTRibbonTab>();
    pTab->SetParentBar(GetParent());
    pTab->SetCaption(lpszCaption);
    pTab->SetID(nId);
    pTab->SetRibbonBar(GetRibbonBar());
    InsertItem(GetItemCount(), pTab);
    return pTab;
}

CKTRibbonTab* CKTRibbonControlTab::GetTab(int nIndex) const { return static_cast<CKTRibbonTab*>(GetItem(nIndex)); }

CKTRibbonTab* CKTRibbonControlTab::GetSelectedTab() const { return static_cast<CKTRibbonTab*>(GetSelectedItem()); }

void CKTRibbonControlTab::SetSelectedItem(CKTTabManagerItem* pItem)
{
    CKTRibbonBar* pBar = GetRibbonBar();
    if (!pBar)
        return;
    CKTRibbonTab* pTab = static_cast<CKTRibbonTab*>(pItem);
    if (pTab && !m_bKeyboardFocus && !pBar->IsRibbonMinimized())
        if (CKTCommandBars* pCommandBars = GetCommandBars())
            pCommandBars->ClosePopups();
    if (pItem == GetSelectedItem())
        return;
    // The tips of the old tab's controls would stand over the new tab's.
    CKTCommandBars* pCommandBars = GetCommandBars();
    if (pCommandBars && pCommandBars->GetKeyboardTips()->GetLevel() > 1)
        pCommandBars->GetKeyboardTips()->Hide();
    if (pBar->OnTabChanging(pTab))
        return;
    pBar->ShowTabGroupsUpdated(pTab, [this, pItem] { CKTTabManager::SetSelectedItem(pItem); });
    pBar->OnTabChanged(pTab);
    if (pTab && pBar->IsRibbonMinimized())
        OpenTabPopup(m_bKeyboardFocus);
    NotifySite(KTN_EXECUTE);
    NotifyFocus(pTab);
}

void CKTRibbonControlTab::NotifyFocus(CKTTabManagerItem* pItem)
{
    CKTRibbonBar* pBar = GetRibbonBar();
    if (pItem && pBar && pBar->GetSafeHwnd())
        m_accessible.NotifyWinEvent(EVENT_OBJECT_FOCUS, pBar->GetSafeHwnd(), GetID(), pItem->GetIndex() + 1);
}

void CKTRibbonControlTab::SetKeyboardFocus(BOOL bFocus)
{
    m_bKeyboardFocus = bFocus;
    if (bFocus && !GetSelectedItem())
        if (CKTTabManagerItem* pFirst = FindNextFocusable(-1, +1))
            SetSelectedItem(pFirst);
    RedrawParent(FALSE);
}

BOOL CKTRibbonControlTab::OnSetSelected(int nSelected)
{
    if (nSelected == m_nSelected)
        return FALSE;
    CKTRibbonBar* pBar = GetRibbonBar();
    const BOOL bKeyboard = KTIsKeyboardSelection(nSelected);
    if (bKeyboard && pBar && !pBar->IsRibbonMinimized())
        pBar->SetPopuped(-1);
    m_nSelected = nSelected;
    if (pBar)
        pBar->OnControlSelected(nSelected != ktSelectionNone, this);
    if (bKeyboard)
        SetKeyboardFocus(TRUE);
    if (nSelected != ktSelectionNone)
        NotifyFocus(GetSelectedItem());
    else
    {
        SetKeyboardFocus(FALSE);
        if (pBar && pBar->GetSafeHwnd())
            PerformMouseMove(pBar->GetSafeHwnd(), CPoint(-1, -1));
    }
    return TRUE;
}

int CKTRibbonControlTab::OnHookKeyDown(UINT nChar, LPARAM)
{
    CKTRibbonBar* pBar = GetRibbonBar();
    if (!IsEnabled() || !pBar || !pBar->GetSafeHwnd())
        return ktHookContinue;
    switch (nChar)
    {
    case VK_LEFT:
    case VK_RIGHT:
        if (!FindNextFocusable(GetCurSel(), nChar == VK_LEFT ? -1 : +1))
            return ktHookContinue;
        return PerformKeyDown(pBar->GetSafeHwnd(), nChar) ? ktHookHandled : ktHookContinue;
    case VK_UP:
        pBar->SetSelected(pBar->GetControls()->GetNext(-1, +1), ktSelectionKeyboardBack);
        return ktHookHandled;
    case VK_DOWN:
        pBar->SetSelected(pBar->GetControls()->GetNext(GetIndex(), +1), ktSelectionKeyboard);
        return ktHookHandled;
    }
    return ktHookContinue;
}

void CKTRibbonControlTab::OnClick(BOOL bKeyboard, CPoint pt)
{
    CKTRibbonBar* pBar = GetRibbonBar();
    if (!bKeyboard && pBar && pBar->GetSafeHwnd())
        PerformClick(pBar->GetSafeHwnd(), pt);
}

BOOL CKTRibbonControlTab::OnLButtonDblClk(CPoint pt)
{
    CKTRibbonBar* pBar = GetRibbonBar();
    CKTTabManagerItem* pItem = HitTest(pt);
    if (!pBar || !pItem || !pBar->IsMinimizeAllowed())
        return FALSE;
    if (pBar->IsRibbonMinimized())
        pBar->SetMinimized(FALSE);
    else if (pItem == GetSelectedItem())
        pBar->SetMinimized(TRUE);
    return TRUE;
}

void CKTRibbonControlTab::Reposition()
{
    CKTRibbonBar* pBar = GetRibbonBar();
    if (pBar && pBar->GetSafeHwnd())
        pBar->OnRecalcLayout();
}

CKTTabPainter* CKTRibbonControlTab::GetPaintManager() const
{
    CKTRibbonBar* pBar = GetRibbonBar();
    return pBar ? pBar->GetRibbonPainter()->GetRibbonTabPainter() : NULL;
}

void CKTRibbonControlTab::RedrawControl(LPCRECT lpRect, BOOL bAnimate)
{
    if (CKTRibbonBar* pBar = GetRibbonBar())
        pBar->Redraw(lpRect, bAnimate);
}

BOOL CKTRibbonControlTab::DrawIcon(CDC* pDC, CPoint pt, CKTTabManagerItem* pItem, BOOL bDraw, CSize& szIcon) const
{
    CKTTabPainter* pPainter = GetPaintManager();
    CKTImageManager* pImages = CKTControlPopup::GetImageManager();
    if (!pItem || pItem->GetImage() == -1 || !pPainter || !pPainter->m_bShowIcons || !pImages)
        return FALSE;
    CKTImageManagerIcon* pIcon = pImages->GetImage(pItem->GetImage(), szIcon.cx);
    if (!pIcon)
        return FALSE;
    if (bDraw)
        pIcon->DrawNormal(pDC, pt, szIcon);
    return TRUE;
}

// While a popup of the bars tracks the mouse the tabs light nothing and show no tips.
BOOL CKTRibbonControlTab::IsMouseLocked() const
{
    CKTCommandBar* pTracked = CKTMouseHookManager::Instance()->GetTopTrackedBar();
    return pTracked && pTracked->IsPopupBar();
}

void CKTRibbonControlTab::OnThemeChanged()
{
    if (CKTRibbonBar* pBar = GetRibbonBar())
        pBar->GetRibbonPainter()->RefreshMetrics();
}

BOOL CKTRibbonControlTab::HasFocus() const
{
    CKTRibbonBar* pBar = GetRibbonBar();
    return IsEnabled() && pBar && pBar->GetTrackingMode() != ktTrackingNone;
}

CString CKTRibbonControlTab::GetItemTooltip(const CKTTabManagerItem* pItem) const
{
    CString strTip = pItem->GetTooltip();
    return strTip.IsEmpty() ? pItem->GetCaption() : strTip;
}

BOOL CKTRibbonControlTab::OnSetPopup(BOOL bPopup)
{
    CKTRibbonBar* pBar = GetRibbonBar();
    if (!pBar)
        return FALSE;
    if (!bPopup)
    {
        CKTControlPopup::OnSetPopup(FALSE);
        if (pBar->IsRibbonMinimized())
            SetSelectedItem(NULL);
        RedrawParent(FALSE);
        return FALSE;
    }
    CKTRibbonTab* pTab = GetSelectedTab();
    if (!pTab || !pBar->IsRibbonMinimized())
        return FALSE;
    CKTSmartPtr<CKTRibbonTabPopupToolBar> pPopup = KTMakeCounted<CKTRibbonTabPopupToolBar>(pTab);
    pPopup->SetCommandBars(GetCommandBars());
    SetCommandBar(pPopup);
    return CKTControlPopup::OnSetPopup(TRUE);
}

void CKTRibbonControlTab::OpenTabPopup(BOOL bKeyboard)
{
    CKTRibbonBar* pBar = GetRibbonBar();
    if (!pBar || !pBar->GetSafeHwnd())
        return;
    if (pBar->GetSelected() == GetIndex())
    {
        pBar->SetSelected(-1);
        pBar->SetPopuped(-1);
    }
    pBar->SetTrackingMode(ktTrackingOn, FALSE, bKeyboard);
    pBar->SetPopuped(GetIndex(), bKeyboard);
}

void CKTRibbonControlTab::OnMouseMove(CPoint pt)
{
    if (CKTCommandBar* pBar = GetParent())
        PerformMouseMove(pBar->GetSafeHwnd(), pt);
}
