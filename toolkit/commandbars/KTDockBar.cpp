// KTDockBar.cpp: a frame edge that stacks its docked bars in rows and takes their room from the frame.
#include "KTDockBar.h"

#include "KTCommandBars.h"
#include "KTDrawHelpers.h"
#include "KTDrawObjects.h"
#include "KTPaintManager.h"
#include "KTToolBar.h"

#include <afxpriv.h>

#include <algorithm>

IMPLEMENT_DYNCREATE(CKTDockBar, CWnd)

BEGIN_MESSAGE_MAP(CKTDockBar, CWnd)
ON_MESSAGE(WM_SIZEPARENT, OnSizeParent)
ON_WM_PAINT()
ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

CKTDockBar::CKTDockBar() { CKTDrawHelpers::RegisterWndClass(NULL, "KTDockBar", 0); }

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

void CKTDockBar::DockCommandBar(CKTToolBar* pBar)
{
    if (!HasBar(pBar))
        m_bars.push_back(pBar);
    pBar->SetDockBar(this);
}

void CKTDockBar::DockCommandBar(CKTToolBar* pBar, const CRect& rcScreen)
{
    if (HasBar(pBar))
        return;
    const CPoint ptCentre = rcScreen.CenterPoint();
    const BOOL bHorz = IsHorizontal();
    auto itBefore = std::find_if(m_bars.begin(), m_bars.end(),
                                 [&](CKTToolBar* pOther)
                                 {
                                     if (!pOther->IsVisible() || !pOther->GetSafeHwnd())
                                         return false;
                                     const CRect rc = CKTWindowRect(pOther);
                                     return bHorz ? ptCentre.y < rc.bottom : ptCentre.x < rc.right;
                                 });
    m_bars.insert(itBefore, pBar);
    pBar->SetDockBar(this);
}

void CKTDockBar::RemoveCommandBar(CKTToolBar* pBar)
{
    m_bars.erase(std::remove(m_bars.begin(), m_bars.end(), pBar), m_bars.end());
    pBar->SetDockBar(NULL);
}

BOOL CKTDockBar::HasBar(CKTToolBar* pBar) const
{
    return std::find(m_bars.begin(), m_bars.end(), pBar) != m_bars.end();
}

int CKTDockBar::LayoutBars(CRect rc, BOOL bCommit)
{
    BOOL bHorz = IsHorizontal();
    int nLength = bHorz ? rc.Width() : rc.Height();
    int nOffset = 0;
    for (CKTToolBar* pBar : m_bars)
    {
        if (!pBar->IsVisible() || !pBar->GetSafeHwnd())
            continue;
        DWORD dwMode = (bHorz ? LM_HORZ | LM_HORZDOCK : LM_VERTDOCK) | LM_STRETCH | (bCommit ? LM_COMMIT : 0);
        CSize sz = pBar->CalcDynamicLayout(nLength, dwMode);
        if (bCommit)
        {
            CRect rcBar = bHorz ? CRect(CPoint(0, nOffset), CSize(nLength, sz.cy))
                                : CRect(CPoint(nOffset, 0), CSize(sz.cx, nLength));
            pBar->SetWindowPos(NULL, rcBar.left, rcBar.top, rcBar.Width(), rcBar.Height(),
                               SWP_NOZORDER | SWP_NOACTIVATE);
        }
        nOffset += bHorz ? sz.cy : sz.cx;
    }
    return nOffset;
}

LRESULT CKTDockBar::OnSizeParent(WPARAM, LPARAM lParam)
{
    AFX_SIZEPARENTPARAMS* pLayout = reinterpret_cast<AFX_SIZEPARENTPARAMS*>(lParam);
    CRect rcSpace = pLayout->rect;
    int nThickness = LayoutBars(rcSpace, pLayout->hDWP != NULL);
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
    return 0;
}

void CKTDockBar::OnPaint()
{
    CPaintDC dc(this);
    CKTPaintManager* pPaintManager = m_pCommandBars ? m_pCommandBars->GetPaintManager() : CKTPaintManager::GetGlobal();
    pPaintManager->FillDockBar(&dc, this);
}
