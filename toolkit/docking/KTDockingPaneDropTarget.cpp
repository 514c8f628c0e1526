// KTDockingPaneDropTarget.cpp: a drag held over a tab brings its pane into view.
#include "KTDockingPaneDropTarget.h"

#include "KTDockingPane.h"
#include "KTDockingPaneAutoHidePanel.h"
#include "KTDockingPanePaintManager.h"
#include "KTDockingPaneTabbedContainer.h"
#include "KTTabPainter.h"

DROPEFFECT CKTDockingPaneTabbedContainerDropTarget::OnDragOver(CWnd*, COleDataObject*, DWORD, CPoint point)
{
    CKTTabPainter* pPainter = m_pContainer->GetTabRow().GetPaintManager();
    CKTDockingPane* pPane = m_pContainer->GetPaneAt(m_pContainer->HitTest(point));
    if (pPainter && pPainter->m_bSelectOnDragOver && pPane && pPane != m_pContainer->GetSelected())
        m_pContainer->SelectPane(pPane, FALSE, FALSE);
    return DROPEFFECT_NONE;
}

DROPEFFECT CKTDockingPaneAutoHidePanelDropTarget::OnDragOver(CWnd*, COleDataObject*, DWORD, CPoint point)
{
    CKTDockingPanePaintManager* pPaintManager = m_pPanel->GetPaintManager();
    CKTTabPainter* pPainter = pPaintManager ? pPaintManager->GetPanelTabPainter() : nullptr;
    CKTDockingPane* pPane = m_pPanel->HitTest(point);
    if (pPainter && pPainter->m_bSelectOnDragOver && pPane && !m_pPanel->IsSlidOut(pPane))
        m_pPanel->ShowPane(pPane, FALSE);
    return DROPEFFECT_NONE;
}
