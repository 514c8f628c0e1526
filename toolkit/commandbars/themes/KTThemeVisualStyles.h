// KTThemeVisualStyles.h: the theme that draws bars and buttons with the system's visual styles.
//
// Classes: CKTThemeVisualStyles.
#pragma once

#include "KTThemeStyle0.h"

// Where the styles are off, unavailable or the classes cannot be opened, every
// operation is the default theme's, so an unthemed system sees theme 0.
class CKTThemeVisualStyles : public CKTThemeStyle0
{
public:
    CKTThemeVisualStyles();

    void DrawSplitButtonFrame(CDC* pDC, CKTControl* pControl, CRect rc) override;
    void FillCommandBarEntry(CDC* pDC, CKTCommandBar* pBar) override;
    void DrawControlState(CDC* pDC, CKTControl* pControl) override;
    int GetControlTextColor(CKTControl* pControl) override;
    void DrawControlEntry(CDC* pDC, CRect rc, const KT_CONTROLSTATE& state) override;
    void DrawImage(CDC* pDC, CPoint pt, CSize sz, CKTImageManagerIcon* pIcon, const KT_CONTROLSTATE& state,
                   BOOL bToolBarImage) override;
    CSize DrawCommandBarGripper(CDC* pDC, CKTCommandBar* pBar, BOOL bDraw) override;
    CSize DrawCommandBarSeparator(CDC* pDC, CKTCommandBar* pBar, CKTControl* pControl, BOOL bDraw) override;
    void AdjustExcludeRect(CRect& rc, CKTControl* pControl, BOOL bVertical) override;
    void FillDockBar(CDC* pDC, CKTDockBar* pBar) override;
    void RefreshMetrics() override;
    CSize DrawExpandButton(CDC* pDC, int nKind, CKTControl* pControl, CKTCommandBar* pBar, BOOL bDraw, CSize szBar,
                           BOOL bHiddenExists) override;
    CSize DrawAltGripper(CDC* pDC, CKTCommandBar* pBar, BOOL bDraw) override;
    int GetCurrentTheme() const override { return 3; }
    int GetScrollBarStyle() const override { return 3; }
    KT_TAB_LOOK GetTabLook() const override;
    int GetBorderColorIndex(BOOL) const override { return KTCOLOR_FLAT_BORDER; }
    void DrawEditFrame(CDC* pDC, CKTControl* pControl, CRect rcField) override;
    void DrawComboDropButton(CDC* pDC, CKTControlComboBox* pCombo, CRect rcButton) override;
    void DrawEditSpinButtons(CDC* pDC, CKTControl* pControl, CRect rcSpin) override;

    // The rebar background of pParent, laid under pWnd's client area in the parent's
    // coordinates, so that neighbouring bars show one continuous background.
    void FillRebarBackground(CDC* pDC, CWnd* pWnd, CWnd* pParent);

    BOOL IsThemed() const;

    COLORREF m_clrBandShadow = 0;     // lower and right edge of a docked bar that is not flat
    COLORREF m_clrBandHighlight = 0;  // its upper and left edge
    BOOL m_bFlatMenus = TRUE;         // the system draws menus flat

protected:
    // Closed by their own destructors, last declared first.
    CKTWinThemeWrapper m_themeRebar;
    CKTWinThemeWrapper m_themeToolbar;
    CKTWinThemeWrapper m_themeComboBox;
    CKTWinThemeWrapper m_themeWindow;
    CKTWinThemeWrapper m_themeSpin;

private:
    void ReadThemeColors();
    // A popup control on the flat menu bar, the one kind whose hot look is a plain highlight.
    BOOL IsFlatMenuBarEntry(CKTControl* pControl) const;
    void FillPopupFrame(CDC* pDC, CRect rc);
    void FillFloatingFrame(CDC* pDC, CKTCommandBar* pBar, CRect rc);
    void FillDockedBar(CDC* pDC, CKTCommandBar* pBar, CRect rc);
    CSize DrawFloatingCaption(CDC* pDC, CKTCommandBar* pBar, BOOL bDraw);
};
