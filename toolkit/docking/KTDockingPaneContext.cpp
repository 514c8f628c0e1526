// KTDockingPaneContext.cpp: the drag loop, moving the floating rectangle, the feedback shown and the drop.
#include "KTDockingPaneContext.h"

#include <cstdlib>

#include "KTCaptureLoop.h"
#include "KTDockingPane.h"
#include "KTDockingPaneContextAlphaWnd.h"
#include "KTDockingPaneContextGeometry.h"
#include "KTDockingPaneContextOutline.h"
#include "KTDockingPaneContextStickerWnd.h"
#include "KTDockingPaneManager.h"
#include "KTDockingPaneMiniWnd.h"
#include "KTDockingPaneSplitterContainer.h"
#include "KTDockingPaneStickerPicture.h"
#include "KTKeyState.h"

namespace
{
const int kDragThreshold = 4;
const int kKeyStep = 10;
const int kKeyboardGrip = 15;

MONITORINFO MonitorInfoAt(CPoint pt)
{
    MONITORINFO info = {};
    info.cbSize = sizeof(info);
    if (::GetMonitorInfo(::MonitorFromPoint(pt, MONITOR_DEFAULTTONEAREST), &info))
        return info;
    info.rcMonitor = CRect(0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN));
    ::SystemParametersInfo(SPI_GETWORKAREA, 0, &info.rcWork, 0);
    return info;
}

CRect WorkAreaAt(CPoint pt) { return MonitorInfoAt(pt).rcWork; }

}  // namespace

CKTDockingPaneContext::CKTDockingPaneContext(CKTDockingPaneManager* pManager) : m_pManager(pManager) {}

CKTDockingPaneContext::~CKTDockingPaneContext() = default;

void CKTDockingPaneContext::Drag(CKTDockingPaneNode* pNode, CPoint pt)
{
    if (!pNode || m_pNode || !m_pManager->GetLayout())
        return;
    m_pNode = pNode;
    m_bKeyboard = pt == CPoint(-1, -1);
    const CRect rcNode = NodeScreenRect(pNode);
    if (m_bKeyboard)
    {
        pt = CPoint(rcNode.CenterPoint().x, rcNode.top + kKeyboardGrip);
        ::SetCursorPos(pt.x, pt.y);
    }
    m_ptLast = m_ptStart = pt;
    m_rcFloating = rcNode;
    m_rcFloating.OffsetRect(std::min(0L, pt.x - rcNode.left) + std::max(0L, pt.x - rcNode.right + 1),
                            std::min(0L, pt.y - rcNode.top) + std::max(0L, pt.y - rcNode.bottom + 1));
    m_rcMoving = m_rcFloating;
    m_bStarted = FALSE;
    m_bAlphaMode = m_pManager->m_bAlphaDragging;
    m_bStickerMode = m_bAlphaMode && m_pManager->m_bShowStickers;
    CheckPermissions();
    if (m_pManager->m_bShowSizeCursorWhileDragging)
        ::SetCursor(::LoadCursor(NULL, IDC_SIZEALL));
    BeginDraw();
    const BOOL bDrop = Track();
    EndDraw();
    if (bDrop && m_bStarted)
        Drop();
    m_pNode.Release();
    ClearTarget();
}

void CKTDockingPaneContext::CheckPermissions()
{
    m_bFloatingAllowed = TRUE;
    m_bDockingAllowed = TRUE;
    for (const auto& pPane : DraggedPanes())
    {
        if (m_pManager->NotifyAction(ktActionFloating, pPane) || (pPane->GetOptions() & ktPaneNoFloatable))
            m_bFloatingAllowed = FALSE;
        if (pPane->GetOptions() & ktPaneNoDockable)
            m_bDockingAllowed = FALSE;
    }
}

std::vector<CKTSmartPtr<CKTDockingPane>> CKTDockingPaneContext::DraggedPanes() const
{
    return CKTDockingPaneManager::GetHeldPanes(m_pNode);
}

