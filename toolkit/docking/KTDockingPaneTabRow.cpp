// KTDockingPaneTabRow.cpp: tabs of a group follow its panes and draw through the theme's container tab painter.
#include "KTDockingPaneTabRow.h"

#include "KTDockingPane.h"
#include "KTDockingPanePaintManager.h"
#include "KTDockingPaneTabbedContainer.h"

void CKTDockingPaneTabRow::Reposition()
{
    if (m_nRedrawLock == 0)
        m_pOwner->UpdatePane(TRUE);
}

void CKTDockingPaneTabRow::RedrawControl(LPCRECT lpRect, BOOL)
{
    if (m_nRedrawLock == 0 && m_pOwner->GetSafeHwnd())
        m_pOwner->InvalidateRect(lpRect, FALSE);
}

CKTTabPainter* CKTDockingPaneTabRow::GetPaintManager() const
{
    CKTDockingPanePaintManager* pPaintManager = m_pOwner->GetPaintManager();
    return pPaintManager ? pPaintManager->GetContainerTabPainter() : nullptr;
}

BOOL CKTDockingPaneTabRow::DrawIcon(CDC*, CPoint, CKTTabManagerItem*, BOOL, CSize&) const
{
    // Panes carry no icons of their own yet: no room is kept for one.
    return FALSE;
}

void CKTDockingPaneTabRow::Update()
{
    ++m_nRedrawLock;
    DeleteAllItems();
    for (int i = 0; i < m_pOwner->GetChildCount(); ++i)
    {
        CKTDockingPane* pPane = m_pOwner->GetPaneAt(i);
        CKTTabManagerItem* pItem = InsertItem(i);
        pItem->SetCaption(pPane->GetShortTitle());
        pItem->SetTooltip(pPane->GetTitle());
        pItem->SetColor(pPane->GetItemColor());
        pItem->SetEnabled((pPane->GetEnabled() & ktPaneEnableClient) != 0);
        pItem->SetData(DWORD_PTR(pPane));
        if (pPane == m_pOwner->GetSelected())
            SetSelectedItem(pItem);
    }
    --m_nRedrawLock;
}

int CKTDockingPaneTabRow::FindPane(const void* pPane) const
{
    for (int i = 0; i < GetItemCount(); ++i)
        if (GetItem(i)->GetData() == DWORD_PTR(pPane))
            return i;
    return -1;
}
