// KBTabBaseThemeGradient.cpp: the gradient tab-control look.
#include "KBTabBaseThemeGradient.h"

#include "KTColorManager.h"
#include "KTDrawHelpers.h"

namespace
{
struct SchemeColors
{
    int nScheme;
    COLORREF clrHeaderFrom, clrHeaderTo, clrLine, clrNormalTab;
};

const SchemeColors kSchemes[] = {
    {ktSystemThemeBlue, RGB(196, 218, 250), RGB(252, 253, 254), RGB(0, 53, 154), RGB(162, 192, 246)},
    {ktSystemThemeOlive, RGB(242, 241, 228), RGB(252, 254, 254), RGB(96, 119, 107), RGB(208, 222, 170)},
    {ktSystemThemeSilver, RGB(243, 243, 247), RGB(252, 254, 254), RGB(118, 116, 146), RGB(217, 217, 230)},
};

COLORREF Color(int nIndex) { return KTColorManager()->GetColor(nIndex); }
}  // namespace

void CKBTabBaseThemeGradient::RefreshMetrics()
{
    CKBTabBaseThemeFlat::RefreshMetrics();
    CKTColorManager* pColors = KTColorManager();
    m_clrPage = pColors->GetLunaColor(COLOR_3DFACE);
    m_grcHeader.SetStandardValue(m_clrPage, CKTColorManager::BlendColors(m_clrPage, Color(COLOR_WINDOW), 205));
    m_clrLine = Color(COLOR_3DDKSHADOW);
    m_clrSelectedTab = Color(KTCOLOR_HIGHLIGHT_CHECKED);
    m_clrNormalTab = m_clrPage;
    const int nScheme = pColors->IsLunaColorsDisabled() ? int(ktSystemThemeNone) : pColors->GetCurrentSystemTheme();
    for (const SchemeColors& scheme : kSchemes)
    {
        if (scheme.nScheme != nScheme)
            continue;
        m_grcHeader.SetStandardValue(scheme.clrHeaderFrom, scheme.clrHeaderTo);
        m_clrLine = scheme.clrLine;
        m_clrNormalTab = scheme.clrNormalTab;
        m_clrSelectedTab = RGB(255, 194, 115);
    }
}

void CKBTabBaseThemeGradient::DrawHeader(CDC* pDC, const CRect& rc, int nPosition, const CRect&)
{
    const BOOL bAcross = nPosition == kbTabLeft || nPosition == kbTabRight;
    KTDrawHelpers()->GradientFill(pDC, rc, m_grcHeader, bAcross);
    switch (nPosition)
    {
    case kbTabLeft:
        DrawLine(pDC, rc.right - 1, rc.top, 1, rc.Height(), m_clrLine);
        break;
    case kbTabRight:
        DrawLine(pDC, rc.left, rc.top, 1, rc.Height(), m_clrLine);
        break;
    case kbTabBottom:
        DrawLine(pDC, rc.left, rc.top, rc.Width(), 1, m_clrLine);
        break;
    default:
        DrawLine(pDC, rc.left, rc.bottom - 1, rc.Width(), 1, m_clrLine);
        break;
    }
}

