// KTDockingPaneTabRow.cpp: tabs of a group follow its panes and draw through the theme's container tab painter; a
// held tab reorders them or leaves the row.
#include "KTDockingPaneTabRow.h"

#include "KTDockingPane.h"
#include "KTDockingPaneContext.h"
#include "KTDockingPaneManager.h"
#include "KTDockingPanePaintManager.h"
#include "KTDockingPaneTabbedContainer.h"
#include "KTSmartPtr.h"
#include "KTTabPainter.h"

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

CWnd* CKTDockingPaneTabRow::GetStripWindow() const { return m_pOwner; }

CWnd* CKTDockingPaneTabRow::GetSiteWindow() const { return m_pOwner->GetDockingSite(); }

CKTTabPainter* CKTDockingPaneTabRow::GetPaintManager() const
{
    CKTDockingPanePaintManager* pPaintManager = m_pOwner->GetPaintManager();
    return pPaintManager ? pPaintManager->GetContainerTabPainter() : nullptr;
}

BOOL KTDrawPaneTabIcon(const CKTTabManager* pTabs, CDC* pDC, CPoint pt, CKTTabManagerItem* pItem, BOOL bDraw,
                       CSize szIcon)
{
    CKTTabPainter* pPainter = pTabs->GetPaintManager();
    auto* pPane = pItem ? reinterpret_cast<CKTDockingPane*>(pItem->GetData()) : nullptr;
    CKTImageManagerIcon* pIcon = pPane && pPainter && pPainter->m_bShowIcons ? pPane->GetIcon(szIcon.cx) : nullptr;
    if (pIcon && bDraw)
        pItem->DrawImage(pDC, pt, szIcon, pIcon);
    return pIcon != nullptr;
}

BOOL CKTDockingPaneTabRow::DrawIcon(CDC* pDC, CPoint pt, CKTTabManagerItem* pItem, BOOL bDraw, CSize& szIcon) const
{
    return KTDrawPaneTabIcon(this, pDC, pt, pItem, bDraw, szIcon);
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

void CKTDockingPaneTabRow::PressTab(int nTab, CPoint pt)
{
    CKTSmartPtr<CKTDockingPane> pPane(m_pOwner->GetPaneAt(nTab));
    CKTDockingPaneManager* pManager = m_pOwner->GetDockingPaneManager();
    if (!pPane || !pManager)
        return;
    BOOL bRefused = pManager->NotifyAction(ktActionDragging, pPane);
    // The owner's answer may have moved the pane elsewhere.
    if (pPane->GetTabbedContainer() != m_pOwner)
        return;
    if (!bRefused)
    {
        m_rcPressedTabs.clear();
        for (int i = 0; i < GetItemCount(); ++i)
            m_rcPressedTabs.push_back(GetItem(i)->GetRect());
        m_pPressedPane = pPane;
    }
    m_pOwner->SelectPane(pPane, TRUE, FALSE);
    PerformMouseMove(m_pOwner->GetSafeHwnd(), pt);
    if (m_pPressedPane)
        m_pOwner->SetCapture();
    m_pOwner->Invalidate(FALSE);
}

void CKTDockingPaneTabRow::ReleaseOwnerCapture() const
{
    if (::GetCapture() == m_pOwner->GetSafeHwnd())
        ::ReleaseCapture();
}

int CKTDockingPaneTabRow::SavedTabAt(CPoint pt) const
{
    for (size_t i = 0; i < m_rcPressedTabs.size(); ++i)
        if (m_rcPressedTabs[i].PtInRect(pt))
            return int(i);
    return -1;
}

BOOL CKTDockingPaneTabRow::TrackPressedTab(CPoint pt)
{
    if (!m_pPressedPane)
        return FALSE;
    int nPressed = FindPane(m_pPressedPane);
    if (nPressed < 0)
    {
        // The pane left the group while its tab was held.
        ReleasePressedTab();
        return TRUE;
    }
    int nOver = SavedTabAt(pt);
    if (nOver >= 0)
    {
        if (nOver != nPressed && nOver < m_pOwner->GetChildCount())
            m_pOwner->SwapPanes(nPressed, nOver);
        return TRUE;
    }
    if (!HitTest(pt))
        DragOut(pt);
    return TRUE;
}

void CKTDockingPaneTabRow::DragOut(CPoint pt)
{
    // The owner's answer and the drag may take the group apart.
    CKTSmartPtr<CKTDockingPaneTabbedContainer> keepAlive(m_pOwner);
    CKTDockingPaneManager* pManager = m_pOwner->GetDockingPaneManager();
    if (!pManager || pManager->NotifyAction(ktActionDetaching, m_pPressedPane))
        return;
    m_pPressedPane = nullptr;
    ReleaseOwnerCapture();
    m_pOwner->ClientToScreen(&pt);
    pManager->GetDockingContext()->Drag(m_pOwner->GetSelected(), pt);
}

void CKTDockingPaneTabRow::ReleasePressedTab()
{
    if (!m_pPressedPane)
        return;
    m_pPressedPane = nullptr;
    ReleaseOwnerCapture();
}
