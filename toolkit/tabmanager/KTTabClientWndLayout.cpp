// KTTabClientWndLayout.cpp: sharing the MDI client among the tab groups, splitters, and painting the client.
#include "KTTabClientWnd.h"

#include <windowsx.h>

#include <algorithm>

#include "KTCaptureLoop.h"
#include "KTDrawObjects.h"
#include "KTSplitterTracker.h"

void CKTTabClientWnd::Reposition()
{
    m_bRepositionPending = FALSE;
    if (!m_pFrame)
        return;
    if (m_pSingleWorkspace)
        m_pSingleWorkspace->Reposition();
    else if (!m_bWorkspaceIsControl)
        m_pFrame->RecalcLayout();
    LayoutGroups();
}

// The appearance set adjusts the client rectangle for the groups as it adjusts the window's client area.
CRect CKTTabClientWnd::GroupsRect() const
{
    CRect rc;
    GetClientRect(rc);
    m_pPainter->GetAppearanceSet()->DrawWorkspacePart(NULL, rc, 1);
    return rc;
}

namespace
{
// Hiding the window itself would cost its tab at the next update, so a hidden tab's child is kept, in place and
// at its size, behind an empty window region: it shows nothing and takes no clicks. Another caller's region,
// which is never empty, is left alone.
void ShowChildArea(HWND hChild, BOOL bShow)
{
    RECT rcBox;
    const BOOL bCleared = ::GetWindowRgnBox(hChild, &rcBox) == NULLREGION;
    if (bShow)
    {
        if (bCleared)
            ::SetWindowRgn(hChild, NULL, TRUE);
        return;
    }
    if (bCleared)
        return;
    CRgn rgnEmpty;
    if (rgnEmpty.CreateRectRgn(0, 0, 0, 0) && ::SetWindowRgn(hChild, rgnEmpty, TRUE))
        rgnEmpty.Detach();  // the window owns it now
}
}  // namespace

std::vector<CKTTabClientGroup*> CKTTabClientWnd::ShownGroups() const
{
    std::vector<CKTTabClientGroup*> shown, all;
    for (const auto& pGroup : m_arrGroups)
    {
        all.push_back(pGroup.get());
        if (pGroup->HasShownTab())
            shown.push_back(pGroup.get());
    }
    return shown.empty() ? all : shown;
}

CKTTabClientGroup* CKTTabClientWnd::ShownNeighbour(const CKTTabClientGroup* pGroup, int nStep) const
{
    const std::vector<CKTTabClientGroup*> shown = ShownGroups();
    const auto it = std::find(shown.begin(), shown.end(), pGroup);
    if (it == shown.end())
        return NULL;
    const auto nIndex = (it - shown.begin()) + nStep;
    return nIndex >= 0 && nIndex < static_cast<int>(shown.size()) ? shown[nIndex] : NULL;
}

void CKTTabClientWnd::HideGroup(CKTTabClientGroup* pGroup)
{
    pGroup->SetLayout(KT_TAB_LAYOUT());
    pGroup->m_rcSplitter.SetRectEmpty();
    for (int i = 0; i < pGroup->GetItemCount(); i++)
        ShowChildArea(pGroup->GetItem(i)->GetHandle(), FALSE);
}

