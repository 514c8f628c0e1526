// KBTabBaseTheme.cpp: the default tab-control look and the arrow buttons every look shares.
#include "KBTabBaseTheme.h"

#include "KTColorManager.h"
#include "KTDrawObjects.h"
#include "KTTabPainter.h"
#include "KTTabTurnedDC.h"

namespace
{
const int kTabPane = 9;
const int kTabItem = 1;
const int kStateSelected = 3;
const int kStateNormal = 1;

int TurnedPosition(int nPosition)
{
    switch (nPosition)
    {
    case kbTabBottom:
        return ktTabPositionBottom;
    case kbTabLeft:
        return ktTabPositionLeft;
    case kbTabRight:
        return ktTabPositionRight;
    default:
        return ktTabPositionTop;
    }
}
}  // namespace

CKBTabBaseTheme::CKBTabBaseTheme(int nTheme) : CKBThemeManagerStyle(nTheme) {}

void CKBTabBaseTheme::RefreshMetrics()
{
    CKBThemeManagerStyle::RefreshMetrics();
    m_themeTab.OpenThemeData(NULL, "TAB");
    m_nBorderWidth = ::GetSystemMetrics(SM_CXEDGE);
    m_clrPage = KTColorManager()->GetColor(COLOR_3DFACE);
    m_clrTextNormal = m_clrTextSelected = KTColorManager()->GetColor(COLOR_BTNTEXT);
}

BOOL CKBTabBaseTheme::IsStyled() const
{
    return m_bUseVisualStyles && m_themeTab.GetThemeHandle() && m_themeTab.IsAppThemed();
}

BOOL CKBTabBaseTheme::PaintsNatively(DWORD dwStyle) const { return !(IsStyled() && PositionOf(dwStyle) != kbTabTop); }

void CKBTabBaseTheme::DrawControlBorder(CDC* pDC, const CRect& rcClient)
{
    if (IsStyled())
        return;
    CKTColorManager* pColors = KTColorManager();
    CRect rc = rcClient;
    pDC->Draw3dRect(rc, pColors->GetColor(COLOR_3DHIGHLIGHT), pColors->GetColor(COLOR_3DDKSHADOW));
    rc.DeflateRect(1, 1);
    pDC->Draw3dRect(rc, pColors->GetColor(COLOR_3DFACE), pColors->GetColor(COLOR_3DSHADOW));
}

void CKBTabBaseTheme::DrawHeader(CDC* pDC, const CRect& rcHeader, int nPosition, const CRect& rcClient)
{
    if (IsStyled())
    {
        // The pane's edge on the tab side lies one pixel outside, under the tabs' feet.
        CRect rc = rcClient;
        rc.InflateRect(nPosition == kbTabLeft, nPosition == kbTabTop, nPosition == kbTabRight,
                       nPosition == kbTabBottom);
        m_themeTab.DrawThemeBackground(pDC->GetSafeHdc(), kTabPane, 0, rc, NULL);
        return;
    }
    pDC->FillSolidRect(rcHeader, m_clrPage);
    pDC->Draw3dRect(rcHeader, KTColorManager()->GetColor(COLOR_3DHIGHLIGHT),
                    KTColorManager()->GetColor(COLOR_3DSHADOW));
}

void CKBTabBaseTheme::DrawTab(CDC* pDC, const CRect& rcTab, BOOL bSelected, int nPosition, const CRect&)
{
    if (IsStyled())
        DrawStyledTab(pDC, rcTab, bSelected, nPosition);
    else
        DrawClassicTab(pDC, rcTab, bSelected, nPosition);
}

void CKBTabBaseTheme::DrawStyledTab(CDC* pDC, const CRect& rcTab, BOOL bSelected, int nPosition)
{
    const int nState = bSelected ? kStateSelected : kStateNormal;
    CKTTabTurnedDC turned(pDC, rcTab, TurnedPosition(nPosition), m_clrPage);
    CRect rc = turned.ToTop(rcTab);
    m_themeTab.DrawThemeBackground(turned.GetDC()->GetSafeHdc(), kTabItem, nState, rc, NULL);
}

void CKBTabBaseTheme::DrawClassicTab(CDC* pDC, CRect rc, BOOL bSelected, int nPosition) const
{
    if (bSelected)
        rc.InflateRect(nPosition == kbTabRight ? 0 : 2, nPosition == kbTabBottom ? 0 : 2,
                       nPosition == kbTabLeft ? 0 : 2, nPosition == kbTabTop ? 0 : 2);
    CKTColorManager* pColors = KTColorManager();
    pDC->FillSolidRect(rc, m_clrPage);
    pDC->Draw3dRect(rc, pColors->GetColor(COLOR_3DHIGHLIGHT), pColors->GetColor(COLOR_3DDKSHADOW));
    rc.DeflateRect(1, 1);
    pDC->Draw3dRect(rc, pColors->GetColor(COLOR_3DFACE), pColors->GetColor(COLOR_3DSHADOW));
}

void CKBTabBaseTheme::DrawArrowButton(CDC* pDC, const CRect& rc, DWORD dwState, int nButton, COLORREF clrGlyph) const
{
    const BOOL bEnabled = !(dwState & kbButtonDisabled);
    CPoint ptShift(0, 0);
    if (bEnabled && (dwState & kbButtonPressed))
    {
        pDC->Draw3dRect(rc, RGB(0, 0, 0), ::GetSysColor(COLOR_3DLIGHT));
        ptShift = CPoint(1, 1);
    }
    else if (bEnabled && (dwState & kbButtonHot))
        pDC->Draw3dRect(rc, ::GetSysColor(COLOR_3DLIGHT), RGB(0, 0, 0));
    CRect r = rc + ptShift;
    CKTPenDC pen(pDC->GetSafeHdc(), clrGlyph);
    if (nButton == kbButtonClose)
    {
        for (int d = 0; d < 2; ++d)
        {
            pDC->MoveTo(r.left + 3 + d, r.top + 3);
            pDC->LineTo(r.right - 4 + d, r.bottom - 5);
            pDC->MoveTo(r.left + 3 + d, r.bottom - 6);
            pDC->LineTo(r.right - 4 + d, r.top + 2);
        }
        return;
    }
    const POINT left[] = {{r.right - 5, r.top + 2}, {r.right - 9, r.top + 6}, {r.right - 5, r.top + 10}};
    const POINT right[] = {{r.left + 4, r.top + 2}, {r.left + 8, r.top + 6}, {r.left + 4, r.top + 10}};
    // A disabled arrow is only outlined.
    CKTBrushDC brush(pDC->GetSafeHdc(), clrGlyph);
    HGDIOBJ hOldBrush = bEnabled ? nullptr : pDC->SelectObject(::GetStockObject(NULL_BRUSH));
    pDC->Polygon(nButton == kbButtonLeft ? left : right, 3);
    if (hOldBrush)
        pDC->SelectObject(hOldBrush);
}
