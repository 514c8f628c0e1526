// KTDockingPaneAutoHideTabManager.cpp: a hidden group's tabs face away from the strip's frame edge.
#include "KTDockingPaneAutoHideTabManager.h"

#include "KTDockingPane.h"
#include "KTDockingPaneAutoHidePanel.h"
#include "KTDockingPaneManager.h"
#include "KTDockingPanePaintManager.h"
#include "KTDockingPaneTabRow.h"
#include "KTDockingPaneTabbedContainer.h"
#include "KTTabManagerNavigateButton.h"
#include "KTTabPainter.h"

CKTDockingPaneAutoHideTabManager::CKTDockingPaneAutoHideTabManager(CKTDockingPaneAutoHidePanel* pPanel)
    : m_pPanel(pPanel)
{
    FindNavigateButton(ktNavigateButtonLeft)->SetMode(ktNavigateButtonNone);
    FindNavigateButton(ktNavigateButtonRight)->SetMode(ktNavigateButtonNone);
}

void CKTDockingPaneAutoHideTabManager::Fill(CKTDockingPaneTabbedContainer* pGroup)
{
    for (int i = 0; i < pGroup->GetChildCount(); ++i)
    {
        CKTDockingPane* pPane = pGroup->GetPaneAt(i);
        CKTTabManagerItem* pItem = InsertItem(i);
        pItem->SetCaption(pPane->GetTitle());
        pItem->SetColor(pPane->GetItemColor());
        pItem->SetEnabled((pPane->GetEnabled() & ktPaneEnableClient) != 0);
        pItem->SetData(DWORD_PTR(pPane));
        if (pPane == pGroup->GetSelected())
            SetSelectedItem(pItem);
    }
}

CWnd* CKTDockingPaneAutoHideTabManager::GetStripWindow() const { return m_pPanel; }

CWnd* CKTDockingPaneAutoHideTabManager::GetSiteWindow() const
{
    CKTDockingPaneManager* pManager = m_pPanel->GetDockingPaneManager();
    return pManager ? pManager->GetSite() : nullptr;
}

void CKTDockingPaneAutoHideTabManager::RedrawControl(LPCRECT lpRect, BOOL)
{
    if (m_pPanel->GetSafeHwnd())
        m_pPanel->InvalidateRect(lpRect, FALSE);
}

CKTTabPainter* CKTDockingPaneAutoHideTabManager::GetPaintManager() const
{
    CKTDockingPanePaintManager* pPaintManager = m_pPanel->GetPaintManager();
    return pPaintManager ? pPaintManager->GetPanelTabPainter() : nullptr;
}

BOOL CKTDockingPaneAutoHideTabManager::DrawIcon(CDC* pDC, CPoint pt, CKTTabManagerItem* pItem, BOOL bDraw,
                                                CSize& szIcon) const
{
    return KTDrawPaneTabIcon(this, pDC, pt, pItem, bDraw, szIcon);
}

int CKTDockingPaneAutoHideTabManager::GetPosition() const
{
    switch (m_pPanel->GetDirection())
    {
    case ktDockLeft:
        return ktTabPositionRight;
    case ktDockRight:
        return ktTabPositionLeft;
    case ktDockTop:
        return ktTabPositionBottom;
    default:
        return ktTabPositionTop;
    }
}
