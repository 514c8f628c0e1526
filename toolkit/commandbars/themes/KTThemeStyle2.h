// KTThemeStyle2.h: gradient bar faces and dock bars, dotted grippers, double separators, scheme colours.
//
// Classes: CKTThemeStyle2.
#pragma once

#include "KTThemeStyle1.h"

#include <afxcmn.h>

class CKTThemeStyle2 : public CKTThemeStyle1
{
public:
    CKTThemeStyle2();

    void FillCommandBarEntry(CDC* pDC, CKTCommandBar* pBar) override;
    void DrawControlEntry(CDC* pDC, CRect rc, const KT_CONTROLSTATE& state) override;
    CSize DrawCommandBarGripper(CDC* pDC, CKTCommandBar* pBar, BOOL bDraw) override;
    CSize DrawCommandBarSeparator(CDC* pDC, CKTCommandBar* pBar, CKTControl* pControl, BOOL bDraw) override;
    void FillDockBar(CDC* pDC, CKTDockBar* pBar) override;
    void RefreshMetrics() override;
    CRect GetCommandBarBorders(CKTCommandBar* pBar) override;
    void DrawPopupBarGripper(CDC* pDC, int x, int y, int cx, int cy, BOOL bExpanded) override;
    void DrawStatusBarPaneBorder(CDC* pDC, CRect rc, BOOL bGripperPane) override;
    void DrawStatusBarGripper(CDC* pDC, CRect rc) override;
    CSize DrawExpandButton(CDC* pDC, int nKind, CKTControl* pControl, CKTCommandBar* pBar, BOOL bDraw, CSize szBar,
                           BOOL bHiddenExists) override;
    CSize DrawTearOffGripper(CDC* pDC, CRect rc, BOOL bSelected, BOOL bDraw) override;
    CSize DrawAltGripper(CDC* pDC, CKTCommandBar* pBar, BOOL bDraw) override;
    int GetCurrentTheme() const override { return 2; }
    KT_TAB_LOOK GetTabLook() const override;
    int GetBorderColorIndex(BOOL) const override { return KTCOLOR_WINDOW_FRAME; }
    virtual BOOL IsBarDockable(CKTCommandBar* pBar) const;

    // The shaded ball behind a menu's expand entry, from the ball gradient.
    void CreateExpandBallImage();
    // The weight of one pixel of the ball: 255 is outside it.
    static int GetBallWeight(int x, int y);
    HIMAGELIST GetBallImageList() const { return m_hBallImages; }
    ~CKTThemeStyle2() override;

    CKTPaintManagerColorGradient m_grcDockBar;
    CKTPaintManagerColorGradient m_grcToolBar;
    CKTPaintManagerColorGradient m_grcExpandButton;
    CKTPaintManagerColorGradient m_grcBall;
    CKTPaintManagerColorGradient m_grcHiddenColumn;
    CKTPaintManagerColorGradient m_grcPopuped;
    CKTPaintManagerColor m_clrFaceShadow;
    CKTPaintManagerColor m_clrPaneBorder;
    CKTPaintManagerColor m_clrTearOff;
    BOOL m_bLunaColors = FALSE;       // scheme colours applied by the last refresh
    BOOL m_bSingleSeparator = FALSE;  // separators without their light line
    CKTPaintManagerColorGradient m_grcChecked;
    CKTPaintManagerColorGradient m_grcPressed;
    CKTPaintManagerColorGradient m_grcHot;

protected:
    void ApplySchemeColors(int nScheme);
    // The area of a docked bar's parent mapped into the bar, widened to half the screen.
    CRect GetDockArea(CKTCommandBar* pBar, CRect rcClient) const;
    void FillHorizontalFace(CDC* pDC, CKTCommandBar* pBar, CRect rc);
    void FillVerticalFace(CDC* pDC, CKTCommandBar* pBar, CRect rc);
    // A floating bar's double frame with each row of controls on the tool-bar face.
    void FillFloatingRows(CDC* pDC, CKTCommandBar* pBar, CRect rc);
    void GradientRect(CDC* pDC, CRect rc, const CKTPaintManagerColorGradient& grc, int nBorder, BOOL bHorz);
    void DrawToolBarExpandGlyph(CDC* pDC, BOOL bVertical, CRect rc, BOOL bHiddenExists, COLORREF clr);
    // A bar whose expand button lies across its end: the side bars and popups.
    static BOOL IsAcrossBar(CKTCommandBar* pBar);

private:
    HIMAGELIST m_hBallImages = NULL;  // one 16 x 16 image with mask
};
