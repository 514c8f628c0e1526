// KTDockingPaneSplitterWnd.cpp: the bar's window, its drawing and the tracking that resizes its two neighbours.
#include "KTDockingPaneSplitterWnd.h"

#include <algorithm>
#include <cmath>

#include "KTCaptureLoop.h"
#include "KTDockingPaneLayoutData.h"
#include "KTDockingPaneManager.h"
#include "KTDockingPanePaintManager.h"
#include "KTDockingPaneSplitterContainer.h"
#include "KTFoundationRes.h"
#include "KTResourceManager.h"
#include "KTSplitterTracker.h"

namespace
{
const char kSplitterClass[] = "KTDockingPaneSplitter";
const DWORD kSplitterStyle = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;

int Along(const CPoint& pt, BOOL bHorizontalBar) { return bHorizontalBar ? pt.y : pt.x; }
}  // namespace

BEGIN_MESSAGE_MAP(CKTDockingPaneSplitterWnd, CWnd)
// void OnPaint()
ON_WM_PAINT()
// BOOL OnEraseBkgnd(CDC* pDC)
ON_WM_ERASEBKGND()
// void OnLButtonDown(UINT nFlags, CPoint point)
ON_WM_LBUTTONDOWN()
// BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message)
ON_WM_SETCURSOR()
END_MESSAGE_MAP()

CKTDockingPaneSplitterWnd::~CKTDockingPaneSplitterWnd()
{
    if (GetSafeHwnd())
        DestroyWindow();
}

BOOL CKTDockingPaneSplitterWnd::Create(CKTDockingPaneSplitterContainer* pOwner, CKTDockingPaneNode* pBefore,
                                       CKTDockingPaneNode* pAfter)
{
    m_pOwner = pOwner;
    m_pBefore = pBefore;
    m_pAfter = pAfter;
    m_pManager = pOwner->GetDockingPaneManager();
    m_bHorizontalBar = !pOwner->IsHorizontal();
    m_hCursor = KTResourceManager()->LoadCursor(m_bHorizontalBar ? KT_IDC_SPLITTER : KT_IDC_DIVIDER);
    return CreateBar(pOwner->GetDockingSite());
}

BOOL CKTDockingPaneSplitterWnd::CreateSide(CKTDockingPaneManager* pManager, CWnd* pSite, BOOL bHorizontalBar)
{
    m_pManager = pManager;
    m_bHorizontalBar = bHorizontalBar;
    return CreateBar(pSite);
}

BOOL CKTDockingPaneSplitterWnd::CreateBar(CWnd* pSite)
{
    if (!pSite || !pSite->GetSafeHwnd())
        return FALSE;
    return CreateEx(0, kSplitterClass, "Splitter", kSplitterStyle, CRect(0, 0, 0, 0), pSite, 0);
}

void CKTDockingPaneSplitterWnd::OnPaint()
{
    CPaintDC dc(this);
    if (CKTDockingPanePaintManager* pPaintManager = m_pManager ? m_pManager->GetPaintManager() : nullptr)
        pPaintManager->DrawSplitter(&dc, this);
}

CRect CKTDockingPaneSplitterWnd::NeighboursUnion() const
{
    CRect rcBefore, rcAfter, rcUnion;
    m_pBefore->GetWindowRect(&rcBefore);
    m_pAfter->GetWindowRect(&rcAfter);
    rcUnion.UnionRect(rcBefore, rcAfter);
    return rcUnion;
}

BOOL CKTDockingPaneSplitterWnd::GetTrackLimits(int& nNear, int& nFar) const
{
    if (!m_pOwner || !m_pManager)
        return FALSE;
    CRect rcUnion = NeighboursUnion();
    MINMAXINFO mmiBefore, mmiAfter;
    m_pBefore->GetMinMaxInfo(&mmiBefore);
    m_pAfter->GetMinMaxInfo(&mmiAfter);
    int s = m_pManager->GetPaintManager()->GetSplitterSize();
    int m = m_pManager->m_nSplitterGap;
    int nUnionNear = m_bHorizontalBar ? rcUnion.top : rcUnion.left;
    int nUnionFar = m_bHorizontalBar ? rcUnion.bottom : rcUnion.right;
    int nMin1 = Along(mmiBefore.ptMinTrackSize, m_bHorizontalBar),
        nMax1 = Along(mmiBefore.ptMaxTrackSize, m_bHorizontalBar);
    int nMin2 = Along(mmiAfter.ptMinTrackSize, m_bHorizontalBar),
        nMax2 = Along(mmiAfter.ptMaxTrackSize, m_bHorizontalBar);
    nNear = nUnionNear + std::max(nMin1, m);
    nFar = nUnionFar - std::max(nMin2 + s, m);
    if (nUnionFar - nUnionNear > nMax1)
        nFar = std::min(nFar, nUnionNear + nMax1);
    if (nUnionFar - nUnionNear > nMax2)
        nNear = std::max(nNear, nUnionFar - nMax2 - s);
    return nNear < nFar;
}