BOOL CKTDockingPaneContext::AskPanes(int nAction, CKTDockingPaneNode* pTarget, int nDirection)
{
    for (const auto& pPane : DraggedPanes())
        if (m_pManager->NotifyAction(nAction, pPane, pTarget, nDirection))
            return FALSE;
    return TRUE;
}

void CKTDockingPaneContext::ReportActions(const std::vector<CKTSmartPtr<CKTDockingPane>>& panes, int nAction)
{
    for (const auto& pPane : panes)
        m_pManager->NotifyAction(nAction, pPane, m_pTarget, m_nTargetDirection);
}

CKTDockingPaneMiniWnd* CKTDockingPaneContext::DraggedFrame() const
{
    CKTDockingPaneContainer* pParent = m_pNode ? m_pNode->GetParentContainer() : nullptr;
    return pParent && pParent->GetType() == ktPaneTypeMiniWnd ? static_cast<CKTDockingPaneMiniWnd*>(pParent) : nullptr;
}

CRect CKTDockingPaneContext::NodeScreenRect(CKTDockingPaneNode* pNode) const
{
    CRect rc;
    CKTDockingPaneContainer* pParent = pNode->GetParentContainer();
    if (pParent && pParent->GetType() == ktPaneTypeMiniWnd && pParent->GetPaneHwnd())
        ::GetWindowRect(pParent->GetPaneHwnd(), &rc);
    else if (pNode->GetPaneHwnd())
        ::GetWindowRect(pNode->GetPaneHwnd(), &rc);
    else
        pNode->GetWindowRect(&rc);
    return rc;
}

BOOL CKTDockingPaneContext::Track()
{
    CWnd* pSite = m_pManager->GetSite();
    if (::GetCapture() || !pSite || !pSite->GetSafeHwnd() || !m_pManager->GetSafeHwnd())
        return FALSE;
    // The manager's own window holds the mouse: a frame activated during the drag (one floated under the cursor)
    // makes the system cancel the site's modes, which would release a capture the site held.
    CKTCaptureLoop loop(m_pManager->GetSafeHwnd(), ktLoopPaintFirst);
    BOOL bDrop = FALSE;
    MSG msg;
    while (loop.Next(msg))
        if (!OnTrackMessage(msg, &bDrop))
            break;
    return bDrop || loop.IsReleased();
}

// FALSE when the loop ends.
BOOL CKTDockingPaneContext::OnTrackMessage(const MSG& msg, BOOL* pbDrop)
{
    switch (msg.message)
    {
    case WM_MOUSEMOVE:
    {
        CPoint pt(short(LOWORD(msg.lParam)), short(HIWORD(msg.lParam)));
        ::ClientToScreen(msg.hwnd, &pt);
        if (m_bStarted || std::abs(pt.x - m_ptStart.x) > kDragThreshold ||
            std::abs(pt.y - m_ptStart.y) > kDragThreshold)
            Move(pt);
        return TRUE;
    }
    case WM_KEYDOWN:
    case WM_KEYUP:
        return OnTrackKey(UINT(msg.wParam), msg.message == WM_KEYDOWN, pbDrop);
    default:
        CKTCaptureLoop::Dispatch(msg);
        return TRUE;
    }
}

// Ctrl switches docking off and on while held; a keyboard drag moves with the arrows and drops on Enter.
BOOL CKTDockingPaneContext::OnTrackKey(UINT nKey, BOOL bDown, BOOL* pbDrop)
{
    if (nKey == VK_CONTROL && m_bStarted)
        Move(m_ptLast);
    if (!m_bKeyboard || !bDown)
        return TRUE;
    if (nKey == VK_RETURN)
    {
        *pbDrop = TRUE;
        return FALSE;
    }
    MoveByKey(nKey);
    return TRUE;
}

void CKTDockingPaneContext::MoveByKey(UINT nKey)
{
    CPoint pt = m_ptLast;
    switch (nKey)
    {
    case VK_LEFT:
        pt.x -= kKeyStep;
        break;
    case VK_RIGHT:
        pt.x += kKeyStep;
        break;
    case VK_UP:
        pt.y -= kKeyStep;
        break;
    case VK_DOWN:
        pt.y += kKeyStep;
        break;
    default:
        return;
    }
    const CRect rcMonitor = MonitorInfoAt(m_ptLast).rcMonitor;
    pt.x = std::max(rcMonitor.left, std::min(pt.x, rcMonitor.right - 1));
    pt.y = std::max(rcMonitor.top, std::min(pt.y, rcMonitor.bottom - 1));
    ::SetCursorPos(pt.x, pt.y);
    Move(pt);
}