void CKBTabBaseThemeGradient::DrawTab(CDC* pDC, const CRect& rcTab, BOOL bSelected, int nPosition,
                                      const CRect& rcClient)
{
    const COLORREF clrTab = bSelected ? m_clrSelectedTab : m_clrNormalTab;
    const COLORREF clrTint = CKTColorManager::BlendColors(clrTab, RGB(255, 255, 255), 300);
    const int nPage = bSelected ? 1 : 0;
    CRect rcFill = rcTab;
    switch (nPosition)
    {
    case kbTabBottom:
        rcFill.SetRect(rcTab.left + 1, rcTab.top - nPage, rcTab.right, rcTab.bottom + 1);
        KTDrawHelpers()->GradientFill(pDC, rcFill, clrTab, clrTint, FALSE);
        break;
    case kbTabLeft:
        rcFill.SetRect(rcTab.left - 1, rcTab.top + 1, rcTab.right + nPage, rcTab.bottom);
        KTDrawHelpers()->GradientFill(pDC, rcFill, clrTint, clrTab, TRUE);
        break;
    case kbTabRight:
        rcFill.SetRect(rcTab.left - nPage, rcTab.top + 1, rcTab.right + 1, rcTab.bottom);
        KTDrawHelpers()->GradientFill(pDC, rcFill, clrTab, clrTint, TRUE);
        break;
    default:
        rcFill.SetRect(rcTab.left + 1, rcTab.top - 1, rcTab.right, rcTab.bottom + nPage);
        KTDrawHelpers()->GradientFill(pDC, rcFill, clrTint, clrTab, FALSE);
        break;
    }
    DrawTabOutline(pDC, rcTab, nPosition);
    if (!bSelected)
        return;
    // The selected tab runs into the page across the whole control.
    if (nPosition == kbTabTop)
        DrawLine(pDC, rcClient.left, rcTab.bottom + 1, rcClient.Width(), 1, clrTab);
    else if (nPosition == kbTabBottom)
        DrawLine(pDC, rcClient.left, rcTab.top - 2, rcClient.Width(), 1, clrTab);
    else
        DrawLine(pDC, nPosition == kbTabLeft ? rcTab.right + 1 : rcTab.left - 2, rcClient.top, 1, rcClient.Height(),
                 clrTab);
}

void CKBTabBaseThemeGradient::DrawTabOutline(CDC* pDC, const CRect& rc, int nPosition) const
{
    if (m_clrLine == CLR_INVALID)
        return;
    const COLORREF clr = m_clrLine;
    switch (nPosition)
    {
    case kbTabBottom:
        DrawLine(pDC, rc.left, rc.top, 1, rc.Height() + 1, clr);
        DrawLine(pDC, rc.right, rc.top, 1, rc.Height() + 1, clr);
        DrawLine(pDC, rc.left + 2, rc.bottom + 2, rc.Width() - 3, 1, clr);
        pDC->SetPixel(rc.left + 1, rc.bottom + 1, clr);
        pDC->SetPixel(rc.right - 1, rc.bottom + 1, clr);
        break;
    case kbTabLeft:
    case kbTabRight:
    {
        const int xOuter = nPosition == kbTabLeft ? rc.left - 2 : rc.right + 1;
        const int xCorner = nPosition == kbTabLeft ? rc.left - 1 : rc.right;
        DrawLine(pDC, rc.left - 1, rc.top, rc.Width() + 1, 1, clr);
        DrawLine(pDC, rc.left - 1, rc.bottom, rc.Width() + 1, 1, clr);
        DrawLine(pDC, xOuter, rc.top + 2, 1, rc.Height() - 3, clr);
        pDC->SetPixel(xCorner, rc.top + 1, clr);
        pDC->SetPixel(xCorner, rc.bottom - 1, clr);
        break;
    }
    default:
        DrawLine(pDC, rc.left, rc.top - 1, 1, rc.Height() + 1, clr);
        DrawLine(pDC, rc.right, rc.top - 1, 1, rc.Height() + 1, clr);
        DrawLine(pDC, rc.left + 2, rc.top - 2, rc.Width() - 3, 1, clr);
        pDC->SetPixel(rc.left + 1, rc.top - 1, clr);
        pDC->SetPixel(rc.right - 1, rc.top - 1, clr);
        break;
    }
}

void CKBTabBaseThemeGradient::DrawChildFrame(CDC* pDC, const CRect& rc)
{
    COLORREF clr = KTColorManager()->GetLunaColor(KTCOLOR_SEPARATOR);
    pDC->Draw3dRect(rc, clr, clr);
}

COLORREF CKBTabBaseThemeGradient::DrawArrowBackground(CDC* pDC, const CRect& rc, DWORD dwStyle)
{
    const BOOL bVertical = (dwStyle & TCS_VERTICAL) != 0;
    const BOOL bSwapped = (dwStyle & TCS_BOTTOM) != 0;
    COLORREF clrFrom = m_grcHeader.clrLight.GetColor(), clrTo = m_grcHeader.clrDark.GetColor();
    if (bSwapped)
        std::swap(clrFrom, clrTo);
    KTDrawHelpers()->GradientFill(pDC, rc, clrFrom, clrTo, bVertical);
    return RGB(0, 0, 0);
}
