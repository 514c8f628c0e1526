// KTDockBar.cpp: a frame edge's rows of bars: where a dropped bar goes, and the room the rows take from the frame.
#include "KTDockBar.h"

#include "KTBarSizeTracker.h"
#include "KTCommandBars.h"
#include "KTDrawHelpers.h"
#include "KTDrawObjects.h"
#include "KTMenuBar.h"
#include "KTPaintManager.h"
#include "KTToolBar.h"

#include <afxpriv.h>

#include <algorithm>

IMPLEMENT_DYNCREATE(CKTDockBar, CWnd)

BEGIN_MESSAGE_MAP(CKTDockBar, CWnd)
ON_MESSAGE(WM_SIZEPARENT, OnSizeParent)
ON_WM_PAINT()
ON_WM_ERASEBKGND()
ON_WM_RBUTTONDOWN()
ON_WM_NCHITTEST()
ON_MESSAGE(WM_PRINTCLIENT, OnPrintClient)
END_MESSAGE_MAP()

namespace
{
BOOL IsShown(CKTToolBar* pBar) { return pBar && pBar->IsVisible() && pBar->GetSafeHwnd(); }
}  // namespace

CKTDockBar::CKTDockBar() : m_bars(1, nullptr) { CKTDrawHelpers::RegisterWndClass(NULL, "KTDockBar", 0); }

BOOL CKTDockBar::Create(CWnd* pParent, DWORD dwStyle, UINT nId)
{
    m_dwStyle = dwStyle & 0x40FFFF;
    static const LPCSTR titles[] = {"ktBarTop", "ktBarBottom", "ktBarLeft", "ktBarRight"};
    return CWnd::Create("KTDockBar", titles[GetPosition()], (dwStyle & ~0x40FFFF) | WS_CLIPSIBLINGS, CRect(0, 0, 0, 0),
                        pParent, nId);
}

int CKTDockBar::GetPosition() const
{
    if ((m_dwStyle & (CBRS_ALIGN_TOP | CBRS_BORDER_BOTTOM)) == (CBRS_ALIGN_TOP | CBRS_BORDER_BOTTOM))
        return ktBarTop;
    if ((m_dwStyle & (CBRS_ALIGN_BOTTOM | CBRS_BORDER_TOP)) == (CBRS_ALIGN_BOTTOM | CBRS_BORDER_TOP))
        return ktBarBottom;
    if ((m_dwStyle & (CBRS_ALIGN_LEFT | CBRS_BORDER_RIGHT)) == (CBRS_ALIGN_LEFT | CBRS_BORDER_RIGHT))
        return ktBarLeft;
    return ktBarRight;
}

int CKTDockBar::FindBar(CKTToolBar* pBar, int nSkip) const
{
    for (int i = 0; i < (int)m_bars.size(); i++)
        if (m_bars[i] == pBar && i != nSkip)
            return i;
    return -1;
}

void CKTDockBar::DockCommandBar(CKTToolBar* pBar)
{
    if (pBar->GetDockBar() == this && HasBar(pBar))
        return;
    m_bars.insert(m_bars.end(), {pBar, nullptr});
    if (CKTBarSizeTracker* pContext = pBar->GetDockContext())
        pContext->SetDocked(GetPosition(), CRect(0, 0, 0, 0));
    if (CKTDockBar* pOld = pBar->GetDockBar())
        pOld->RemoveCommandBar(pBar);
    pBar->SetDockBar(this);
    IsolateStretchedBars();
    if (m_pCommandBars)
        m_pCommandBars->RecalcFrameLayout(TRUE);
}

void CKTDockBar::DockCommandBar(CKTToolBar* pBar, const CRect& rcScreen)
{
    const BOOL bHere = pBar->GetDockBar() == this && HasBar(pBar);
    if (bHere && CKTWindowRect(pBar) == rcScreen)
        return;
    CRect rc = rcScreen;
    ScreenToClient(rc);
    const int nIndex = Insert(pBar, rc.CenterPoint());
    if (CKTBarSizeTracker* pContext = pBar->GetDockContext())
        pContext->SetDocked(GetPosition(), rc);
    if (bHere)
        RemoveCommandBar(pBar, nIndex);
    else if (CKTDockBar* pOld = pBar->GetDockBar())
        pOld->RemoveCommandBar(pBar);
    pBar->SetDockBar(this);
    IsolateStretchedBars();
    if (m_pCommandBars)
        m_pCommandBars->RecalcFrameLayout(TRUE);
}

