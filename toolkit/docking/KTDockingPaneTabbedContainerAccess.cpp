// KTDockingPaneTabbedContainerAccess.cpp: what a group offers beyond its own input: tooltips of its caption
// buttons and tabs, and its accessible object.
#include "KTDockingPaneCaptionButton.h"
#include "KTDockingPaneManager.h"
#include "KTDockingPaneTabbedContainer.h"
#include "KTResourceManager.h"

LRESULT CKTDockingPaneTabbedContainer::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    CKTDockingPaneManager* pManager = GetDockingPaneManager();
    CKTToolTipController::FilterToolTipMessage(pManager ? pManager->GetToolTipContext() : nullptr, this, message,
                                               wParam, lParam);
    if (message == WM_GETOBJECT && LONG(lParam) == OBJID_CLIENT)
        return m_accessible.LresultFromObject(__uuidof(IAccessible), wParam, static_cast<IAccessible*>(&m_accessible));
    return CWnd::WindowProc(message, wParam, lParam);
}

INT_PTR CKTDockingPaneTabbedContainer::OnToolHitTest(CPoint point, TOOLINFO* pTI) const
{
    CKTDockingPaneCaptionButton* pButton = CaptionButtonAt(point);
    if (!pButton)
        return m_tabRow.OnToolHitTest(m_hWnd, point, pTI);
    CString strTip;
    if (!KTResourceManager()->LoadString(&strTip, UINT(pButton->GetID())) || strTip.IsEmpty())
        return -1;
    CKTToolTipController::FillInToolInfo(pTI, m_hWnd, pButton->GetRect(), pButton->GetID(), strTip);
    return pButton->GetID();
}
