// KTRibbonTab.cpp: a ribbon tab's context look and what hiding it does to the selection.
#include "KTRibbonTab.h"

#include "KTTabManager.h"

IMPLEMENT_DYNCREATE(CKTRibbonTab, CCmdTarget)

void CKTRibbonTab::SetContextTab(COLORREF clrContext, LPCSTR lpszCaption)
{
    m_clrContext = clrContext;
    m_strContextCaption = lpszCaption;
}

void CKTRibbonTab::SetVisible(BOOL bVisible)
{
    CKTTabManagerItem::SetVisible(bVisible);
    CKTTabManager* pManager = GetTabManager();
    if (bVisible || !pManager || pManager->GetSelectedItem() != this)
        return;
    if (CKTTabManagerItem* pNext = pManager->FindNextFocusable(-1, +1))
        pManager->SetSelectedItem(pNext);
}