void CKTDockingPaneSplitterWnd::ApplyPosition(int nBarNear)
{
    CRect rcUnion = NeighboursUnion();
    int s = m_pManager->GetPaintManager()->GetSplitterSize();
    int CKTDockingPaneNode::*docked =
        m_bHorizontalBar ? &CKTDockingPaneNode::m_nDockedHeight : &CKTDockingPaneNode::m_nDockedWidth;
    int nUnionNear = m_bHorizontalBar ? rcUnion.top : rcUnion.left;
    int nUnionFar = m_bHorizontalBar ? rcUnion.bottom : rcUnion.right;
    if (nUnionFar <= nUnionNear)
        return;
    int nTotal = m_pBefore->*docked + s + m_pAfter->*docked;
    double dRatio = double(nBarNear - nUnionNear) / double(nUnionFar - nUnionNear);
    int nFirst = int(std::trunc(nTotal * dRatio));
    if (m_pManager->IsLayoutRTL())
        nFirst = nTotal - nFirst - s;
    m_pBefore->*docked = nFirst;
    m_pAfter->*docked = nTotal - nFirst - s;
}

void CKTDockingPaneSplitterWnd::OnLButtonDown(UINT, CPoint point)
{
    int nNear = 0, nFar = 0;
    if (!m_pOwner || m_pManager->m_bLockSplitters || !GetTrackLimits(nNear, nFar))
        return;
    m_pOwner->StoreSizes();
    ClientToScreen(&point);
    if (m_pManager->m_bSplitterTracker)
        TrackWithOutline(point, nNear, nFar);
    else
        TrackLive(point, nNear, nFar);
}

void CKTDockingPaneSplitterWnd::TrackWithOutline(CPoint ptScreen, int nNear, int nFar)
{
    CRect rcBar;
    GetWindowRect(&rcBar);
    CRect rcAvail = rcBar;
    (m_bHorizontalBar ? rcAvail.top : rcAvail.left) = nNear;
    (m_bHorizontalBar ? rcAvail.bottom : rcAvail.right) = nFar;
    CKTSplitterTracker tracker(FALSE);
    if (!tracker.Track(this, rcAvail, rcBar, ptScreen, m_bHorizontalBar))
        return;
    ApplyPosition(m_bHorizontalBar ? rcBar.top : rcBar.left);
    m_pManager->RecalcFrameLayout(m_pOwner, TRUE);
}

// Moves the bar and lays the frame out at once; FALSE when the bar stays where it is.
BOOL CKTDockingPaneSplitterWnd::MoveBarTo(int nBarNear)
{
    CRect rcBar;
    GetWindowRect(&rcBar);
    if ((m_bHorizontalBar ? rcBar.top : rcBar.left) == nBarNear)
        return FALSE;
    ApplyPosition(nBarNear);
    m_pManager->RecalcFrameLayout(m_pOwner, FALSE);
    return TRUE;
}

// Every end of the drag, Esc among them, leaves the bar where it is: the frame is laid out at each move.
void CKTDockingPaneSplitterWnd::TrackLive(CPoint ptScreen, int nNear, int nFar)
{
    CRect rcBar;
    GetWindowRect(&rcBar);
    int nOffset = Along(ptScreen, m_bHorizontalBar) - (m_bHorizontalBar ? rcBar.top : rcBar.left);
    CKTCaptureLoop loop(GetSafeHwnd(), ktLoopPaintFirst);
    MSG msg;
    while (loop.Next(msg))
    {
        if (msg.message != WM_MOUSEMOVE)
        {
            CKTCaptureLoop::Dispatch(msg);
            continue;
        }
        CPoint pt;
        ::GetCursorPos(&pt);
        MoveBarTo(std::max(nNear, std::min(Along(pt, m_bHorizontalBar) - nOffset, nFar)));
    }
}

BOOL CKTDockingPaneSplitterWnd::OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message)
{
    int nNear = 0, nFar = 0;
    if (!m_pOwner || m_pManager->m_bLockSplitters || !m_hCursor || !GetTrackLimits(nNear, nFar))
        return CWnd::OnSetCursor(pWnd, nHitTest, message);
    ::SetCursor(m_hCursor);
    return TRUE;
}
