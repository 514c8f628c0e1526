// KTDockingPaneTabbedContainerInput.cpp: a group window's painting, mouse input and caption-button commands.
#include <afxpriv.h>
#include <windowsx.h>

#include "KTDockingPane.h"
#include "KTDockingPaneCaptionButton.h"
#include "KTDockingPaneCaptionButtonTracker.h"
#include "KTDockingPaneContext.h"
#include "KTDockingPaneManager.h"
#include "KTDockingPanePaintManager.h"
#include "KTDockingPaneRes.h"
#include "KTDockingPaneTabbedContainer.h"
#include "KTDrawObjects.h"
#include "KTSmartPtr.h"

BEGIN_MESSAGE_MAP(CKTDockingPaneTabbedContainer, CWnd)
// void OnPaint()
ON_WM_PAINT()
// BOOL OnEraseBkgnd(CDC* pDC)
ON_WM_ERASEBKGND()
// void OnLButtonDown(UINT nFlags, CPoint point)
ON_WM_LBUTTONDOWN()
// void OnLButtonUp(UINT nFlags, CPoint point)
ON_WM_LBUTTONUP()
// void OnCaptureChanged(CWnd* pWnd)
ON_WM_CAPTURECHANGED()
// void OnMouseMove(UINT nFlags, CPoint point)
ON_WM_MOUSEMOVE()
// LRESULT OnMouseLeave(WPARAM, LPARAM)
ON_MESSAGE(WM_MOUSELEAVE, OnMouseLeave)
// void OnLButtonDblClk(UINT nFlags, CPoint point)
ON_WM_LBUTTONDBLCLK()
// void OnRButtonDown(UINT nFlags, CPoint point)
ON_WM_RBUTTONDOWN()
// BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message)
ON_WM_SETCURSOR()
// LRESULT OnHelpHitTest(WPARAM, LPARAM)
ON_MESSAGE(WM_HELPHITTEST, OnHelpHitTest)
END_MESSAGE_MAP()

void CKTDockingPaneTabbedContainer::OnPaint()
{
    CPaintDC dc(this);
    CRect rcClient;
    GetClientRect(&rcClient);
    CKTBufferDC buffer(&dc, rcClient);
    if (CKTDockingPanePaintManager* pPaintManager = GetPaintManager())
        pPaintManager->DrawPane(&buffer, this, rcClient);
}

int CKTDockingPaneTabbedContainer::HitTest(CPoint pt) const
{
    CRect rcClient;
    GetClientRect(&rcClient);
    if (!rcClient.PtInRect(pt))
        return -1;
    if (IsTitleVisible())
    {
        CRect rcBelowCaption = rcClient;
        if (CKTDockingPanePaintManager* pPaintManager = GetPaintManager())
            pPaintManager->SubtractCaption(this, rcBelowCaption);
        if (!rcBelowCaption.PtInRect(pt))
            return -2;
    }
    CKTTabManagerItem* pItem = IsTabsVisible() ? m_tabRow.HitTest(pt) : nullptr;
    return pItem ? pItem->GetIndex() : -1;
}

BOOL CKTDockingPaneTabbedContainer::IsDragArea(CRect rc, int x, int y) const
{
    CKTDockingPanePaintManager* pPaintManager = GetPaintManager();
    if (!pPaintManager)
        return FALSE;
    const CPoint pt(x, y);
    if (IsTitleVisible())
    {
        CRect rcCaption = rc;
        const int nCaption = pPaintManager->GetCaptionHeight() + 3;
        if (IsCaptionVertical())
            rcCaption.right = rcCaption.left + nCaption;
        else
            rcCaption.bottom = rcCaption.top + nCaption;
        if (rcCaption.PtInRect(pt))
            return TRUE;
    }
    else if (m_pDockingSite && CKTWindowRect(m_pDockingSite).PtInRect(pt))
        return TRUE;
    if (!IsTabsVisible())
        return FALSE;
    CRect rcTabs = rc;
    rcTabs.top = rcTabs.bottom - pPaintManager->GetTabRowHeight();
    return rcTabs.PtInRect(pt);
}

CKTDockingPaneCaptionButton* CKTDockingPaneTabbedContainer::CaptionButtonAt(CPoint pt) const
{
    for (const auto& pButton : m_captionButtons)
        if (pButton->GetRect().PtInRect(pt) && pButton->IsVisible())
            return pButton.get();
    return nullptr;
}

