// KBTabBaseThemeFlat.h: the flat tab-control look: a filled header, the selected tab open to the page,
// separators between the others, and the arrow window; the base of the gradient look.
//
// Classes: CKBTabBaseThemeFlat.
#pragma once

#include "KBTabBaseTheme.h"

class CKBTabBaseThemeFlat : public CKBTabBaseTheme
{
public:
    using CKBTabBaseTheme::CKBTabBaseTheme;

    void RefreshMetrics() override;
    BOOL PaintsNatively(DWORD) const override { return FALSE; }
    BOOL DrawsChildFrame() const override { return TRUE; }
    BOOL ShowsArrows() const override { return TRUE; }
    void DrawControlBorder(CDC*, const CRect&) override {}
    void DrawHeader(CDC* pDC, const CRect& rcHeader, int nPosition, const CRect& rcClient) override;
    void DrawTab(CDC* pDC, const CRect& rcTab, BOOL bSelected, int nPosition, const CRect& rcClient) override;
    void DrawChildFrame(CDC* pDC, const CRect& rc) override;
    COLORREF DrawArrowBackground(CDC* pDC, const CRect& rc, DWORD dwStyle) override;

private:
    void DrawSelectedTab(CDC* pDC, const CRect& rc, int nPosition) const;
};
