// KTDockingPaneContextTarget.cpp: where a dragged node would land: the group or side under the cursor, or the
// sticker part under it.
#include "KTDockingPane.h"
#include "KTDockingPaneClientNode.h"
#include "KTDockingPaneContext.h"
#include "KTDockingPaneContextGeometry.h"
#include "KTDockingPaneContextStickerWnd.h"
#include "KTDockingPaneManager.h"
#include "KTDockingPaneMiniWnd.h"
#include "KTDockingPaneSplitterContainer.h"
#include "KTDockingPaneStickerPicture.h"
#include "KTDockingPaneTabbedContainer.h"

namespace
{
using Picture = CKTDockingPaneStickerPicture;
namespace Geometry = KTDockingPaneContextGeometry;

const struct
{
    int nPart;
    int nDirection;
} kSideParts[] = {{Picture::kLeft, ktDockLeft},
                  {Picture::kRight, ktDockRight},
                  {Picture::kTop, ktDockTop},
                  {Picture::kBottom, ktDockBottom}};

CRect ScreenRect(CKTDockingPaneNode* pNode)
{
    CRect rc(0, 0, 0, 0);
    if (pNode)
        pNode->GetWindowRect(&rc);
    return rc;
}

// TRUE when hWnd lies above hWndOther in the Z order.
BOOL IsAbove(HWND hWnd, HWND hWndOther)
{
    for (HWND h = ::GetWindow(hWnd, GW_HWNDNEXT); h; h = ::GetWindow(h, GW_HWNDNEXT))
        if (h == hWndOther)
            return TRUE;
    return FALSE;
}

HWND FloatingFrameOf(CKTDockingPaneTabbedContainer* pGroup)
{
    CWnd* pSite = pGroup->GetDockingSite();
    return pSite && pSite->IsKindOf(RUNTIME_CLASS(CKTDockingPaneMiniWnd)) ? pSite->GetSafeHwnd() : NULL;
}
}  // namespace

void CKTDockingPaneContext::ClearTarget()
{
    m_pTarget = nullptr;
    m_rcTarget.SetRectEmpty();
    m_nTargetDirection = 0;
    m_bTabInto = FALSE;
    m_pCandidate = nullptr;
    m_rcCandidate.SetRectEmpty();
}

void CKTDockingPaneContext::SetTarget(CKTDockingPaneNode* pTarget, int nDirection, const CRect& rc, BOOL bTabInto)
{
    m_pTarget = pTarget;
    m_nTargetDirection = nDirection;
    m_rcTarget = rc;
    m_bTabInto = bTabInto;
}

// A docked or floating group in view under the point that is neither the dragged node nor part of it.
BOOL CKTDockingPaneContext::IsCandidate(CKTDockingPaneTabbedContainer* pGroup, CPoint pt) const
{
    CKTDockingPaneContainer* pParent = pGroup->GetParentContainer();
    if (!pParent || pParent->GetType() != ktPaneTypeSplitterContainer || !pGroup->GetSafeHwnd() ||
        !pGroup->IsWindowVisible() || !pGroup->GetSelected())
        return FALSE;
    if (pGroup->ContainsPane(m_pNode) || m_pNode->ContainsPane(pGroup))
        return FALSE;
    CRect rc;
    pGroup->CWnd::GetWindowRect(&rc);
    return rc.PtInRect(pt);
}

CKTDockingPaneTabbedContainer* CKTDockingPaneContext::PreferredContainer(CPoint pt) const
{
    CKTDockingPaneTabbedContainer* pBest = nullptr;
    HWND hWndBestFrame = NULL;
    for (const DockingPaneInfo& info : m_pManager->GetLayout()->GetPaneList())
    {
        auto* pGroup = info.pPane->GetTabbedContainer();
        if (!pGroup || pGroup->GetSelected() != info.pPane || !IsCandidate(pGroup, pt))
            continue;
        HWND hWndFrame = FloatingFrameOf(pGroup);
        // A floating group beats a docked one, and the frame nearer the top beats the others.
        if (pBest && hWndBestFrame && (!hWndFrame || (hWndFrame != hWndBestFrame && IsAbove(hWndBestFrame, hWndFrame))))
            continue;
        pBest = pGroup;
        hWndBestFrame = hWndFrame;
    }
    return pBest;
}

void CKTDockingPaneContext::FindTarget(CPoint pt)
{
    if (CKTDockingPaneTabbedContainer* pGroup = PreferredContainer(pt))
    {
        CPoint ptClient = pt;
        pGroup->ScreenToClient(&ptClient);
        CRect rcGroup;
        pGroup->CWnd::GetWindowRect(&rcGroup);
        if (!(pGroup->GetSelected()->GetOptions() & ktPaneNoDockable) && pGroup->HitTest(ptClient) != -1 &&
            AskPanes(ktActionAttaching, pGroup, 0))
        {
            SetTarget(pGroup, 0, rcGroup, TRUE);
            return;
        }
        if (m_bStickerMode)
        {
            m_pCandidate = pGroup;
            m_rcCandidate = rcGroup;
            return;
        }
        if (SideTest(rcGroup, pt, TRUE, pGroup))
            return;
    }
    CKTDockingPaneClientNode* pClient = m_pManager->GetClientPane();
    CKTDockingPaneSplitterContainer* pTop = m_pManager->GetTopPane();
    const CRect rcClient = ScreenRect(pClient);
    const CRect rcArea = ScreenRect(pTop);
    if (!m_bStickerMode)
    {
        if (!SideTest(rcClient, pt, TRUE, pClient))
            SideTest(rcArea, pt, FALSE, pTop);
        return;
    }
    if (rcClient.PtInRect(pt))
    {
        m_pCandidate = pClient;
        m_rcCandidate = rcClient;
    }
    else if (rcArea.PtInRect(pt))
        m_rcCandidate = rcArea;
}

