// KBTabBaseThemeGradient.h: the gradient tab-control look: a gradient header, tabs shaded from a light tint to
// their colour with cut outer corners, and the scheme's fixed colours under a visual-style scheme.
//
// Classes: CKBTabBaseThemeGradient.
#pragma once

#include "KBTabBaseThemeFlat.h"
#include "KTPaintManagerColor.h"

class CKBTabBaseThemeGradient : public CKBTabBaseThemeFlat
{
public:
    using CKBTabBaseThemeFlat::CKBTabBaseThemeFlat;

    void RefreshMetrics() override;
    void DrawHeader(CDC* pDC, const CRect& rcHeader, int nPosition, const CRect& rcClient) override;
    void DrawTab(CDC* pDC, const CRect& rcTab, BOOL bSelected, int nPosition, const CRect& rcClient) override;
    void DrawChildFrame(CDC* pDC, const CRect& rc) override;
    COLORREF DrawArrowBackground(CDC* pDC, const CRect& rc, DWORD dwStyle) override;

    CKTPaintManagerColorGradient m_grcHeader;
    COLORREF m_clrLine = 0;
    COLORREF m_clrSelectedTab = 0;
    COLORREF m_clrNormalTab = 0;

private:
    void DrawTabOutline(CDC* pDC, const CRect& rc, int nPosition) const;
};