BOOL CKTDockingPaneTabbedContainer::CanPressCaptionButtons() const { return IsTitleVisible(); }

void CKTDockingPaneTabbedContainer::FocusSelected()
{
    if (m_pSelectedPane && m_pSelectedPane->GetHandle())
        m_pSelectedPane->SetFocus();
    else
        CWnd::SetFocus();
    if (CKTDockingPaneManager* pManager = GetDockingPaneManager())
        pManager->UpdatePanesFocus();
}

void CKTDockingPaneTabbedContainer::OnLButtonDown(UINT, CPoint point)
{
    // Handlers below may move this group out of the tree; it stays alive until they return.
    CKTSmartPtr<CKTDockingPaneTabbedContainer> keepAlive(this);
    CKTDockingPaneCaptionButton* pButton = CanPressCaptionButtons() ? CaptionButtonAt(point) : nullptr;
    if (pButton && pButton->IsEnabled())
    {
        FocusSelected();
        if (pButton->GetID() == KT_IDS_DOCKING_MENU && m_pSelectedPane)
            PressMenuButton(pButton);
        else if (KTTrackCaptionButton(this, pButton, point, TRUE) && m_pSelectedPane)
            OnCaptionButtonClick(pButton);
        return;
    }
    if (IsTabsVisible() && m_tabRow.PerformClick(m_hWnd, point, TRUE))
        return;
    int nHit = HitTest(point);
    if (nHit == -2 && !IsHidden())
    {
        ClientToScreen(&point);
        OnCaptionLButtonDown(point);
        return;
    }
    if (nHit >= 0)
    {
        m_tabRow.PressTab(nHit, point);
        return;
    }
    FocusSelected();
}

void CKTDockingPaneTabbedContainer::PressMenuButton(CKTDockingPaneCaptionButton* pButton)
{
    pButton->SetPressed(TRUE);
    UpdateWindow();
    CRect rc = pButton->GetRect();
    ClientToScreen(&rc);
    KT_DOCKINGPANE_MENU menu = {m_pSelectedPane, rc.left, rc.bottom};
    if (CKTDockingPaneManager* pManager = GetDockingPaneManager())
        pManager->NotifyOwner(ktDockingPanePaneMenu, LPARAM(&menu));
    pButton->SetPressed(FALSE);
}

void CKTDockingPaneTabbedContainer::OnCaptionLButtonDown(CPoint ptScreen)
{
    FocusSelected();
    CKTDockingPaneManager* pManager = GetDockingPaneManager();
    if (!pManager || ::GetKeyState(VK_LBUTTON) >= 0 || pManager->NotifyAction(ktActionDragging, m_pSelectedPane))
        return;
    pManager->GetDockingContext()->Drag(this, ptScreen);
}

void CKTDockingPaneTabbedContainer::OnMouseMove(UINT, CPoint point)
{
    m_tabRow.PerformMouseMove(m_hWnd, point);
    if (!m_tabRow.TrackPressedTab(point))
        CheckCaptionButtons(point);
}

void CKTDockingPaneTabbedContainer::OnLButtonUp(UINT, CPoint) { m_tabRow.ReleasePressedTab(); }

void CKTDockingPaneTabbedContainer::OnCaptureChanged(CWnd*) { m_tabRow.ForgetPressedTab(); }

LRESULT CKTDockingPaneTabbedContainer::OnMouseLeave(WPARAM, LPARAM)
{
    CheckCaptionButtons(CPoint(-1, -1));
    return 0;
}

void CKTDockingPaneTabbedContainer::OnLButtonDblClk(UINT, CPoint point)
{
    CKTDockingPaneManager* pManager = GetDockingPaneManager();
    if (!pManager || (CanPressCaptionButtons() && CaptionButtonAt(point)) ||
        (IsTabsVisible() && m_tabRow.PerformClick(m_hWnd, point, TRUE)))
        return;
    CKTSmartPtr<CKTDockingPaneTabbedContainer> keepAlive(this);
    const int nHit = HitTest(point);
    if (nHit == -2 && !(IsHidden() && m_pSelectedPane && (m_pSelectedPane->GetOptions() & ktPaneNoHideable)))
        pManager->ToggleNodeDocking(this);
    else if (nHit >= 0)
        pManager->ToggleNodeDocking(GetPaneAt(nHit));
}