void CKTDockingPaneContext::Move(CPoint pt)
{
    m_bStarted = TRUE;
    const CRect rcWork = WorkAreaAt(pt);
    m_rcMoving.OffsetRect(pt - m_ptLast);
    CRect rcMeet;
    if (rcMeet.IntersectRect(m_rcMoving, rcWork))
        m_rcFloating = m_rcMoving;
    m_rcFloating = KTDockingPaneContextGeometry::KeepOnScreen(m_rcFloating, rcWork);
    if (m_pManager->m_bSnapFloatingFrames)
        m_rcFloating = SnapFrame(m_rcFloating);
    ClearTarget();
    if (!KTIsKeyDown(VK_CONTROL) && m_bDockingAllowed)
        FindTarget(pt);
    m_ptLast = pt;
    if (m_bStickerMode)
    {
        UpdateStickers();
        HitStickers(pt);
    }
    DrawFeedback();
}

CRect CKTDockingPaneContext::FloatingDropRect() const
{
    CRect rc = m_rcFloating;
    const CRect rcWork = WorkAreaAt(m_ptLast);
    if (rc.top < rcWork.top)
        rc.OffsetRect(0, rcWork.top - rc.top);
    return rc;
}

void CKTDockingPaneContext::Drop()
{
    const std::vector<CKTSmartPtr<CKTDockingPane>> panes = DraggedPanes();
    CKTSmartPtr<CKTDockingPaneNode> pTarget(m_pTarget);
    if (m_pTarget && m_bTabInto)
    {
        m_pManager->AttachPane(m_pNode, m_pTarget);
        ReportActions(panes, ktActionAttached);
    }
    else if (m_pTarget)
    {
        m_pManager->DockNode(m_pNode, m_nTargetDirection, m_pTarget);
        m_pManager->ShowNode(m_pTarget);
        ReportActions(panes, ktActionDocked);
    }
    else if (m_bFloatingAllowed)
    {
        const CRect rc = FloatingDropRect();
        if (CKTDockingPaneMiniWnd* pFrame = DraggedFrame())
            pFrame->MoveWindow(rc);
        else
            m_pManager->FloatPane(m_pNode, rc);
        ReportActions(panes, ktActionFloated);
    }
    m_pManager->GetLayout()->Normalize();
}

void CKTDockingPaneContext::BeginDraw()
{
    ClearTarget();
    if (m_bAlphaMode)
        return;
    CKTCaptureLoop::DispatchPendingPaint();
    m_pOutline = std::make_unique<CKTDockingPaneContextOutline>();
}

void CKTDockingPaneContext::EndDraw()
{
    HideFeedback();
    DestroyStickers();
    m_regions.clear();
}

void CKTDockingPaneContext::HideFeedback()
{
    m_pOutline.reset();
    m_pBodyWnd.reset();
    m_pTabWnd.reset();
}

void CKTDockingPaneContext::DrawFeedback()
{
    if (m_pManager->m_bLiveFloating && !m_pTarget && m_bFloatingAllowed && !m_bTabInto && !m_rcFloating.IsRectEmpty())
    {
        HideFeedback();
        FloatLive();
        return;
    }
    CRect rc = m_pTarget ? m_rcTarget : (m_bFloatingAllowed ? m_rcFloating : CRect(0, 0, 0, 0));
    if (m_bAlphaMode)
    {
        ShowTranslucent(rc);
        return;
    }
    if (!m_pOutline)
        m_pOutline = std::make_unique<CKTDockingPaneContextOutline>();
    m_pOutline->Show(rc, m_bTabInto);
}

