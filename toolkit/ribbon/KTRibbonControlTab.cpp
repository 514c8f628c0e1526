// KTRibbonControlTab.cpp: the tab row's control: its tabs, their layout through the ribbon and its redraws.
#include "KTRibbonControlTab.h"

#include "KTCommandBars.h"
#include "KTRibbonBar.h"
#include "KTRibbonTab.h"

IMPLEMENT_DYNCREATE(CKTRibbonControlTab, CKTControl)

CKTRibbonControlTab::CKTRibbonControlTab() { m_dwFlags |= ktFlagNoMovable; }

CKTRibbonBar* CKTRibbonControlTab::GetRibbonBar() const { return dynamic_cast<CKTRibbonBar*>(GetParent()); }

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
    if (pTab && !pBar->IsRibbonMinimized())
        if (CKTCommandBars* pCommandBars = GetCommandBars())
            pCommandBars->ClosePopups();
    if (pItem == GetSelectedItem() || pBar->OnTabChanging(pTab))
        return;
    pBar->LockRedraw();
    pBar->ShowTabGroups(pTab);
    CKTTabManager::SetSelectedItem(pItem);
    pBar->UnlockRedraw();
    pBar->OnTabChanged(pTab);
    NotifySite(100);
    if (pTab && pBar->GetSafeHwnd())
        m_accessible.NotifyWinEvent(EVENT_OBJECT_FOCUS, pBar->GetSafeHwnd(), GetID(), pTab->GetIndex() + 1);
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

// Tabs show their captions only: the ribbon gives them no images.
BOOL CKTRibbonControlTab::DrawIcon(CDC*, CPoint, CKTTabManagerItem*, BOOL, CSize&) const { return FALSE; }

CString CKTRibbonControlTab::GetItemTooltip(const CKTTabManagerItem* pItem) const
{
    CString strTip = pItem->GetTooltip();
    return strTip.IsEmpty() ? pItem->GetCaption() : strTip;
}

void CKTRibbonControlTab::OnMouseMove(CPoint pt)
{
    if (CKTCommandBar* pBar = GetParent())
        PerformMouseMove(pBar->GetSafeHwnd(), pt);
}