int CKTDockBar::Insert(CKTToolBar* pBar, CPoint ptCentre)
{
    const BOOL bHorz = IsHorizontal();
    const int c = bHorz ? ptCentre.y : ptCentre.x;
    const BOOL bFirstRowTakesBars = !HoldsRibbon();
    int nFar = 0, nPreviousFar = 0, nRowStart = 0;
    for (int i = 0; i < (int)m_bars.size(); i++)
    {
        if (CKTToolBar* pOther = m_bars[i])
        {
            if (IsShown(pOther))
            {
                CRect rcOther = CKTWindowRect(pOther);
                ScreenToClient(rcOther);
                nFar = std::max<int>(nFar, bHorz ? rcOther.bottom : rcOther.right);
            }
            continue;
        }
        if (c < nFar && (bFirstRowTakesBars || nRowStart > 0))
        {
            // On the very edge between rows, or before the first: a row of its own there.
            if (i == 0 || c == nPreviousFar)
            {
                m_bars.insert(m_bars.begin() + nRowStart + 1, {pBar, nullptr});
                return nRowStart + 1;
            }
            m_bars.insert(m_bars.begin() + nRowStart + 1, pBar);
            return nRowStart + 1;
        }
        nPreviousFar = nFar;
        nFar = 0;
        nRowStart = i;
    }
    m_bars.insert(m_bars.end(), {pBar, nullptr});
    return (int)m_bars.size() - 2;
}

BOOL CKTDockBar::HoldsRibbon() const
{
    CKTMenuBar* pMenuBar = m_pCommandBars ? m_pCommandBars->GetMenuBar() : NULL;
    return pMenuBar && pMenuBar->IsRibbonBar() && HasBar(pMenuBar);
}

void CKTDockBar::RemoveCommandBar(CKTToolBar* pBar, int nSkip)
{
    const int nIndex = FindBar(pBar, nSkip);
    if (nIndex < 0)
        return;
    m_bars.erase(m_bars.begin() + nIndex);
    // A row left empty goes.
    if (nIndex < (int)m_bars.size() && !m_bars[nIndex - 1] && !m_bars[nIndex])
        m_bars.erase(m_bars.begin() + nIndex);
    pBar->SetDockBar(NULL);
    if (m_pCommandBars)
        m_pCommandBars->RecalcFrameLayout(TRUE);
}

void CKTDockBar::IsolateStretchedBars()
{
    for (size_t i = 1; i < m_bars.size(); i++)
    {
        CKTToolBar* pBar = m_bars[i];
        if (!pBar || !(pBar->GetFlags() & ktBarFlagStretch))
            continue;
        if (m_bars[i - 1])
            m_bars.insert(m_bars.begin() + i++, nullptr);
        if (i + 1 < m_bars.size() && m_bars[i + 1])
            m_bars.insert(m_bars.begin() + i + 1, nullptr);
    }
}

std::vector<CKTToolBar*> CKTDockBar::GetVisibleRowBars(int nIndex) const
{
    int nStart = nIndex;
    while (nStart > 0 && m_bars[nStart - 1])
        nStart--;
    std::vector<CKTToolBar*> bars;
    for (int i = nStart; i < (int)m_bars.size() && m_bars[i]; i++)
        if (IsShown(m_bars[i]))
            bars.push_back(m_bars[i]);
    const BOOL bHorz = IsHorizontal();
    std::sort(bars.begin(), bars.end(),
              [bHorz](CKTToolBar* a, CKTToolBar* b)
              {
                  const CRect ra = CKTWindowRect(a), rb = CKTWindowRect(b);
                  return bHorz ? ra.left < rb.left : ra.top < rb.top;
              });
    return bars;
}