void CKTDockingPaneContext::ShowTranslucent(const CRect& rc)
{
    if (rc.IsRectEmpty())
    {
        m_pBodyWnd.reset();
        m_pTabWnd.reset();
        return;
    }
    CRect rcBody = rc, rcTab;
    if (m_bTabInto)
        KTDockingPaneContextGeometry::SplitTabOutline(rc, &rcBody, &rcTab);
    auto place = [this](std::unique_ptr<CKTDockingPaneContextAlphaWnd>& pWnd, const CRect& rcWnd)
    {
        if (pWnd && pWnd->GetSafeHwnd())
        {
            pWnd->Place(rcWnd);
            return;
        }
        pWnd = std::make_unique<CKTDockingPaneContextAlphaWnd>();
        if (!pWnd->Create(m_pManager->GetSite(), rcWnd))
            pWnd.reset();
    };
    place(m_pBodyWnd, rcBody);
    if (m_bTabInto)
        place(m_pTabWnd, rcTab);
    else
        m_pTabWnd.reset();
}

void CKTDockingPaneContext::FloatLive()
{
    if (CKTDockingPaneMiniWnd* pFrame = DraggedFrame())
    {
        CRect rcNow;
        pFrame->CWnd::GetWindowRect(&rcNow);
        if (rcNow != m_rcFloating)
            pFrame->SetWindowPos(nullptr, m_rcFloating.left, m_rcFloating.top, m_rcFloating.Width(),
                                 m_rcFloating.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
        return;
    }
    CRect rc = m_rcFloating;
    if (rc.top < 0)
        rc.OffsetRect(0, -rc.top);
    const std::vector<CKTSmartPtr<CKTDockingPane>> panes = DraggedPanes();
    CKTDockingPaneMiniWnd* pFrame = m_pManager->FloatPane(m_pNode, rc);
    if (!pFrame || !pFrame->GetTopContainer())
        return;
    m_pManager->RecalcFrameLayout(pFrame->GetTopContainer(), FALSE);
    ReportActions(panes, ktActionFloated);
    m_pNode = pFrame->GetTopContainer();
    // The new frame came up above the stickers, which must stay within reach.
    for (const auto& pSticker : m_stickers)
        pSticker->SetWindowPos(&CWnd::wndTop, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

// The site frame (unless minimized or maximized) and the other floating frames in view.
std::vector<CRect> CKTDockingPaneContext::SnapTargets(const CKTDockingPaneMiniWnd* pExcept) const
{
    std::vector<CRect> targets;
    CWnd* pSite = m_pManager->GetSite();
    if (pSite && pSite->GetSafeHwnd() && !pSite->IsIconic() && !pSite->IsZoomed())
    {
        CRect rcSite;
        pSite->GetWindowRect(&rcSite);
        targets.push_back(rcSite);
    }
    for (CKTDockingPaneNode* pNode : m_pManager->GetLayout()->GetNodeList())
    {
        HWND hWnd = pNode->GetType() == ktPaneTypeMiniWnd ? pNode->GetPaneHwnd() : NULL;
        if (!hWnd || pNode == pExcept || !::IsWindowVisible(hWnd))
            continue;
        CRect rcFrame;
        ::GetWindowRect(hWnd, &rcFrame);
        targets.push_back(rcFrame);
    }
    return targets;
}

CRect CKTDockingPaneContext::SnapFrame(CRect rc)
{
    const int nDistance = m_pManager->m_nSnapDistance;
    rc = KTDockingPaneContextGeometry::SnapToWorkArea(rc, WorkAreaAt(rc.CenterPoint()), nDistance);
    for (const CRect& rcTarget : SnapTargets(DraggedFrame()))
        rc = KTDockingPaneContextGeometry::SnapToFrame(rc, rcTarget, nDistance);
    return rc;
}

void CKTDockingPaneContext::OnSizing(CKTDockingPaneMiniWnd* pFrame, UINT nSide, LPRECT lpRect)
{
    if (!m_pManager->m_bSnapFloatingFrames || !m_pManager->GetLayout())
        return;
    *lpRect =
        KTDockingPaneContextGeometry::SnapSizingEdges(*lpRect, nSide, SnapTargets(pFrame), m_pManager->m_nSnapDistance);
}