// Each group on show ends at its share of the length left between the splitters.
void CKTTabClientWnd::LayoutGroups()
{
    if (!GetSafeHwnd() || !m_bEnableGroups || m_arrGroups.empty())
        return;
    const std::vector<CKTTabClientGroup*> shown = ShownGroups();
    for (auto& pGroup : m_arrGroups)
    {
        if (std::find(shown.begin(), shown.end(), pGroup.get()) == shown.end())
            HideGroup(pGroup.get());
    }
    CRect rcClient = GroupsRect();
    int nCount = static_cast<int>(shown.size());
    int nLength = m_bHorizSplitting ? rcClient.Height() : rcClient.Width();
    int nAvailable = nLength - (nCount - 1) * m_nSplitterSize;
    double dTotal = 0;
    for (CKTTabClientGroup* pGroup : shown)
        dTotal += pGroup->m_dSize;
    if (static_cast<int>(dTotal) == 0)
        dTotal = 1;
    CKTScreenDC dc;
    double dSum = 0;
    const int nOrigin = m_bHorizSplitting ? rcClient.top : rcClient.left;
    int nStart = nOrigin;
    for (int i = 0; i < nCount; i++)
    {
        CKTTabClientGroup* pGroup = shown[i];
        dSum += pGroup->m_dSize;
        int nEnd =
            nOrigin + (i == nCount - 1 ? nLength : static_cast<int>(nAvailable * dSum / dTotal) + i * m_nSplitterSize);
        CRect rcGroup = rcClient, rcSplitter = rcClient;
        if (m_bHorizSplitting)
            rcGroup.top = nStart, rcGroup.bottom = nEnd, rcSplitter.top = nEnd,
            rcSplitter.bottom = nEnd + m_nSplitterSize;
        else
            rcGroup.left = nStart, rcGroup.right = nEnd, rcSplitter.left = nEnd,
            rcSplitter.right = nEnd + m_nSplitterSize;
        pGroup->m_rcSplitter = i == nCount - 1 ? CRect(0, 0, 0, 0) : rcSplitter;
        m_pPainter->RepositionTabControl(pGroup, &dc, rcGroup);
        for (int j = 0; j < pGroup->GetItemCount(); j++)
            PlaceChild(pGroup->GetItem(j), pGroup->m_rcClient);
        nStart = nEnd + m_nSplitterSize;
    }
    InvalidateRect(NULL, FALSE);
}