void CKTDockingPaneTabbedContainer::OnRButtonDown(UINT, CPoint point)
{
    CKTSmartPtr<CKTDockingPaneTabbedContainer> keepAlive(this);
    int nHit = HitTest(point);
    CKTDockingPaneManager* pManager = GetDockingPaneManager();
    if (nHit >= 0 && pManager)
    {
        SelectPane(GetPaneAt(nHit), TRUE, TRUE);
        pManager->RecalcFrameLayout(this, FALSE);
    }
    FocusSelected();
    if (pManager)
        pManager->NotifyOwner(ktDockingPaneRClick, LPARAM(static_cast<CKTDockingPaneNode*>(this)));
}

BOOL CKTDockingPaneTabbedContainer::OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message)
{
    CKTDockingPaneManager* pManager = GetDockingPaneManager();
    CPoint pt;
    ::GetCursorPos(&pt);
    ScreenToClient(&pt);
    if (pManager && pManager->m_bShowSizeCursorWhileDragging && HitTest(pt) == -2)
    {
        ::SetCursor(::LoadCursor(NULL, IDC_SIZEALL));
        return TRUE;
    }
    return CWnd::OnSetCursor(pWnd, nHitTest, message);
}

LRESULT CKTDockingPaneTabbedContainer::OnHelpHitTest(WPARAM, LPARAM lParam)
{
    CKTDockingPane* pPane = GetPaneAt(HitTest(CPoint(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam))));
    if (!pPane)
        pPane = m_pSelectedPane;
    if (!pPane)
        return 0;
    return 0x20000 + (pPane->GetHelpID() ? pPane->GetHelpID() : pPane->GetID());
}

void CKTDockingPaneTabbedContainer::OnCaptionButtonClick(CKTDockingPaneCaptionButton* pButton)
{
    switch (pButton->GetID())
    {
    case KT_IDS_DOCKING_AUTOHIDE:
        ClickPin();
        break;
    case KT_IDS_DOCKING_CLOSE:
        ClickClose();
        break;
    case KT_IDS_DOCKING_MAXIMIZE:
        SetMaximized(TRUE);
        break;
    case KT_IDS_DOCKING_RESTORE:
        SetMaximized(FALSE);
        break;
    default:
        break;
    }
}

void CKTDockingPaneTabbedContainer::ClickClose()
{
    CKTDockingPaneManager* pManager = GetDockingPaneManager();
    if (!pManager || !m_pSelectedPane)
        return;
    if (!pManager->m_bCloseGroupOnButtonClick)
    {
        pManager->ClosePaneByUser(m_pSelectedPane);
        return;
    }
    // An owner that hides a pane moves the whole group elsewhere: walk a held copy of the list.
    std::vector<CKTSmartPtr<CKTDockingPane>> panes;
    for (auto it = m_children.rbegin(); it != m_children.rend(); ++it)
        panes.emplace_back(static_cast<CKTDockingPane*>(*it));
    for (const auto& pPane : panes)
        if (!(pPane->GetOptions() & ktPaneNoCloseable))
            pManager->ClosePaneByUser(pPane);
}

void CKTDockingPaneTabbedContainer::ClickPin()
{
    CKTDockingPaneManager* pManager = GetDockingPaneManager();
    if (!pManager)
        return;
    if (IsHidden())
    {
        if (pManager->m_bHideGroupOnButtonClick)
            pManager->ToggleNodeDocking(this);
        else
            pManager->ToggleNodeDocking(m_pSelectedPane);
        return;
    }
    CKTSmartPtr<CKTDockingPane> pSelected(m_pSelectedPane);
    if (pManager->NotifyAction(ktActionUnpinning, pSelected))
        return;
    if (m_pDockingSite)
        m_pDockingSite->SetFocus();
    int nDirection = pManager->GetPaneDirection(this);
    BOOL bWidth = nDirection == ktDockLeft || nDirection == ktDockRight;
    int nLength = bWidth ? m_rcWindow.Width() : m_rcWindow.Height();
    (bWidth ? m_nDockedWidth : m_nDockedHeight) = nLength;
    for (CKTDockingPaneNode* pChild : m_children)
        if (!pChild->IsEmpty())
            (bWidth ? pChild->m_nDockedWidth : pChild->m_nDockedHeight) = nLength;
    pSelected->Hide();
    pManager->NotifyAction(ktActionUnpinned, pSelected);
}