LRESULT CKTDockBar::OnSizeParent(WPARAM, LPARAM lParam)
{
    AFX_SIZEPARENTPARAMS* pLayout = reinterpret_cast<AFX_SIZEPARENTPARAMS*>(lParam);
    // Its own style, not the frame's: a frame laid out before it shows must leave the bars their room.
    if (!(GetStyle() & WS_VISIBLE))
        return 0;
    const CRect rcSpace = pLayout->rect;
    const BOOL bHorz = IsHorizontal();
    const DWORD dwMode = (pLayout->bStretch ? LM_STRETCH : 0) | (bHorz ? LM_HORZ | LM_HORZDOCK : LM_VERTDOCK);
    const CSize sz = CalcFixedLayout(bHorz ? rcSpace.Width() : rcSpace.Height(), dwMode, pLayout->hDWP != NULL);
    const int nThickness = std::min<int>(bHorz ? sz.cy : sz.cx, bHorz ? rcSpace.Height() : rcSpace.Width());
    if (bHorz)
    {
        pLayout->sizeTotal.cy += nThickness;
        pLayout->sizeTotal.cx = std::max<int>(pLayout->sizeTotal.cx, sz.cx);
    }
    else
    {
        pLayout->sizeTotal.cx += nThickness;
        pLayout->sizeTotal.cy = std::max<int>(pLayout->sizeTotal.cy, sz.cy);
    }
    CRect rcDock = rcSpace;
    switch (GetPosition())
    {
    case ktBarTop:
        rcDock.bottom = rcDock.top + nThickness;
        pLayout->rect.top += nThickness;
        break;
    case ktBarBottom:
        rcDock.top = rcDock.bottom - nThickness;
        pLayout->rect.bottom -= nThickness;
        break;
    case ktBarLeft:
        rcDock.right = rcDock.left + nThickness;
        pLayout->rect.left += nThickness;
        break;
    default:
        rcDock.left = rcDock.right - nThickness;
        pLayout->rect.right -= nThickness;
        break;
    }
    if (pLayout->hDWP)
        AfxRepositionWindow(pLayout, GetSafeHwnd(), rcDock);
    Invalidate(FALSE);
    return 0;
}

void CKTDockBar::OnPaint()
{
    CPaintDC dc(this);
    CKTPaintManager* pPaintManager = m_pCommandBars ? m_pCommandBars->GetPaintManager() : CKTPaintManager::GetGlobal();
    pPaintManager->FillDockBar(&dc, this);
}

LRESULT CKTDockBar::OnNcHitTest(CPoint point)
{
    // The ribbon reaches into the frame's caption: the caption's hits pass through to the frame.
    if (GetPosition() == ktBarTop && HoldsRibbon())
        return HTTRANSPARENT;
    return CWnd::OnNcHitTest(point);
}

LRESULT CKTDockBar::OnPrintClient(WPARAM wParam, LPARAM lParam)
{
    CDC* pDC = CDC::FromHandle((HDC)wParam);
    CKTPaintManager* pPaintManager = m_pCommandBars ? m_pCommandBars->GetPaintManager() : CKTPaintManager::GetGlobal();
    pPaintManager->FillDockBar(pDC, this);
    if (!(lParam & PRF_CHILDREN))
        return 0;
    for (CWnd* pChild = GetWindow(GW_CHILD); pChild; pChild = pChild->GetNextWindow())
    {
        if (!pChild->IsWindowVisible())
            continue;
        const CRect rc = CKTWindowRect(pChild);
        CPoint pt = rc.TopLeft();
        ScreenToClient(&pt);
        const CPoint ptOrigin = pDC->OffsetViewportOrg(pt.x, pt.y);
        pChild->SendMessage(WM_PRINTCLIENT, wParam, lParam);
        pDC->SetViewportOrg(ptOrigin);
    }
    return 0;
}

void CKTDockBar::OnRButtonDown(UINT, CPoint point)
{
    if (!m_pCommandBars)
        return;
    ClientToScreen(&point);
    m_pCommandBars->ContextMenu(0, point.x, point.y);
}
