// KTRibbonControlTab.cpp: the tab row's control: its tabs, their layout through the ribbon and its redraws.
#include "KTRibbonControlTab.h"

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
    if (!pBar || pItem == GetSelectedItem())
        return;
    pBar->LockRedraw();
    pBar->ShowTabGroups(static_cast<CKTRibbonTab*>(pItem));
    CKTTabManager::SetSelectedItem(pItem);
    pBar->UnlockRedraw();
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
