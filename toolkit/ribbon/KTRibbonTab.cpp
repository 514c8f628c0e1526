// KTRibbonTab.cpp: a ribbon tab's context look and what hiding it does to the selection.
#include "KTRibbonTab.h"

#include "KTRibbonGroup.h"
#include "KTTabManager.h"

IMPLEMENT_DYNCREATE(CKTRibbonTab, CCmdTarget)

CKTRibbonTab::CKTRibbonTab() : m_pGroups(KTMakeCounted<CKTRibbonTabGroups>(this)) {}

CKTRibbonTab::~CKTRibbonTab() { m_pGroups->RemoveAll(); }

CKTRibbonGroup* CKTRibbonTab::FindGroup(UINT nId) const
{
    for (int i = 0; i < m_pGroups->GetCount(); i++)
        if (m_pGroups->GetAt(i)->GetID() == nId)
            return m_pGroups->GetAt(i);
    return NULL;
}

void CKTRibbonTab::OnRemoved()
{
    m_pGroups->RemoveAll();
    CKTTabManagerItem::OnRemoved();
}

void CKTRibbonTab::SetContextTab(COLORREF clrContext, LPCSTR lpszCaption)
{
    m_clrContext = clrContext;
    m_strContextCaption = lpszCaption;
    if (CKTTabManager* pManager = GetTabManager())
        pManager->Reposition();
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

void CKTRibbonTab::Copy(CKTRibbonTab* pSource)
{
    SetCaption(pSource->GetCaption());
    m_clrContext = pSource->m_clrContext;
    m_strContextCaption = pSource->m_strContextCaption;
    m_nId = pSource->m_nId;
    m_pRibbonBar = pSource->m_pRibbonBar;
    m_pGroups->Copy(pSource->m_pGroups);
}
