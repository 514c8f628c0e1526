// KBTabBaseThemeFlat.cpp: the flat tab-control look.
#include "KBTabBaseThemeFlat.h"

#include "KTColorManager.h"

namespace
{
COLORREF Color(int nIndex) { return KTColorManager()->GetColor(nIndex); }
}  // namespace

void CKBTabBaseThemeFlat::RefreshMetrics()
{
    CKBTabBaseTheme::RefreshMetrics();
    m_nBorderWidth *= 2;
    m_clrTextSelected = Color(KTCOLOR_TAB_TEXT);
}

void CKBTabBaseThemeFlat::DrawHeader(CDC* pDC, const CRect& rc, int nPosition, const CRect&)
{
    pDC->FillSolidRect(rc, Color(KTCOLOR_TAB_HEADER_FACE));
    switch (nPosition)
    {
    case kbTabLeft:
        DrawLine(pDC, rc.right - 1, rc.top, 1, rc.Height(), Color(COLOR_3DHIGHLIGHT));
        break;
    case kbTabRight:
        DrawLine(pDC, rc.left, rc.top, 1, rc.Height(), Color(COLOR_3DHIGHLIGHT));
        break;
    case kbTabBottom:
        DrawLine(pDC, rc.left, rc.top, rc.Width(), 1, Color(COLOR_WINDOWFRAME));
        break;
    default:
        DrawLine(pDC, rc.left, rc.bottom - 2, rc.Width(), 1, Color(COLOR_3DFACE));
        DrawLine(pDC, rc.left, rc.bottom - 1, rc.Width(), 1, Color(COLOR_3DHIGHLIGHT));
        break;
    }
}

void CKBTabBaseThemeFlat::DrawTab(CDC* pDC, const CRect& rc, BOOL bSelected, int nPosition, const CRect&)
{
    if (bSelected)
    {
        DrawSelectedTab(pDC, rc, nPosition);
        return;
    }
    // Unselected tabs are only a separator at their far end.
    COLORREF clrSeparator = Color(COLOR_3DSHADOW);
    if (nPosition == kbTabLeft || nPosition == kbTabRight)
        DrawLine(pDC, rc.left + 2, rc.bottom + 2, rc.Width() - 3, 1, clrSeparator);
    else
        DrawLine(pDC, rc.right + 2, rc.top + 2, 1, rc.Height() - 3, clrSeparator);
}

void CKBTabBaseThemeFlat::DrawSelectedTab(CDC* pDC, const CRect& rc, int nPosition) const
{
    const COLORREF clrLight = Color(COLOR_3DHIGHLIGHT), clrDark = Color(COLOR_WINDOWFRAME);
    switch (nPosition)
    {
    case kbTabBottom:
        pDC->FillSolidRect(rc.left + 2, rc.top - 2, rc.Width(), rc.Height() + 3, m_clrPage);
        DrawLine(pDC, rc.left + 2, rc.top - 2, 1, rc.Height() + 2, clrLight);
        DrawLine(pDC, rc.left + 2, rc.bottom, rc.Width(), 1, clrDark);
        DrawLine(pDC, rc.right + 2, rc.top - 2, 1, rc.Height() + 3, clrDark);
        break;
    case kbTabLeft:
    case kbTabRight:
        pDC->FillSolidRect(rc.left - 1, rc.top + 2, rc.Width() + 3, rc.Height(), m_clrPage);
        DrawLine(pDC, rc.left - 1, rc.top + 2, rc.Width() + 2, 1, clrLight);
        DrawLine(pDC, rc.left - 1, rc.bottom + 2, rc.Width() + 2, 1, clrDark);
        DrawLine(pDC, nPosition == kbTabLeft ? rc.left - 1 : rc.right + 1, rc.top + 2, 1, rc.Height(),
                 nPosition == kbTabLeft ? clrLight : clrDark);
        break;
    default:
        pDC->FillSolidRect(rc.left + 2, rc.top - 1, rc.Width(), rc.Height() + 3, m_clrPage);
        DrawLine(pDC, rc.left + 2, rc.top, 1, rc.Height() + 1, clrLight);
        DrawLine(pDC, rc.left + 2, rc.top - 1, rc.Width(), 1, clrLight);
        DrawLine(pDC, rc.right + 2, rc.top - 1, 1, rc.Height() + 2, clrDark);
        break;
    }
}

void CKBTabBaseThemeFlat::DrawChildFrame(CDC* pDC, const CRect& rc)
{
    COLORREF clr = Color(KTCOLOR_BAR_EDGE);
    pDC->Draw3dRect(rc, clr, clr);
}

COLORREF CKBTabBaseThemeFlat::DrawArrowBackground(CDC* pDC, const CRect& rc, DWORD dwStyle)
{
    pDC->FillSolidRect(rc, Color(KTCOLOR_TAB_HEADER_FACE));
    if (dwStyle & TCS_BOTTOM)
        DrawLine(pDC, rc.left, rc.top, rc.Width(), 1, Color(COLOR_BTNTEXT));
    else
        DrawLine(pDC, rc.left, rc.bottom - 1, rc.Width(), 1, Color(COLOR_3DHIGHLIGHT));
    return Color(KTCOLOR_TAB_TEXT);
}