void CKTTabClientWnd::PlaceChild(CKTTabManagerItem* pItem, const CRect& rc)
{
    HWND hChild = pItem->GetHandle();
    ::SetWindowPos(hChild, NULL, rc.left, rc.top, rc.Width(), rc.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
    ShowChildArea(hChild, pItem->IsVisible());
}

void CKTTabClientWnd::UpdateGroupSizes()
{
    for (CKTTabClientGroup* pGroup : ShownGroups())
    {
        const CRect& rc = pGroup->m_rcControl;
        pGroup->m_dSize = m_bHorizSplitting ? rc.Height() : rc.Width();
    }
}

int CKTTabClientWnd::SplitterAt(CPoint pt) const
{
    for (int i = 0; i + 1 < GetGroupCount(); i++)
    {
        if (m_arrGroups[i]->m_rcSplitter.PtInRect(pt))
            return i;
    }
    return -1;
}

// A splitter stands between its group and the next group on show.
void CKTTabClientWnd::TrackSplitter(int nSplitter, CPoint pt)
{
    CKTTabClientGroup* pFirst = m_arrGroups[nSplitter].get();
    CKTTabClientGroup* pSecond = ShownNeighbour(pFirst, 1);
    if (!pSecond)
        return;
    CRect rcLimits = pFirst->m_rcControl | pSecond->m_rcControl;
    // Two groups squeezed to nothing leave no length to share: their sizes are kept for when room comes back.
    if (rcLimits.IsRectEmpty())
        return;
    UpdateGroupSizes();
    if (!m_bTrackSplitter)
    {
        DragSplitterLive(pFirst, pSecond, pt, rcLimits);
        return;
    }
    CRect rcSplitter = pFirst->m_rcSplitter;
    CRect rcScreenLimits = rcLimits, rcScreenSplitter = rcSplitter;
    ClientToScreen(rcScreenLimits);
    ClientToScreen(rcScreenSplitter);
    ClientToScreen(&pt);
    CKTSplitterTracker tracker;
    if (!tracker.Track(this, rcScreenLimits, rcScreenSplitter, pt, m_bHorizSplitting))
        return;
    ScreenToClient(rcScreenSplitter);
    ShareSizes(pFirst, pSecond, rcScreenSplitter, rcLimits);
    Reposition();
}

// The groups follow the pointer; any end of the drag, Esc among them, leaves them as they are.
void CKTTabClientWnd::DragSplitterLive(CKTTabClientGroup* pFirst, CKTTabClientGroup* pSecond, CPoint pt,
                                       const CRect& rcLimits)
{
    const CRect rcStart = pFirst->m_rcSplitter;
    CRect rcShown = rcStart;
    CKTCaptureLoop loop(m_hWnd);
    MSG msg;
    while (loop.Next(msg))
    {
        if (msg.message != WM_MOUSEMOVE)
        {
            CKTCaptureLoop::Dispatch(msg);
            continue;
        }
        CKTCaptureLoop::DispatchPendingPaint();
        CRect rcSplitter = rcStart;
        if (m_bHorizSplitting)
            rcSplitter.OffsetRect(0, std::clamp(static_cast<int>(GET_Y_LPARAM(msg.lParam)) - pt.y,
                                                rcLimits.top - rcStart.top, rcLimits.bottom - rcStart.bottom));
        else
            rcSplitter.OffsetRect(std::clamp(static_cast<int>(GET_X_LPARAM(msg.lParam)) - pt.x,
                                             rcLimits.left - rcStart.left, rcLimits.right - rcStart.right),
                                  0);
        if (rcSplitter == rcShown)
            continue;
        rcShown = rcSplitter;
        ShareSizes(pFirst, pSecond, rcSplitter, rcLimits);
        Reposition();
    }
}

void CKTTabClientWnd::ShareSizes(CKTTabClientGroup* pFirst, CKTTabClientGroup* pSecond, const CRect& rcSplitter,
                                 const CRect& rcLimits)
{
    double dTotal = m_nSplitterSize + pFirst->m_dSize + pSecond->m_dSize;
    if (m_bHorizSplitting)
        pFirst->m_dSize = dTotal * (rcSplitter.top - rcLimits.top) / rcLimits.Height();
    else
    {
        pFirst->m_dSize = dTotal * (rcSplitter.left - rcLimits.left) / rcLimits.Width();
        if (GetExStyle() & WS_EX_LAYOUTRTL)
            pFirst->m_dSize = dTotal - pFirst->m_dSize - m_nSplitterSize;
    }
    pSecond->m_dSize = dTotal - pFirst->m_dSize - m_nSplitterSize;
}

void CKTTabClientWnd::FillBackground(CDC* pDC, CRect rc)
{
    int nTheme = 0;
    COLORREF clrWorkspace = ::GetSysColor(COLOR_APPWORKSPACE);
    if (GetCommandBarsTheme(nTheme, clrWorkspace) && !m_bThemedBackground)
    {
        CWnd::DefWindowProc(WM_PAINT, reinterpret_cast<WPARAM>(pDC->GetSafeHdc()), 0);
        return;
    }
    pDC->FillSolidRect(rc, clrWorkspace);
}

void CKTTabClientWnd::DrawClient(CDC* pDC, CRect rc)
{
    if (!m_bEnableGroups || m_arrGroups.empty())
    {
        FillBackground(pDC, rc);
        return;
    }
    CRect rcClip, rcMeet;
    pDC->GetClipBox(rcClip);
    CKTTabAppearanceSet* pAppearance = m_pPainter->GetAppearanceSet();
    for (auto it = m_arrGroups.rbegin(); it != m_arrGroups.rend(); ++it)
    {
        CKTTabClientGroup* pGroup = it->get();
        if (rcMeet.IntersectRect(pGroup->m_rcControl, rcClip))
            m_pPainter->DrawTabControl(pGroup, pDC, pGroup->m_rcControl);
        CRect rcSplitter = pGroup->m_rcSplitter;
        if (!rcSplitter.IsRectEmpty())
            pAppearance->DrawWorkspacePart(pDC, rcSplitter, m_bHorizSplitting ? 3 : 2);
    }
}

void CKTTabClientWnd::OnPaintClient()
{
    CPaintDC dc(this);
    CRect rc;
    GetClientRect(rc);
    CKTBufferDC buffer(&dc, rc);
    DrawClient(&buffer, rc);
}

void CKTTabClientWnd::OnNcPaintClient()
{
    CWindowDC dc(this);
    CRect rc;
    GetWindowRect(rc);
    rc.OffsetRect(-rc.left, -rc.top);
    m_pPainter->GetAppearanceSet()->DrawWorkspacePart(&dc, rc, 0);
}
