// A window's scroll bars: its own, or the controls that stand in for them
// (the shared bars of a splitter's panes).
#include "afxwin.h"

namespace
{

// Where a scroll call for nBar goes.
struct ScrollTarget
{
    HWND hWnd;
    int nBar;
};

ScrollTarget TargetOf(const CWnd* pWnd, int nBar)
{
    if (nBar == SB_HORZ || nBar == SB_VERT)
    {
        if (CScrollBar* pBar = pWnd->GetScrollBarCtrl(nBar))
            return {pBar->m_hWnd, SB_CTL};
    }
    return {pWnd->m_hWnd, nBar};
}

}  // namespace

CScrollBar* CWnd::GetScrollBarCtrl(int) const { return nullptr; }

int CWnd::GetScrollPos(int nBar) const
{
    ScrollTarget target = TargetOf(this, nBar);
    return ::GetScrollPos(target.hWnd, target.nBar);
}

int CWnd::SetScrollPos(int nBar, int nPos, BOOL bRedraw)
{
    ScrollTarget target = TargetOf(this, nBar);
    return ::SetScrollPos(target.hWnd, target.nBar, nPos, bRedraw);
}

void CWnd::GetScrollRange(int nBar, LPINT lpMinPos, LPINT lpMaxPos) const
{
    ScrollTarget target = TargetOf(this, nBar);
    ::GetScrollRange(target.hWnd, target.nBar, lpMinPos, lpMaxPos);
}

void CWnd::SetScrollRange(int nBar, int nMinPos, int nMaxPos, BOOL bRedraw)
{
    ScrollTarget target = TargetOf(this, nBar);
    ::SetScrollRange(target.hWnd, target.nBar, nMinPos, nMaxPos, bRedraw);
}

BOOL CWnd::GetScrollInfo(int nBar, LPSCROLLINFO lpScrollInfo, UINT nMask)
{
    lpScrollInfo->cbSize = sizeof(SCROLLINFO);
    lpScrollInfo->fMask = nMask;
    ScrollTarget target = TargetOf(this, nBar);
    return ::GetScrollInfo(target.hWnd, target.nBar, lpScrollInfo);
}

BOOL CWnd::SetScrollInfo(int nBar, LPSCROLLINFO lpScrollInfo, BOOL bRedraw)
{
    lpScrollInfo->cbSize = sizeof(SCROLLINFO);
    ScrollTarget target = TargetOf(this, nBar);
    ::SetScrollInfo(target.hWnd, target.nBar, lpScrollInfo, bRedraw);
    return TRUE;
}

int CWnd::GetScrollLimit(int nBar)
{
    SCROLLINFO info;
    if (!GetScrollInfo(nBar, &info, SIF_RANGE | SIF_PAGE))
        return 0;
    int nMax = info.nMax;
    if (info.nPage > 1)
        nMax -= (int)info.nPage - 1;
    return nMax;
}

void CWnd::EnableScrollBarCtrl(int nBar, BOOL bEnable)
{
    if (nBar == SB_BOTH)
    {
        EnableScrollBarCtrl(SB_HORZ, bEnable);
        EnableScrollBarCtrl(SB_VERT, bEnable);
        return;
    }
    if (CScrollBar* pBar = GetScrollBarCtrl(nBar))
        pBar->EnableWindow(bEnable);
    else
        ShowScrollBar(nBar, bEnable);
}