BOOL CKTDockingPaneContext::SideTest(const CRect& rc, CPoint pt, BOOL bInside, CKTDockingPaneNode* pTarget)
{
    const int nSide = Geometry::FindSide(rc, pt, bInside, m_bFloatingAllowed);
    if (!pTarget || nSide == Geometry::kNone || !AskPanes(ktActionDocking, pTarget, nSide))
        return FALSE;
    SetTarget(pTarget, nSide, m_pManager->CalcDockingRect(m_pNode, nSide, pTarget), FALSE);
    return TRUE;
}

void CKTDockingPaneContext::UpdateStickers()
{
    if (m_rcCandidate.IsRectEmpty())
    {
        DestroyStickers();
        return;
    }
    // A layout that moved under the drag (a group floated live) moves the stickers with it.
    if (m_bStickersBuilt && m_pCandidate == m_pStickersFor && m_rcCandidate == m_rcStickersFor)
        return;
    DestroyStickers();
    BuildStickers();
}

void CKTDockingPaneContext::BuildStickers()
{
    if (!m_pPicture || m_pPicture->GetStyle() != m_pManager->m_nStickerStyle)
        m_pPicture = std::make_unique<CKTDockingPaneStickerPicture>(m_pManager->m_nStickerStyle);
    m_bStickersBuilt = TRUE;
    m_pStickersFor = m_pCandidate;
    m_rcStickersFor = m_rcCandidate;
    if (m_pCandidate)
    {
        int nParts = Picture::kFiveWay;
        for (const auto& side : kSideParts)
            if (AskPanes(ktActionDocking, m_pCandidate, side.nDirection))
                nParts |= side.nPart;
        if (m_pCandidate != m_pManager->GetClientPane() && AskPanes(ktActionAttaching, m_pCandidate, 0))
            nParts |= Picture::kCentre;
        const CRect rc = Geometry::PlaceFiveWaySticker(m_rcCandidate, m_pPicture->GetSize(nParts));
        AddSticker(nParts, rc.TopLeft());
    }
    CKTDockingPaneSplitterContainer* pTop = m_pManager->GetTopPane();
    const CRect rcArea = ScreenRect(pTop);
    for (const auto& side : kSideParts)
    {
        if (!AskPanes(ktActionDocking, pTop, side.nDirection))
            continue;
        const CRect rc = Geometry::PlaceSideSticker(rcArea, side.nDirection, m_pPicture->GetSize(side.nPart));
        AddSticker(side.nPart, rc.TopLeft());
    }
}

void CKTDockingPaneContext::AddSticker(int nParts, CPoint ptScreen)
{
    auto& pRegion = m_regions[nParts];
    if (!pRegion)
    {
        pRegion = std::make_unique<CRgn>();
        pRegion->Attach(m_pPicture->CreateRegion(nParts));
    }
    HRGN hRegion = NULL;
    if (pRegion->GetSafeHandle())
    {
        // The window takes the region it is given: each gets a copy of the cached one.
        hRegion = ::CreateRectRgn(0, 0, 0, 0);
        ::CombineRgn(hRegion, HRGN(pRegion->GetSafeHandle()), NULL, RGN_COPY);
    }
    auto pSticker = std::make_unique<CKTDockingPaneContextStickerWnd>(m_pPicture.get(), nParts);
    if (pSticker->Create(m_pManager->GetSite(), ptScreen, hRegion))
        m_stickers.push_back(std::move(pSticker));
}

void CKTDockingPaneContext::DestroyStickers()
{
    m_stickers.clear();
    m_bStickersBuilt = FALSE;
    m_pStickersFor = nullptr;
}

void CKTDockingPaneContext::HitStickers(CPoint pt)
{
    BOOL bHit = FALSE;
    for (const auto& pSticker : m_stickers)
    {
        const int nPart = bHit ? 0 : pSticker->HitTest(pt);
        pSticker->SetHotPart(nPart);
        if (!nPart)
            continue;
        bHit = TRUE;
        const BOOL bFiveWay = (pSticker->GetParts() & Picture::kFiveWay) != 0;
        CKTDockingPaneNode* pTarget = bFiveWay ? m_pCandidate : m_pManager->GetTopPane();
        const CRect rcTarget = bFiveWay ? m_rcCandidate : ScreenRect(pTarget);
        if (nPart == Picture::kCentre)
        {
            SetTarget(pTarget, 0, rcTarget, TRUE);
            continue;
        }
        for (const auto& side : kSideParts)
            if (side.nPart == nPart)
                SetTarget(pTarget, side.nDirection, m_pManager->CalcDockingRect(m_pNode, side.nDirection, pTarget),
                          FALSE);
    }
}
